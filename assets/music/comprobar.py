#!/usr/bin/python3
"""Checks the three music pieces: their MIDI structure, and how they sound through FluidSynth.

Structure: type 1, every note released, every track ending on the same tick, the looping
pieces ending exactly on a bar line. Sound: each piece rendered with the General MIDI
SoundFont must be audible all the way to its end, must not clip, and must last as intended
(the two loops 30 to 60 seconds, the duel 15 to 25).

Run:  /usr/bin/python3 assets/music/comprobar.py     (needs mido, numpy and fluidsynth)
Exit status 0 when everything is right, 1 otherwise.
"""

import os
import subprocess
import sys
import tempfile
import wave

import mido
import numpy as np

AQUI = os.path.dirname(os.path.abspath(__file__))
SOUNDFONT = '/usr/share/sounds/sf2/FluidR3_GM.sf2'
# The synthesiser's gain in the game: SDL_mixer gives FluidSynth a gain of 1.2 at full music
# volume, and the game sets the music volume to a quarter of full (AudioSDL.cpp).
GANANCIA_JUEGO = 0.3
PIEZAS = {   # name: (shortest, longest in seconds, loops)
    'Tema1.mid': (30.0, 60.0, True),
    'Tema2.mid': (30.0, 60.0, True),
    'Tema3.mid': (15.0, 25.0, False),
}


def estructura(ruta, bucle):
    errores = []
    midi = mido.MidiFile(ruta)
    if midi.type != 1:
        errores.append('not a type 1 file')
    compas = 4
    finales = set()
    for pista in midi.tracks:
        t = 0
        sonando = {}
        for msg in pista:
            t += msg.time
            if msg.type == 'time_signature':
                compas = msg.numerator * 4 // msg.denominator
            elif msg.type == 'note_on' and msg.velocity > 0:
                clave = (msg.channel, msg.note)
                sonando[clave] = sonando.get(clave, 0) + 1
            elif msg.type in ('note_on', 'note_off'):
                clave = (msg.channel, msg.note)
                sonando[clave] = sonando.get(clave, 0) - 1
        finales.add(t)
        colgadas = [k for k, v in sonando.items() if v != 0]
        if colgadas:
            errores.append('notes left sounding: %s' % colgadas[:5])
    if len(finales) != 1:
        errores.append('tracks end at different ticks: %s' % sorted(finales))
    elif bucle and max(finales) % (midi.ticks_per_beat * compas):
        errores.append('the loop does not end on a bar line (tick %d)' % max(finales))
    return errores, midi.length


def sonido(ruta, minimo, maximo):
    errores = []
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, 'pieza.wav')
        subprocess.run(['fluidsynth', '-ni', '-g', str(GANANCIA_JUEGO), '-F', wav, '-r', '44100',
                        SOUNDFONT, ruta],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with wave.open(wav, 'rb') as w:
            sr = w.getframerate()
            x = np.frombuffer(w.readframes(w.getnframes()), dtype='<i2').astype(float) / 32768.0
            x = x.reshape(-1, w.getnchannels())
    pico = np.abs(x).max()
    nivel = np.abs(x).max(axis=1)
    audible = np.nonzero(nivel > 10 ** (-50 / 20))[0]
    if not len(audible):
        return ['silent'], ''
    duracion = audible[-1] / sr
    segundos = [np.sqrt(np.mean(x[i * sr:(i + 1) * sr] ** 2)) for i in range(int(duracion))]
    mas_bajo = 20 * np.log10(min(segundos) + 1e-12)
    if pico >= 10 ** (-1 / 20):
        errores.append('peak %.1f dBFS: too close to clipping' % (20 * np.log10(pico)))
    if mas_bajo < -50:
        errores.append('a silent second inside the piece (%.1f dBFS)' % mas_bajo)
    if not minimo <= duracion <= maximo + 2.0:       # the last notes may ring a little longer
        errores.append('sounds for %.1f s, wanted %.0f to %.0f' % (duracion, minimo, maximo))
    resumen = 'sounds %.2f s, peak %.1f dBFS, rms %.1f dBFS, quietest second %.1f dBFS' % (
        duracion, 20 * np.log10(pico), 20 * np.log10(np.sqrt(np.mean(x ** 2))), mas_bajo)
    return errores, resumen


def main():
    fallos = 0
    for nombre, (minimo, maximo, bucle) in PIEZAS.items():
        ruta = os.path.join(AQUI, nombre)
        errores, largo = estructura(ruta, bucle)
        if not minimo <= largo <= maximo:
            errores.append('lasts %.2f s, wanted %.0f to %.0f' % (largo, minimo, maximo))
        mas, resumen = sonido(ruta, minimo, maximo)
        errores += mas
        print('%s: %.2f s%s; %s' % (nombre, largo, ' to the loop point' if bucle else '', resumen))
        for e in errores:
            print('  - ' + e)
        fallos += bool(errores)
    return 1 if fallos else 0


if __name__ == '__main__':
    sys.exit(main())
