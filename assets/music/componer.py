#!/usr/bin/python3
"""Writes the game's three music pieces as standard MIDI files (type 1, General MIDI).

Tema1.mid  menu theme, loops: our banjo-and-fiddle arrangement of "Oh! Susanna" (1848).
Tema2.mid  in-game theme, loops: a lighter, driving "Camptown Races" (1850).
Tema3.mid  the duel, played once: an original stand-off for a lone trumpet over a low pulse,
           building to a sting at 7.3 s, where the duel is decided, then a quiet aftermath.

Both tunes are public domain; the arrangements are ours. The loops end exactly on a bar line
with every note released before it, so the game's repeat starts the next pass on the beat.

Run:  /usr/bin/python3 assets/music/componer.py   (needs mido)
"""

import os

import mido

AQUI = os.path.dirname(os.path.abspath(__file__))
TPB = 480                     # ticks per quarter note
E8 = TPB // 2                 # one eighth note, the unit of the melody strings below

# General MIDI programs and percussion keys used here.
PIANO_HONKY, GUITAR_NYLON, GUITAR_STEEL, BASS_ACOUSTIC = 3, 24, 25, 32
HARMONICA, FIDDLE, BANJO, WHISTLE = 22, 110, 105, 78
TRUMPET, TUBA, STRINGS, TREMOLO, PIZZICATO, TIMPANI, BRASS = 56, 58, 48, 44, 45, 47, 61
KICK, STICK, SNARE, HAT, HAT_PEDAL, CRASH, TAMBOURINE, WOODBLOCK, RIDE = 36, 37, 38, 42, 44, \
    49, 54, 76, 51

NOTAS = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def altura(nombre):
    """'C5' -> 72, 'F#4' -> 66, 'Bb3' -> 58."""
    base = NOTAS[nombre[0]]
    resto = nombre[1:]
    while resto and resto[0] in '#b':
        base += 1 if resto[0] == '#' else -1
        resto = resto[1:]
    return 12 * (int(resto) + 1) + base


class Pista:
    def __init__(self, nombre, canal, programa=None, volumen=100, pan=64, reverb=40):
        self.nombre = nombre
        self.canal = canal
        self.programa = programa
        # Channel volumes are written a little hot: the pieces play under the effects, and
        # the synthesiser's own gain is modest.
        self.controles = [(7, min(127, volumen + 20)), (10, pan), (91, reverb)]
        self.notas = []        # (start tick, length in ticks, pitch, velocity)

    def nota(self, inicio, duracion, tono, fuerza):
        self.notas.append((int(inicio), int(duracion), tono, int(fuerza)))

    def melodia(self, inicio, texto, fuerza=90, transponer=0, legato=0.9, acentos=True):
        """Plays a melody written as 'E5:1 G5:1.5 r:0.5 ...' (lengths in eighths).

        Returns the tick after its last note. Notes on the beat are played a touch harder.
        """
        t = inicio
        for ficha in texto.split():
            nombre, largo = ficha.split(':')
            ticks = int(round(float(largo) * E8))
            if nombre != 'r':
                f = fuerza + (8 if acentos and t % TPB == 0 else 0)
                self.nota(t, max(int(ticks * legato), 30), altura(nombre) + transponer,
                          min(f, 127))
            t += ticks
        return t

    def a_midi(self, fin):
        track = mido.MidiTrack()
        track.append(mido.MetaMessage('track_name', name=self.nombre, time=0))
        eventos = []
        if self.programa is not None:
            eventos.append((0, 0, mido.Message('program_change', channel=self.canal,
                                                program=self.programa)))
        for control, valor in self.controles:
            eventos.append((0, 0, mido.Message('control_change', channel=self.canal,
                                                control=control, value=valor)))
        for inicio, largo, tono, fuerza in self.notas:
            final = min(inicio + largo, fin)
            if inicio >= fin:
                continue
            eventos.append((inicio, 2, mido.Message('note_on', channel=self.canal, note=tono,
                                                     velocity=fuerza)))
            # Releases sort before new notes at the same tick, so repeated notes retrigger.
            eventos.append((final, 1, mido.Message('note_off', channel=self.canal, note=tono,
                                                    velocity=0)))
        eventos.sort(key=lambda e: (e[0], e[1]))
        ahora = 0
        for tick, _, msg in eventos:
            track.append(msg.copy(time=tick - ahora))
            ahora = tick
        track.append(mido.MetaMessage('end_of_track', time=fin - ahora))
        return track


