"""The shipped SoundFont plays every music piece exactly as the full General MIDI SoundFont it
was taken from: both renderings through FluidSynth are compared sample for sample, and the
synthesiser has nothing to complain of in the shipped one (a malformed field, a missing preset).

    soundfont_igual.py SHIPPED.sf2 FULL.sf2 Tema1.mid [...]
"""
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

enviada, completa, *piezas = sys.argv[1:]
fallos = 0
# Every text field of the shipped file's INFO list has an even length, or SDL_mixer's
# synthesiser refuses the whole file (the command-line one lets it pass).
datos = Path(enviada).read_bytes()
largo_info = struct.unpack_from("<I", datos, 16)[0]
i = 24
while i < 20 + largo_info:
    ident, largo = struct.unpack_from("<4sI", datos, i)
    if largo % 2:
        print(f"INFO field {ident.decode()} has an odd length, {largo}")
        fallos += 1
    i += 8 + largo + largo % 2
with tempfile.TemporaryDirectory() as carpeta:
    for pieza in piezas:
        sonidos = []
        for sf2 in (enviada, completa):
            salida = Path(carpeta) / (Path(sf2).stem + ".wav")
            hecho = subprocess.run(["fluidsynth", "-ni", "-F", str(salida), "-r", "44100", sf2, pieza],
                                   check=True, capture_output=True, text=True)
            quejas = [l for l in (hecho.stdout + hecho.stderr).splitlines()
                      if "error" in l.lower() or "warning" in l.lower()]
            if sf2 == enviada and quejas:
                print(f"{Path(pieza).name}: the synthesiser complains: {quejas[:3]}")
                fallos += 1
            sonidos.append(salida.read_bytes())
        igual = sonidos[0] == sonidos[1] and len(sonidos[0]) > 44
        print(f"{Path(pieza).name}: {'the same' if igual else 'DIFFERENT'} ({len(sonidos[0])} bytes)")
        fallos += not igual
sys.exit(1 if fallos else 0)
