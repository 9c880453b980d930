"""Makes the game's own SoundFont: only the instruments our music pieces play, taken whole
from a General MIDI SoundFont, so the pieces sound exactly as they do through the full one
while the game holds a fraction of its samples in memory.

Run:  /usr/bin/python3 assets/music/soundfont.py SOURCE.sf2 OUT.sf2 Tema1.mid [Tema2.mid ...]

Kept: every preset a piece plays (bank 0, the program its channel selected, 0 when none; the
percussion kit, bank 128 preset 0, on the drum channel), and of each only the zones that the
notes the pieces play, at the velocities they play them, sound. Each kept sample is copied with the 46 silent sample points a
SoundFont puts after every sample, and its stereo partner with it. Nothing else changes: the
generators, modulators and sample headers are those of the source, renumbered.
"""

import struct
import sys
from pathlib import Path

import mido

PERCUSION = 9  # the General MIDI drum channel
GEN_RANGO_TECLAS = 43
GEN_RANGO_FUERZA = 44
GEN_INSTRUMENTO = 41
GEN_MUESTRA = 53
CEROS = 46  # silent points after each sample


def uso_de_las_piezas(piezas):
    """For every (bank, program) the pieces play: the (note, velocity) pairs they play on it.
    The drum channel plays the percussion kit, bank 128, preset 0."""
    usos = {}
    for pieza in piezas:
        elegido = {}
        for pista in mido.MidiFile(pieza).tracks:
            for evento in pista:
                if evento.type == "program_change" and evento.channel != PERCUSION:
                    elegido[evento.channel] = evento.program
                elif evento.type == "note_on" and evento.velocity > 0:
                    preset = (128, 0) if evento.channel == PERCUSION else (0, elegido.get(evento.channel, 0))
                    usos.setdefault(preset, set()).add((evento.note, evento.velocity))
    return usos


def trozos(datos, inicio, fin):
    """The chunks of a RIFF list body: {id: bytes}, or list type -> its chunks."""
    resultado = {}
    while inicio + 8 <= fin:
        ident, largo = struct.unpack_from("<4sI", datos, inicio)
        cuerpo = datos[inicio + 8:inicio + 8 + largo]
        if ident == b"LIST":
            resultado[cuerpo[:4]] = trozos(datos, inicio + 12, inicio + 8 + largo)
        else:
            resultado[ident] = cuerpo
        inicio += 8 + largo + (largo & 1)
    return resultado


def registros(cuerpo, formato):
    tamano = struct.calcsize(formato)
    return [struct.unpack_from(formato, cuerpo, i) for i in range(0, len(cuerpo), tamano)]


def rango(generadores, oper_rango):
    for oper, cantidad in generadores:
        if oper == oper_rango:
            return cantidad & 0xFF, cantidad >> 8
    return 0, 127


def dentro(generadores, pares):
    """The (note, velocity) pairs a zone's key and velocity ranges let through."""
    teclas, fuerzas = rango(generadores, GEN_RANGO_TECLAS), rango(generadores, GEN_RANGO_FUERZA)
    return {(n, v) for n, v in pares if teclas[0] <= n <= teclas[1] and fuerzas[0] <= v <= fuerzas[1]}


def zonas(cabeceras, bolsas, gens, mods, i, campo):
    """The zones of header i (its first bag in field `campo`): (generators, modulators)."""
    resultado = []
    for b in range(cabeceras[i][campo], cabeceras[i + 1][campo]):
        g0, m0 = bolsas[b]
        g1, m1 = bolsas[b + 1]
        resultado.append(([(o, c) for o, c in gens[g0:g1]], mods[m0:m1]))
    return resultado


