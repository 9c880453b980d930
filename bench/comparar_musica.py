"""Compares two renderings of the same music piece (16-bit stereo at 44100 Hz, raw, as SDL's
disk driver writes the game's mix): their levels, their spectra by octave bands, and a picture
of the two spectrograms side by side.

Run:  /usr/bin/python3 bench/comparar_musica.py BEFORE.raw AFTER.raw PICTURE.png [SECONDS]

Each rendering is taken from its first sound (the two started the piece at different moments
after the device opened), for SECONDS or as long as the shorter one lasts. Prints one line per
band and the verdict: the levels within 1 dB, and each band that holds the music's sound (within
40 dB of the loudest band) within 1.5 dB of the other rendering once the overall level is set
aside. Ends with status 1 when either is exceeded.
"""

import sys

import numpy as np
from PIL import Image, ImageDraw

FRECUENCIA = 44100
BANDAS = [31.5 * 2**i for i in range(10)]  # octave bands, 31.5 Hz to 16 kHz
TOLERANCIA_NIVEL = 1.0
TOLERANCIA_BANDA = 1.5
RANGO_BANDAS = 40.0


def leer(ruta, segundos):
    datos = np.fromfile(ruta, dtype="<i2").astype(np.float64) / 32768.0
    estereo = datos[: len(datos) // 2 * 2].reshape(-1, 2)
    sonoro = np.nonzero(np.abs(estereo).max(axis=1) > 10 ** (-60 / 20))[0]
    if len(sonoro) == 0:
        sys.exit(f"{ruta}: silent")
    estereo = estereo[sonoro[0]:]
    return estereo[: int(segundos * FRECUENCIA)] if segundos else estereo


def nivel_db(estereo):
    return 10 * np.log10(np.mean(estereo**2) + 1e-20)


def espectro(mono, ventana=8192):
    """The average power spectrum (Welch, Hann windows overlapping by half)."""
    hann = np.hanning(ventana)
    tramos = [mono[i:i + ventana] * hann for i in range(0, len(mono) - ventana, ventana // 2)]
    potencia = np.mean(np.abs(np.fft.rfft(np.array(tramos), axis=1)) ** 2, axis=0)
    return np.fft.rfftfreq(ventana, 1 / FRECUENCIA), potencia


def bandas_db(mono):
    frecuencias, potencia = espectro(mono)
    total = potencia.sum()
    resultado = []
    for centro in BANDAS:
        dentro = (frecuencias >= centro / 2**0.5) & (frecuencias < centro * 2**0.5)
        resultado.append(10 * np.log10(potencia[dentro].sum() / total + 1e-20))
    return np.array(resultado)


def espectrograma(mono, alto=240, ancho=560):
    """Magnitudes in dB: one row per slice of a logarithmic frequency axis from 40 Hz to
    20 kHz, low frequencies at the bottom, one column per stretch of time."""
    ventana = 4096
    salto = max(ventana // 4, (len(mono) - ventana) // ancho)
    hann = np.hanning(ventana)
    columnas = np.array([np.abs(np.fft.rfft(mono[i:i + ventana] * hann))
                         for i in range(0, len(mono) - ventana, salto)][:ancho]).T
    bordes = np.geomspace(40, 20000, alto + 1) * ventana / FRECUENCIA
    filas = [columnas[int(a):max(int(a) + 1, int(b))].max(axis=0)
             for a, b in zip(bordes[:-1], bordes[1:])]
    return (20 * np.log10(np.array(filas) + 1e-9))[::-1]


def colores(db, tope):
    """Black through red and yellow to white over 90 dB under the louder picture's top."""
    x = np.clip((db - (tope - 90)) / 90, 0, 1)
    rgb = np.stack([np.clip(3 * x, 0, 1), np.clip(3 * x - 1, 0, 1), np.clip(3 * x - 2, 0, 1)], -1)
    return (rgb * 255).astype(np.uint8)


def diferencias(a, d, tope):
    """After minus before: blue where the sound lost level, red where it gained, black where
    they agree (full colour at 6 dB); grey where both are 60 dB under the top."""
    x = np.clip((d - a) / 6, -1, 1)
    rgb = np.stack([np.clip(x, 0, 1), np.zeros_like(x), np.clip(-x, 0, 1)], -1)
    rgb[np.maximum(a, d) < tope - 60] = 0.15
    return (rgb * 255).astype(np.uint8)


def dibujar(antes, despues, ruta, titulo):
    a, d = espectrograma(antes.mean(axis=1)), espectrograma(despues.mean(axis=1))
    tope = max(a.max(), d.max())
    margen = 24
    ancho = a.shape[1]
    lienzo = Image.new("RGB", (3 * ancho + 4 * margen, a.shape[0] + 2 * margen))
    paneles = [(colores(a, tope), f"{titulo}: before"), (colores(d, tope), "after"),
               (diferencias(a, d, tope), "after - before (red louder, blue softer, 6 dB)")]
    texto = ImageDraw.Draw(lienzo)
    for i, (pixeles, nombre) in enumerate(paneles):
        x = margen + i * (ancho + margen)
        lienzo.paste(Image.fromarray(pixeles), (x, margen))
        texto.text((x, 6), nombre, fill="white")
    texto.text((margen, a.shape[0] + margen + 6),
               "40 Hz to 20 kHz bottom to top (logarithmic), time left to right", fill="white")
    lienzo.save(ruta)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    segundos = float(sys.argv[4]) if len(sys.argv) > 4 else 0
    antes, despues = leer(sys.argv[1], segundos), leer(sys.argv[2], segundos)
    largo = min(len(antes), len(despues))
    antes, despues = antes[:largo], despues[:largo]
    nivel_a, nivel_d = nivel_db(antes), nivel_db(despues)
    print(f"  length {largo / FRECUENCIA:.1f} s; level {nivel_a:6.2f} -> {nivel_d:6.2f} dBFS "
          f"({nivel_d - nivel_a:+.2f} dB)")
    bandas_a, bandas_d = bandas_db(antes.mean(axis=1)), bandas_db(despues.mean(axis=1))
    juzgadas = bandas_a >= bandas_a.max() - RANGO_BANDAS
    peor = 0.0
    for centro, a, d, juzgada in zip(BANDAS, bandas_a, bandas_d, juzgadas):
        if juzgada:
            peor = max(peor, abs(d - a))
        print(f"  {centro:7.0f} Hz  {a:7.2f} -> {d:7.2f} dB  ({d - a:+.2f})"
              f"{'' if juzgada else '  (under the music: not judged)'}")
    dibujar(antes, despues, sys.argv[3], sys.argv[2].rsplit("/", 1)[-1].split(".")[0])
    bien = abs(nivel_d - nivel_a) <= TOLERANCIA_NIVEL and peor <= TOLERANCIA_BANDA
    print(f"  largest band difference {peor:.2f} dB: "
          f"{'kept' if bien else 'CHANGED'} (level within {TOLERANCIA_NIVEL} dB, "
          f"bands within {TOLERANCIA_BANDA} dB)")
    sys.exit(0 if bien else 1)


if __name__ == "__main__":
    main()