def guardar(nombre, titulo, bpm, compas, pistas, fin, cambios_tempo=()):
    midi = mido.MidiFile(type=1, ticks_per_beat=TPB)
    meta = mido.MidiTrack()
    meta.append(mido.MetaMessage('track_name', name=titulo, time=0))
    meta.append(mido.MetaMessage('time_signature', numerator=compas, denominator=4, time=0))
    meta.append(mido.MetaMessage('set_tempo', tempo=mido.bpm2tempo(bpm), time=0))
    ahora = 0
    for tick, nuevo in cambios_tempo:
        meta.append(mido.MetaMessage('set_tempo', tempo=mido.bpm2tempo(nuevo), time=tick - ahora))
        ahora = tick
    meta.append(mido.MetaMessage('end_of_track', time=fin - ahora))
    midi.tracks.append(meta)
    for p in pistas:
        midi.tracks.append(p.a_midi(fin))
    midi.save(os.path.join(AQUI, nombre))
    return nombre, midi


# Chord shapes as semitones above the root.
MAYOR, SEPTIMA, MENOR = (0, 4, 7), (0, 4, 7, 10), (0, 3, 7)
ACORDES = {'C': ('C', MAYOR), 'F': ('F', MAYOR), 'G': ('G', MAYOR), 'G7': ('G', SEPTIMA),
           'C7': ('C', SEPTIMA), 'D7': ('D', SEPTIMA), 'Am': ('A', MENOR)}


def acorde(nombre, octava):
    raiz, forma = ACORDES[nombre]
    base = altura(raiz + str(octava))
    return [base + i for i in forma]


# ---------------------------------------------------------------- Tema 1: the menu

# "Oh! Susanna", in 2/4; lengths in eighths, so a bar is 4. Written in C, played in G.
SUSANNA_ESTROFA = (
    'E5:1 G5:1 G5:1.5 A5:0.5 G5:1 E5:1 C5:1.5 D5:0.5 E5:1 E5:1 D5:1 C5:1 D5:2 C5:1 D5:1 '
    'E5:1 G5:1 G5:1.5 A5:0.5 G5:1 E5:1 C5:1.5 D5:0.5 E5:1 E5:1 D5:1 D5:1 C5:4')
SUSANNA_ESTRIBILLO = (
    'F5:2 F5:2 A5:2 A5:2 G5:1 G5:1 E5:1 C5:1 D5:3 C5:0.5 D5:0.5 '
    'E5:1 G5:1 G5:1.5 A5:0.5 G5:1 E5:1 C5:1.5 D5:0.5 E5:1 E5:1 D5:1 D5:1 C5:2 r:2')
ACORDES_ESTROFA = ['C', 'C', 'C', 'G7', 'C', 'C', 'G7', 'C']
ACORDES_ESTRIBILLO = ['F', 'C', 'C', 'G7', 'C', 'C', 'G7', 'C']