def main():
    origen, destino, *piezas = sys.argv[1:]
    usos = uso_de_las_piezas(piezas)
    # Every channel starts on program 0: without that preset the synthesiser complains for
    # each channel before the pieces choose theirs. It is kept without the zones no note plays.
    usos.setdefault((0, 0), set())
    datos = Path(origen).read_bytes()
    riff = trozos(datos, 12, len(datos))
    info, sdta, pdta = riff[b"INFO"], riff[b"sdta"], riff[b"pdta"]
    puntos = sdta[b"smpl"]

    phdr = registros(pdta[b"phdr"], "<20sHHHIII")
    pbag = registros(pdta[b"pbag"], "<HH")
    pmod = registros(pdta[b"pmod"], "<HHhHH")
    pgen = registros(pdta[b"pgen"], "<HH")
    inst = registros(pdta[b"inst"], "<20sH")
    ibag = registros(pdta[b"ibag"], "<HH")
    imod = registros(pdta[b"imod"], "<HHhHH")
    igen = registros(pdta[b"igen"], "<HH")
    shdr = registros(pdta[b"shdr"], "<20sIIIIIBbHH")

    # Presets, then the instruments and samples they reach, in the source's order. A zone is
    # kept when a note the pieces play at a velocity they play it sounds it: every zone that
    # sounds in the pieces stays, so they sound exactly as through the source.
    elegidos = [i for i in range(len(phdr) - 1) if (phdr[i][2], phdr[i][1]) in usos]
    faltan = set(usos) - {(phdr[i][2], phdr[i][1]) for i in elegidos}
    if faltan:
        raise SystemExit(f"the source SoundFont has no preset for {sorted(faltan)}")

    def zonas_que_suenan(lista_zonas, pares, oper_destino):
        """The zones some pair reaches (a global zone always), and per destination the pairs
        that reach it."""
        guardadas, destinos = [], {}
        for generadores, modulos in lista_zonas:
            destino = [c for o, c in generadores if o == oper_destino]
            llegan = dentro(generadores, pares)
            if not destino:
                guardadas.append((generadores, modulos))
            elif llegan:
                guardadas.append((generadores, modulos))
                destinos.setdefault(destino[0], set()).update(llegan)
        return guardadas, destinos

    zonas_preset = {}
    instrumentos = {}  # source index -> the pairs that reach it
    for i in elegidos:
        pares = usos[(phdr[i][2], phdr[i][1])]
        zonas_preset[i], destinos = zonas_que_suenan(
            zonas(phdr, pbag, pgen, pmod, i, 3), pares, GEN_INSTRUMENTO)
        for d, llegan in destinos.items():
            instrumentos.setdefault(d, set()).update(llegan)
    muestras = set()
    zonas_inst = {}
    for i in sorted(instrumentos):
        zonas_inst[i], destinos = zonas_que_suenan(
            zonas(inst, ibag, igen, imod, i, 1), instrumentos[i], GEN_MUESTRA)
        muestras.update(destinos)
    # The other half of a stereo (or otherwise linked) sample comes along.
    for s in list(muestras):
        if shdr[s][9] & 0x7FFF in (2, 4, 8):
            muestras.add(shdr[s][8])
    muestras = sorted(muestras)
    nueva_muestra = {s: n for n, s in enumerate(muestras)}
    nuevo_inst = {s: n for n, s in enumerate(sorted(instrumentos))}

    # Sample data and headers.
    smpl = bytearray()
    cabeceras = []
    for s in muestras:
        nombre, ini, fin, lazo_ini, lazo_fin, tasa, tono, corr, enlace, tipo = shdr[s]
        nuevo = len(smpl) // 2
        smpl += puntos[2 * ini:2 * fin] + bytes(2 * CEROS)
        mover = nuevo - ini
        cabeceras.append(struct.pack(
            "<20sIIIIIBbHH", nombre, ini + mover, fin + mover, lazo_ini + mover, lazo_fin + mover,
            tasa, tono, corr, nueva_muestra.get(enlace, 0), tipo))
    cabeceras.append(struct.pack("<20sIIIIIBbHH", b"EOS", 0, 0, 0, 0, 0, 0, 0, 0, 0))

    def hojas(cabecera_de, lista_zonas, traducir, fin_de_lista):
        cabeceras_h, bolsas, gens, mods = [], [], [], []
        for cabecera, zonas_h in zip(cabecera_de, lista_zonas):
            cabeceras_h.append(cabecera(len(bolsas)))
            for generadores, modulos in zonas_h:
                bolsas.append(struct.pack("<HH", len(gens), len(mods)))
                gens += [struct.pack("<HH", o, traducir(o, c)) for o, c in generadores]
                mods += [struct.pack("<HHhHH", *m) for m in modulos]
        cabeceras_h.append(fin_de_lista(len(bolsas)))
        bolsas.append(struct.pack("<HH", len(gens), len(mods)))
        gens.append(struct.pack("<HH", 0, 0))
        mods.append(struct.pack("<HHhHH", 0, 0, 0, 0, 0))
        return [b"".join(x) for x in (cabeceras_h, bolsas, mods, gens)]

    inst_i = sorted(instrumentos)
    i_cab, i_bag, i_mod, i_gen = hojas(
        [lambda b, i=i: struct.pack("<20sH", inst[i][0], b) for i in inst_i],
        [zonas_inst[i] for i in inst_i],
        lambda o, c: nueva_muestra[c] if o == GEN_MUESTRA else c,
        lambda b: struct.pack("<20sH", b"EOI", b))

    p_cab, p_bag, p_mod, p_gen = hojas(
        [lambda b, i=i: struct.pack("<20sHHHIII", *phdr[i][:3], b, *phdr[i][4:]) for i in elegidos],
        [zonas_preset[i] for i in elegidos],
        lambda o, c: nuevo_inst[c] if o == GEN_INSTRUMENTO else c,
        lambda b: struct.pack("<20sHHHIII", b"EOP", 0, 0, b, 0, 0, 0))

    def trozo(ident, cuerpo):
        return struct.pack("<4sI", ident, len(cuerpo)) + cuerpo + (b"\0" if len(cuerpo) & 1 else b"")

    def lista(tipo, cuerpos):
        cuerpo = tipo + b"".join(trozo(i, c) for i, c in cuerpos)
        return trozo(b"LIST", cuerpo)

    nombre = b"Polvareda Plus music instruments\0"
    comentario = (b"The instruments of the game's music pieces, taken unchanged from "
                  + Path(origen).name.encode() + b" (MIT licence, see DOC).\0")
    datos_info = [(k, v) for k, v in info.items() if k in (b"ifil", b"isng", b"ICOP", b"IENG")]
    datos_info += [(b"INAM", nombre), (b"ICMT", comentario)]
    # Text fields end in one or two zeros so that their length is even; stricter readers
    # refuse the file otherwise.
    datos_info = [(k, v + b"\0" if k != b"ifil" and len(v) % 2 else v) for k, v in datos_info]
    cuerpo = b"sfbk" + lista(b"INFO", datos_info) + lista(b"sdta", [(b"smpl", bytes(smpl))]) + lista(
        b"pdta", [(b"phdr", p_cab), (b"pbag", p_bag), (b"pmod", p_mod), (b"pgen", p_gen),
                  (b"inst", i_cab), (b"ibag", i_bag), (b"imod", i_mod), (b"igen", i_gen),
                  (b"shdr", b"".join(cabeceras))])
    Path(destino).write_bytes(trozo(b"RIFF", cuerpo))
    print(f"{destino}: {len(elegidos)} presets, {len(inst_i)} instruments, {len(muestras)} samples, "
          f"{len(smpl) // 1024} KiB of sample data")


if __name__ == "__main__":
    main()
