#!/usr/bin/python3
"""Checks the game's language files, Texto<n>.LNG, in their plain (not yet encoded) form.

For every file: Windows-1252 bytes, CR LF line ends only, the three sections with every key
once, a display name and a translator credit, and game texts that the bitmap font can draw
(A-Z, 0-9, space, ":" and ";") and that fit where the game writes them on the 32-column
screen. Also: Texto0 is Spanish and Texto1 English, and no two files share a display name
(SetUp lists the languages by that name).

Run:  /usr/bin/python3 assets/lang/comprobar.py [files...]     (default: every Texto*.LNG here)
      /usr/bin/python3 assets/lang/comprobar.py --autoprueba  (checks the checker)
Exit status 0 when everything is right, 1 otherwise.
"""

import glob
import os
import re
import sys

AQUI = os.path.dirname(os.path.abspath(__file__))

# Longest text for each key, from where the game draws it (columns of 8 pixels, 32 across):
# the dedication is drawn at column 18 minus its length and followed by a 14-character name;
# menu entries start at column 11 and must stop before the right-hand portrait (column 24);
# "Puntos" and "Vidas" get a blank and then the digits or life icons 7 columns on; the phase
# word plus a blank and a digit is written at columns 2, 13 and 24 on the level screen; the
# credit and rights lines are followed by a name (and a year) on the same line; the lines of
# the name prompt, the table heading and the sheriff screen start at column 0; the pause word
# is centred over the middle of the play area and kept short enough to stay on it. On the
# options screen the names of the rows take columns 1 to 16 and their values 18 to 31; the
# title, the restart note and the key prompt (followed by a control's name and its number)
# take a line of their own.
LARGO_MAXIMO = {
    'Menu': {'Dedicado': 18, 'Jugar': 13, 'Teclado': 13, 'Joystick': 13, 'Nivel': 13,
             'Elegir': 32, 'Programador': 14, 'Copyright': 12, 'Opciones': 13},
    'Opciones': {'Titulo': 32, 'Pantalla': 16, 'Ventana': 14, 'Completa': 14, 'Exclusiva': 14,
                 'Aspecto': 16, 'Nitido': 16, 'VSync': 16, 'Efectos': 16, 'Musica': 16,
                 'Idioma': 16, 'Teclas': 16, 'Mando1': 16, 'Mando2': 16, 'Mando3': 16,
                 'MandoPausa': 16, 'MandoAtras': 16, 'CambiarAyB': 16, 'Volver': 16, 'Si': 14,
                 'No': 14, 'Reiniciar': 32, 'Pulsa': 20, 'Izquierda': 10, 'Derecha': 10,
                 'Disparo': 8, 'NombreIdioma': 14},
    'Juego': {'Dia': 8, 'Fase': 6, 'Puntos': 6, 'Vidas': 6, 'EscribeNombre': 31,
              'Mejores': 31, 'Sheriff1': 32, 'Sheriff2': 32, 'Sheriff3': 32, 'Pausa': 16},
}
CLAVES_GENERAL = ('Idioma', 'Traductor')
TEXTO_DE_JUEGO = re.compile(r'^[A-Z0-9 :;]+$')
NOMBRE_DE_ARCHIVO = re.compile(r'^Texto(\d{1,2})\.LNG$')
IDIOMA_FIJO = {0: 'Español', 1: 'English'}


def leer_perfil(texto):
    """Reads 'key=value' lines into {section: {key: [values]}} (names as written)."""
    secciones = {}
    actual = None
    errores = []
    for numero, linea in enumerate(texto.split('\r\n'), 1):
        if not linea.strip() or linea.lstrip().startswith(';'):
            continue
        if linea.startswith('[') and linea.rstrip().endswith(']'):
            actual = secciones.setdefault(linea.strip()[1:-1], {})
            continue
        if '=' not in linea or actual is None:
            errores.append('line %d is neither a section nor a key: %r' % (numero, linea))
            continue
        clave, valor = linea.split('=', 1)
        actual.setdefault(clave.strip(), []).append(valor)
    return secciones, errores


