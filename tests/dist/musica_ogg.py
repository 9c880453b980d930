"""The music as the web plays it: each piece rendered ahead lasts as its MIDI file and repeats
in time where the game repeats it, and the game's sound device playing the renderings sounds as
it does synthesising the pieces, at the same level. PLAYER and PLAYER_OGG are
bench/polvareda_musica and polvareda_musica_ogg (the device as the web builds it), their mixes
written by SDL's disk driver as fast as it can; COMPARE is bench/comparar_musica.py.

Run: /usr/bin/python3 musica_ogg.py RENDERINGS PIECES SOUNDFONT PLAYER PLAYER_OGG COMPARE
"""

import os
import shutil
import subprocess
import sys
import tempfile

import mido
import numpy as np

FRECUENCIA = 44100
BLOQUE = 64  # the synthesiser's block: a play's events fall at a block's start
SILENCIO = 32768 * 10 ** (-60 / 20)
COMPARADOS = 15  # seconds of the two mixes compared
fallos = []


def comprobar(bien, texto):
    print(("  ok    " if bien else "  FAIL  ") + texto)
    if not bien:
        fallos.append(texto)


def leer(ruta):
    """16-bit stereo: a raw mix, or an Ogg Vorbis file decoded."""
    if ruta.endswith(".ogg"):
        crudo = subprocess.run(["sox", ruta, "-t", "raw", "-e", "signed", "-b", "16", "-L", "-"],
                               capture_output=True, check=True).stdout
        datos = np.frombuffer(crudo, dtype="<i2")
    else:
        datos = np.fromfile(ruta, dtype="<i2")
    return datos[: len(datos) // 2 * 2].astype(np.float64).reshape(-1, 2)


def rms(estereo):
    return np.sqrt(np.mean(estereo ** 2) + 1e-20)


def db(valor):
    return 20 * np.log10(valor / 32768)


def tocar(programa, juego, pieza, segundos, salida):
    entorno = dict(os.environ, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=salida,
                   SDL_DISKAUDIODELAY="0", TEMAS_EN_BUCLE="1")
    return subprocess.Popen([programa, juego, pieza, str(segundos)], env=entorno,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    grabaciones, piezas, soundfont, jugador, jugador_ogg, comparar = sys.argv[1:]
    trabajo = tempfile.mkdtemp()
    try:
        # Each piece through both devices, the web's playing it as piece 1 (the number the
        # player gives the piece it is given), all six at once; the synthesiser for longer,
        # as it plays live at first, slower.
        procesos = []
        for n in (1, 2, 3):
            juego = os.path.join(trabajo, f"juego{n}")
            os.makedirs(os.path.join(juego, "MUS"))
            shutil.copy(soundfont, juego)
            shutil.copy(os.path.join(grabaciones, f"Tema{n}.ogg"),
                        os.path.join(juego, "MUS", "Tema1.ogg"))
            midi = os.path.join(piezas, f"Tema{n}.mid")
            procesos += [tocar(jugador, juego, midi, 4, os.path.join(trabajo, f"sin{n}.raw")),
                         tocar(jugador_ogg, juego, midi, 1, os.path.join(trabajo, f"ogg{n}.raw"))]
        for proceso in procesos:
            comprobar(proceso.wait() == 0, f"{os.path.basename(proceso.args[0])} played")

        for n in (1, 2, 3):
            ogg = os.path.join(grabaciones, f"Tema{n}.ogg")
            print(f"Tema{n}:")
            pcm = leer(ogg)
            texto = subprocess.run(["soxi", "-a", ogg], capture_output=True, text=True).stdout
            tags = dict(linea.split("=", 1) for linea in texto.splitlines() if "=" in linea)
            largo_midi = mido.MidiFile(os.path.join(piezas, f"Tema{n}.mid")).length * FRECUENCIA
            pico = np.abs(pcm).max()
            comprobar(SILENCIO * 10 < pico < 32767, f"peak {db(pico):.1f} dBFS, unclipped")
            antes = len(fallos)
            if n < 3:
                # The game repeats pieces 1 and 2: one whole play, the MIDI file's length.
                inicio, largo = int(tags.get("LOOPSTART", -1)), int(tags.get("LOOPLENGTH", -1))
                comprobar(0 <= largo - largo_midi < BLOQUE + 1,
                          f"a repeat lasts {largo / FRECUENCIA:.3f} s, the MIDI file "
                          f"{largo_midi / FRECUENCIA:.3f} s")
                comprobar(inicio >= 0 and inicio + largo == len(pcm),
                          "the loop is a whole play up to the file's end")
            else:
                # Piece 3 plays once, to the end of its last notes.
                comprobar("LOOPSTART" not in tags and "LOOPLENGTH" not in tags, "no loop")
                comprobar(len(pcm) >= largo_midi and rms(pcm[-FRECUENCIA // 10:]) < SILENCIO,
                          "the piece plays whole and its last notes fade out")
            repite = n < 3 and len(fallos) == antes

            sinte, web = (os.path.join(trabajo, f"{nombre}{n}.raw") for nombre in ("sin", "ogg"))
            a, b = leer(sinte), leer(web)
            fa, fb = (np.argmax(np.abs(x).max(axis=1) > SILENCIO) for x in (a, b))
            # The players stop the music before they end: only what came before is compared.
            if min(len(a) - fa, len(b) - fb) < (COMPARADOS + 1) * FRECUENCIA or not (fa and fb):
                comprobar(False, "both devices played long enough to be compared")
                continue
            resultado = subprocess.run(
                [sys.executable, comparar, sinte, web, os.path.join(trabajo, f"Tema{n}.png"),
                 str(COMPARADOS)], capture_output=True, text=True)
            print(resultado.stdout, end="")
            comprobar(resultado.returncode == 0,
                      "the rendering sounds as the synthesiser, at its level")
            comprobar(np.abs(b).max() < 32767, f"mix peak {db(np.abs(b).max()):.1f} dBFS")
            if not repite:
                continue
            # The repeat comes exactly one play after the first began: after the last notes'
            # fade the second play is the first again, frame for frame.
            desde = fb + inicio + FRECUENCIA // 5
            if len(b) < desde + largo + FRECUENCIA:
                comprobar(False, "the mix reaches the repeat")
                continue
            primera, segunda = b[desde:desde + FRECUENCIA], b[desde + largo:][:FRECUENCIA]
            diferencia = db(rms(segunda - primera)) - db(rms(primera))
            comprobar(diferencia < -30, f"the repeat is in time ({diferencia:.0f} dB off)")
            # And no gap where the piece starts again.
            tramos = b[fb + largo - FRECUENCIA // 4:fb + largo + FRECUENCIA // 4]
            callado = min(rms(t) for t in tramos.reshape(-1, 441, 2))
            comprobar(callado > SILENCIO,
                      f"no silence where it repeats (quietest 10 ms at {db(callado):.0f} dBFS)")
    finally:
        shutil.rmtree(trabajo, ignore_errors=True)
    if fallos:
        sys.exit(f"{len(fallos)} check(s) failed")


if __name__ == "__main__":
    main()
