#!/usr/bin/python3
"""Checks the 24 sound effects: format, length, level, and the joins of the two loops.

Every Efecto<i>.wav must be PCM, 16 bits, 44100 Hz, stereo; start and end in silence (the
loops excepted); peak at its intended level; last under the length its use allows. The two
loops (the wall sliding, the street behind the doors) must join without a click: the step
from the last sample back to the first must be no larger than the ordinary steps inside.

Run:  /usr/bin/python3 assets/sounds/comprobar.py
Exit status 0 when everything is right, 1 otherwise.
"""

import os
import sys
import wave

import numpy as np

AQUI = os.path.dirname(os.path.abspath(__file__))

# Peak in dBFS and longest length in seconds, by effect. Voices sit at -6 dBFS, the shot and
# the bomb at -3, the loops at -12 so that they stay under everything else.
PICO = {i: -6.0 for i in range(24)}
PICO.update({11: -4.0, 13: -3.0, 14: -8.0, 17: -12.0, 18: -12.0, 19: -9.0, 21: -3.0})
LARGO = {i: 1.2 for i in range(24)}
LARGO.update({13: 3.0, 17: 3.0, 18: 3.0, 19: 2.5, 23: 0.4})
BUCLES = (17, 18)


def leer(ruta):
    with wave.open(ruta, 'rb') as w:
        formato = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
        datos = w.readframes(w.getnframes())
    x = np.frombuffer(datos, dtype='<i2').astype(float) / 32768.0
    return formato, x.reshape(-1, formato[0]) if formato[1] == 2 else x


def comprobar(i):
    ruta = os.path.join(AQUI, 'Efecto%d.wav' % i)
    if not os.path.exists(ruta):
        return ['missing'], ''
    formato, x = leer(ruta)
    if formato != (2, 2, 44100, 'NONE'):
        return ['format %s, wanted stereo 16-bit 44100 Hz PCM' % (formato,)], ''
    errores = []
    duracion = len(x) / 44100.0
    pico = 20 * np.log10(np.abs(x).max() + 1e-12)
    if abs(pico - PICO[i]) > 0.5:
        errores.append('peak %.1f dBFS, wanted %.1f' % (pico, PICO[i]))
    if duracion > LARGO[i]:
        errores.append('lasts %.2f s, at most %.2f' % (duracion, LARGO[i]))
    if i in BUCLES:
        pasos = np.abs(np.diff(x, axis=0)).max(axis=1)
        salto = np.abs(x[0] - x[-1]).max()
        if salto > np.percentile(pasos, 99):
            errores.append('the loop clicks: wrap step %.4f, 99%% of steps below %.4f'
                           % (salto, np.percentile(pasos, 99)))
    elif np.abs(x[0]).max() > 0.001 or np.abs(x[-1]).max() > 0.001:
        errores.append('does not start and end in silence')
    resumen = '%.2f s, peak %.1f dBFS, rms %.1f dBFS' % (
        duracion, pico, 20 * np.log10(np.sqrt(np.mean(x ** 2)) + 1e-12))
    return errores, resumen


def main():
    fallos = 0
    for i in range(24):
        errores, resumen = comprobar(i)
        print('Efecto%-2d %s' % (i, resumen or ''))
        for e in errores:
            print('  - ' + e)
        fallos += bool(errores)
    return 1 if fallos else 0


if __name__ == '__main__':
    sys.exit(main())