def comprobar_bytes(nombre, datos):
    """Returns the list of faults of one file's bytes."""
    errores = []
    m = NOMBRE_DE_ARCHIVO.match(nombre)
    if not m:
        errores.append('the name must be Texto<n>.LNG with n from 0 to 99')
    try:
        texto = datos.decode('cp1252')
    except UnicodeDecodeError as e:
        return errores + ['not Windows-1252: %s' % e]
    if re.search(r'\r(?!\n)|(?<!\r)\n', texto):
        errores.append('line ends must all be CR LF')
    if not texto.endswith('\r\n'):
        errores.append('the last line must end with CR LF')
    secciones, errores_lectura = leer_perfil(texto)
    errores += errores_lectura
    # The game matches sections and keys without regard to case; so do we.
    plegadas = {}
    for seccion, claves in secciones.items():
        destino = plegadas.setdefault(seccion.lower(), {})
        for clave, valores in claves.items():
            destino.setdefault(clave.lower(), []).extend(valores)

    esperadas = {'General': {c: None for c in CLAVES_GENERAL}}
    esperadas.update(LARGO_MAXIMO)
    for seccion, claves in esperadas.items():
        encontradas = plegadas.get(seccion.lower())
        if encontradas is None:
            errores.append('section [%s] is missing' % seccion)
            continue
        for clave, largo in claves.items():
            valores = encontradas.get(clave.lower())
            if not valores:
                errores.append('[%s] %s is missing' % (seccion, clave))
                continue
            if len(valores) > 1:
                errores.append('[%s] %s appears %d times' % (seccion, clave, len(valores)))
            valor = valores[0].strip()
            if not valor:
                errores.append('[%s] %s is empty' % (seccion, clave))
                continue
            if largo is None:
                continue
            if not TEXTO_DE_JUEGO.match(valor):
                malos = sorted(set(c for c in valor if not TEXTO_DE_JUEGO.match(c)))
                errores.append('[%s] %s has characters the game font cannot draw: %s'
                               % (seccion, clave, ' '.join(repr(c) for c in malos)))
            if len(valor) > largo:
                errores.append('[%s] %s is %d characters, at most %d fit: %r'
                               % (seccion, clave, len(valor), largo, valor))
        sobrantes = set(encontradas) - {c.lower() for c in claves}
        for clave in sorted(sobrantes):
            errores.append('[%s] %s is not a key the game reads' % (seccion, clave))
    if m and int(m.group(1)) in IDIOMA_FIJO:
        general = plegadas.get('general', {})
        nombre_idioma = (general.get('idioma') or [''])[0].strip()
        if nombre_idioma != IDIOMA_FIJO[int(m.group(1))]:
            errores.append('[General] Idioma must be %r, not %r'
                           % (IDIOMA_FIJO[int(m.group(1))], nombre_idioma))
    if m and m.group(1) != str(int(m.group(1))):
        errores.append('the number in the name must have no leading zero')
    return errores


def nombre_mostrado(datos):
    try:
        secciones, _ = leer_perfil(datos.decode('cp1252'))
    except UnicodeDecodeError:
        return None
    for seccion, claves in secciones.items():
        if seccion.lower() == 'general':
            for clave, valores in claves.items():
                if clave.lower() == 'idioma':
                    return valores[0].strip()
    return None


def comprobar(rutas):
    fallos = 0
    vistos = {}
    for ruta in rutas:
        with open(ruta, 'rb') as f:
            datos = f.read()
        nombre = os.path.basename(ruta)
        errores = comprobar_bytes(nombre, datos)
        mostrado = nombre_mostrado(datos)
        if mostrado and mostrado in vistos:
            errores.append('display name %r is already used by %s' % (mostrado, vistos[mostrado]))
        elif mostrado:
            vistos[mostrado] = nombre
        if errores:
            fallos += 1
            print('%s: %d fault(s)' % (nombre, len(errores)))
            for e in errores:
                print('  - ' + e)
        else:
            print('%s: ok (%s)' % (nombre, mostrado))
    return fallos


def autoprueba():
    """Feeds the checker broken files and makes sure it notices each fault."""
    bueno = open(os.path.join(AQUI, 'Texto1.LNG'), 'rb').read()
    casos = [
        ('bare LF line ends', 'Texto1.LNG', bueno.replace(b'\r\n', b'\n'), 'CR LF'),
        ('a lower-case game text', 'Texto1.LNG', bueno.replace(b'=DAY', b'=Day'), 'cannot draw'),
        ('an accent in a game text', 'Texto1.LNG', bueno.replace(b'=DAY', b'=D\xcdA'),
         'cannot draw'),
        ('a missing key', 'Texto1.LNG', bueno.replace(b'Vidas=', b'Vida='), 'Vidas is missing'),
        ('a dedication too long', 'Texto1.LNG',
         bueno.replace(b'=DEDICATED TO', b'=THIS GAME IS DEDICATED TO'), 'at most 18'),
        ('a sheriff line too long', 'Texto1.LNG',
         bueno.replace(b'Sheriff3=', b'Sheriff3=AND ALL THE LAND AROUND IT '), 'at most 32'),
        ('not Windows-1252', 'Texto1.LNG', bueno + b'\x81\r\n', 'not Windows-1252'),
        ('Texto1 not English', 'Texto1.LNG', bueno.replace(b'=English', b'=Ingles'),
         "must be 'English'"),
        ('a bad file name', 'Texto100.LNG', bueno, 'the name must be'),
        ('a key twice', 'Texto1.LNG', bueno + b'[Juego]\r\nDia=DAY\r\n', 'appears 2 times'),
        ('no final CR LF', 'Texto1.LNG', bueno.rstrip(b'\r\n'), 'last line'),
    ]
    malos = 0
    if comprobar_bytes('Texto1.LNG', bueno):
        print('autoprueba: the good file is reported faulty')
        malos += 1
    for titulo, nombre, datos, esperado in casos:
        errores = comprobar_bytes(nombre, datos)
        if not any(esperado in e for e in errores):
            print('autoprueba: %s was not caught (got %r)' % (titulo, errores))
            malos += 1
    print('autoprueba: %d of %d cases caught' % (len(casos) + 1 - malos, len(casos) + 1))
    return malos


def main(argumentos):
    if argumentos == ['--autoprueba']:
        return 1 if autoprueba() else 0
    rutas = argumentos or sorted(glob.glob(os.path.join(AQUI, 'Texto*.LNG')))
    numeros = {os.path.basename(r) for r in rutas}
    if not argumentos:
        for obligatorio in ('Texto0.LNG', 'Texto1.LNG'):
            if obligatorio not in numeros:
                print('%s is missing' % obligatorio)
                return 1
    return 1 if comprobar(rutas) else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