def tema1():
    bpm, subir = 120, -5            # C written, G sounding (down a fourth)
    barra = 2 * TPB
    violin = Pista('Fiddle', 0, FIDDLE, volumen=96, pan=50, reverb=45)
    armonica = Pista('Harmonica', 1, HARMONICA, volumen=92, pan=78, reverb=45)
    banjo = Pista('Banjo', 2, BANJO, volumen=84, pan=84, reverb=30)
    piano = Pista('Honky-tonk piano', 3, PIANO_HONKY, volumen=78, pan=40, reverb=35)
    bajo = Pista('Bass', 4, BASS_ACOUSTIC, volumen=100, pan=64, reverb=20)
    bateria = Pista('Drums', 9, None, volumen=80, pan=64, reverb=30)

    # Two bars of vamp, twice through the song (the fiddle leads, then the harmonica with
    # the fiddle an octave below on the chorus), and a two-bar tag that turns back to the
    # vamp at the top of the loop.
    secciones = [(None, None, ['C', 'G7']),
                 (violin, SUSANNA_ESTROFA, ACORDES_ESTROFA),
                 (violin, SUSANNA_ESTRIBILLO, ACORDES_ESTRIBILLO),
                 (armonica, SUSANNA_ESTROFA, ACORDES_ESTROFA),
                 (armonica, SUSANNA_ESTRIBILLO, ACORDES_ESTRIBILLO),
                 (None, None, ['C', 'G7'])]
    t = 0
    for lider, texto, cs in secciones:
        if lider is not None:
            if texto is SUSANNA_ESTROFA:
                # The pick-up "C D" sits on the last beat of the bar before each verse.
                lider.melodia(t - TPB, 'C5:1 D5:1', 88, subir)
            lider.melodia(t, texto, 92, subir)
            if lider is armonica and texto is SUSANNA_ESTRIBILLO:
                violin.melodia(t, texto, 70, subir - 12)
        t += len(cs) * barra
    fin = t
    violin.melodia(fin - 2 * barra, 'G5:1 E5:1 C5:1 E5:1 D5:2 r:2', 84, subir)

    compases = [c for _, _, cs in secciones for c in cs]
    for i, nombre in enumerate(compases):
        inicio = i * barra
        raiz = acorde(nombre, 3)[0] + subir
        quinta = raiz + 7 if i % 2 == 0 else raiz - 5
        bajo.nota(inicio, TPB - 40, raiz - 12, 100)
        bajo.nota(inicio + TPB, TPB - 40, quinta - 12, 88)
        tonos = [n + subir for n in acorde(nombre, 4)]
        for tono in tonos:
            piano.nota(inicio + E8, E8 - 40, tono, 62)
            piano.nota(inicio + TPB + E8, E8 - 40, tono, 58)
        # Banjo roll in sixteenths: octave, fifth, high octave, third, over and over.
        rueda = [tonos[0] + 12, tonos[2] + 12, tonos[0] + 24, tonos[1] + 12]
        for k in range(8):
            banjo.nota(inicio + k * TPB // 4, TPB // 4, rueda[k % 4], 70 if k % 2 == 0 else 56)
        bateria.nota(inicio, 120, KICK, 90)
        bateria.nota(inicio + TPB, 120, STICK, 70)
        for k in range(4):
            bateria.nota(inicio + k * E8, 60, HAT, 55 if k % 2 == 0 else 40)
        if i % 4 == 3:
            bateria.nota(inicio + TPB + E8, 60, TAMBOURINE, 60)
    return guardar('Tema1.mid', 'Polvareda Plus - menu', bpm, 2,
                   [violin, armonica, banjo, piano, bajo, bateria], fin)


# ---------------------------------------------------------------- Tema 2: in the bank

# "Camptown Races", in 4/4; lengths in eighths, a bar is 8. Written in C, played in D.
CAMPTOWN_ESTROFA = (
    'G5:1 G5:1 E5:1 G5:1 A5:1 G5:1 E5:2 E5:1 D5:3 E5:1 D5:3 '
    'G5:1 G5:1 E5:1 G5:1 A5:1 G5:1 E5:2 D5:2 E5:1 D5:1 C5:4')
CAMPTOWN_ESTRIBILLO = (
    'C5:3 E5:1 G5:1 C6:3 A5:3 C6:1 A5:1 G5:3 '
    'G5:1 G5:1 E5:1 E5:1 G5:1 G5:1 E5:2 D5:1 E5:1 F5:1 E5:1 D5:1 D5:1 C5:2')
# Two chords per bar.
CAMPTOWN_ACORDES = [['C', 'C'], ['C', 'G7'], ['C', 'C'], ['G7', 'C'],
                    ['C', 'C'], ['F', 'C'], ['C', 'C'], ['G7', 'C']]


def tema2():
    bpm, subir = 138, 2
    barra = 4 * TPB
    banjo = Pista('Banjo', 0, BANJO, volumen=92, pan=70, reverb=35)
    silbato = Pista('Whistle', 1, WHISTLE, volumen=78, pan=56, reverb=50)
    guitarra = Pista('Guitar', 2, GUITAR_STEEL, volumen=74, pan=40, reverb=35)
    bajo = Pista('Bass', 3, BASS_ACOUSTIC, volumen=96, pan=64, reverb=20)
    bateria = Pista('Drums', 9, None, volumen=70, pan=64, reverb=30)

    # Intro (two bars of rhythm), tune on the banjo, tune on the whistle with the banjo
    # picking along softly, then two bars of rhythm again before the loop.
    plan = [None, None] + [('banjo', i) for i in range(8)] + [('silbato', i) for i in range(8)]
    plan += [None, None]
    melodia = CAMPTOWN_ESTROFA + ' ' + CAMPTOWN_ESTRIBILLO
    inicio_banjo = 2 * barra
    inicio_silbato = 10 * barra
    banjo.melodia(inicio_banjo, melodia, 92, subir)
    silbato.melodia(inicio_silbato, melodia, 84, subir, legato=0.8)
    banjo.melodia(inicio_silbato, melodia, 58, subir - 12, legato=0.5)
    for i, entrada in enumerate(plan):
        inicio = i * barra
        pares = CAMPTOWN_ACORDES[entrada[1]] if entrada else ['C', 'G7'] if i % 2 else ['C', 'C']
        for mitad, nombre in enumerate(pares):
            t = inicio + mitad * 2 * TPB
            raiz = acorde(nombre, 2)[0] + subir
            bajo.nota(t, TPB - 40, raiz, 96)
            bajo.nota(t + TPB, TPB - 40, raiz + 7, 84)
            tonos = [n + subir for n in acorde(nombre, 4)]
            # Guitar: a light strum on the off-beats, the notes a hair apart.
            for golpe in (TPB // 2, TPB + TPB // 2):
                for k, tono in enumerate(tonos):
                    guitarra.nota(t + golpe + 8 * k, TPB // 2 - 50, tono - 12, 60 - 3 * k)
        # Train-beat drums, kept soft: kick on 1 and 3, stick on 2 and 4, hats in eighths.
        for beat in range(4):
            b = inicio + beat * TPB
            bateria.nota(b, 100, KICK if beat % 2 == 0 else STICK, 80 if beat % 2 == 0 else 62)
            bateria.nota(b, 60, HAT, 48)
            bateria.nota(b + E8, 60, HAT, 36)
        if i % 4 == 3:
            bateria.nota(inicio + 3 * TPB + E8, 60, TAMBOURINE, 58)
    fin = len(plan) * barra
    return guardar('Tema2.mid', 'Polvareda Plus - in the bank', bpm, 4,
                   [banjo, silbato, guitarra, bajo, bateria], fin)


# ---------------------------------------------------------------- Tema 3: the duel

def tema3():
    """An original stand-off in D minor, about seventeen seconds, played once.

    The duel starts with the piece, counts five seconds down and is decided a second or a few
    later, so the climax sits there: one bar of a lone trumpet over a heartbeat of timpani and
    a low drone (the countdown); one bar in which the pulse doubles, tremolo strings creep
    upward and a snare roll swells; then, at 7.3 s, the sting: a full chord with a cymbal
    crash. After it only an even, quiet aftermath: a held drone, a muted echo of the trumpet's
    question and a heartbeat that slows away. The game replaces the piece with the next
    phase's music at any moment of that aftermath, and nothing in it is left hanging.
    """
    bpm = 66
    barra = 4 * TPB
    trompeta = Pista('Trumpet', 0, TRUMPET, volumen=100, pan=60, reverb=80)
    cuerdas = Pista('Strings', 1, STRINGS, volumen=80, pan=64, reverb=70)
    tremolo = Pista('Tremolo strings', 2, TREMOLO, volumen=76, pan=72, reverb=70)
    timbal = Pista('Timpani', 3, TIMPANI, volumen=110, pan=64, reverb=60)
    pizz = Pista('Basses', 4, PIZZICATO, volumen=96, pan=56, reverb=50)
    metal = Pista('Brass', 5, BRASS, volumen=110, pan=64, reverb=70)
    bateria = Pista('Percussion', 9, None, volumen=96, pan=64, reverb=60)

    D2, A2, D3 = altura('D2'), altura('A2'), altura('D3')

    # Bar 1, the countdown: drone, heartbeat in quarters, the trumpet's question.
    cuerdas.nota(0, 2 * barra, D2 + 12, 50)
    cuerdas.nota(0, 2 * barra, A2 + 12, 44)
    for beat in range(4):
        timbal.nota(beat * TPB, TPB - 60, D2, 70 + 4 * beat if beat % 2 == 0 else 58)
    trompeta.melodia(0, 'r:1 A4:2 D5:1 C5:1 A4:1 G4:1 A4:1', 84, acentos=False, legato=0.95)
    # Bar 2: the pulse doubles, the strings creep up, the phrase climbs and a roll swells.
    for k in range(8):
        timbal.nota(barra + k * E8, E8 - 30, D2 if k % 4 else A2 - 12, 66 + 4 * k)
        pizz.nota(barra + k * E8, E8 - 40, D2 if k % 2 == 0 else D3, 70 + 4 * k)
    for k, tono in enumerate(('D4', 'E4', 'F#4', 'G#4')):
        tremolo.nota(barra + k * TPB, TPB, altura(tono), 56 + 10 * k)
        tremolo.nota(barra + k * TPB, TPB, altura(tono) - 12, 52 + 10 * k)
    trompeta.melodia(barra, 'D5:1 F5:1 E5:1 G5:1 A5:4', 96, acentos=False, legato=0.97)
    for k in range(16):
        bateria.nota(barra + 2 * TPB + k * TPB // 8, 40, SNARE, 40 + 5 * k)
    metal.nota(barra + 2 * TPB, 2 * TPB - 20, altura('A2'), 70)
    timbal.nota(barra + 3 * TPB, TPB // 2, A2 - 12, 104)
    timbal.nota(barra + 3 * TPB + TPB // 2, TPB // 2, A2 - 12, 112)
    # The sting: D minor with a hard top, everyone at once.
    sting = 2 * barra
    for tono in ('D3', 'A3', 'D4', 'F4', 'A4', 'D5'):
        metal.nota(sting, 2 * TPB, altura(tono), 120)
        cuerdas.nota(sting, 2 * TPB, altura(tono), 110)
    trompeta.nota(sting, 2 * TPB, altura('D5'), 124)
    pizz.nota(sting, TPB, D2, 120)
    timbal.nota(sting, TPB, D2, 127)
    bateria.nota(sting, TPB, CRASH, 127)
    bateria.nota(sting, TPB, KICK, 120)
    # The aftermath, even and soft: a drone that holds to the end, a slowing heartbeat and
    # the trumpet's question once more, far away.
    calma = sting + 2 * TPB
    fin = calma + 2 * barra + 2 * TPB
    cuerdas.nota(calma, fin - calma - 10, D2 + 12, 46)
    cuerdas.nota(calma, fin - calma - 10, A2 + 12, 40)
    cuerdas.nota(calma, fin - calma - 10, altura('F3'), 34)
    for k, (inicio, fuerza) in enumerate(((0, 62), (TPB, 50), (3 * TPB, 52), (4 * TPB, 44),
                                          (7 * TPB, 44), (8 * TPB, 38))):
        timbal.nota(calma + inicio, TPB - 60, D2, fuerza)
    trompeta.melodia(calma + 2 * TPB, 'A4:3 D5:1 C5:1 A4:1 G4:1 A4:6', 56, acentos=False,
                     legato=0.95)
    return guardar('Tema3.mid', 'Polvareda Plus - duel', bpm, 4,
                   [trompeta, cuerdas, tremolo, timbal, pizz, metal, bateria], fin)


def main():
    for hacer in (tema1, tema2, tema3):
        nombre, midi = hacer()
        print('%-10s %6.2f s  %d tracks' % (nombre, midi.length, len(midi.tracks)))


if __name__ == '__main__':
    main()
