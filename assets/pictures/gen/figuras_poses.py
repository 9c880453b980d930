"""The poses of a figure in a doorway: standing, gun drawn, hit, and fallen."""

from figuras_colores import ARMA_BRILLO, CONTORNO, SANGRE, SANGRE_OSCURA
from figuras_cuerpo import (
    ANCHO, ALTO, CX, Lienzo, Pieza, billetes, bolsa, bota, brazo, brazos_quietos, cabeza,
    herida, mano_suelta as mano, piernas, revolver, sombra, luz, sombrero, torso)


def _cuerpo(lz, a, dx=0, dy=0):
    """Legs, boots and torso, shifted."""
    lz.estampa(piernas(a), dx=dx, dy=dy)
    lz.estampa(bota(a, True), dx=dx, dy=dy)
    lz.estampa(bota(a, False), dx=dx, dy=dy)
    lz.estampa(torso(a), dx=dx, dy=dy)


def _cabeza_y_sombrero(lz, a, dx=0, dy=0, cara=None):
    lz.estampa(cabeza(a, cara=cara), dx=dx, dy=dy)
    if a.estilo != "ninguno":
        lz.estampa(sombrero(a), dx=dx, dy=dy)


def de_pie(a, lleva=None, cara=None, dx=0):
    """Standing in the doorway, arms down; lleva: None, 'bolsa' or 'billetes'."""
    lz = Lienzo(ANCHO, ALTO)
    _cuerpo(lz, a, dx)
    izq, der = brazos_quietos(a)
    lz.estampa(izq, dx=dx)
    if lleva == "billetes":
        # the left hand (viewer's right) holds the notes up in front of the chest
        w = a.ancho
        der = brazo(a, [(CX + 9 + w, 24), (CX + 11 + w, 33), (CX + 6, 34)])
    lz.estampa(der, dx=dx)
    _cabeza_y_sombrero(lz, a, dx, cara=cara)
    if lleva == "bolsa":
        lz.estampa(bolsa(CX + 10 + a.ancho, 47), dx=dx)
        lz.estampa(Pieza().une(mano(a, CX + 10 + a.ancho, 46)), dx=dx)
    elif lleva == "billetes":
        for nota in billetes(CX + 6, 33):
            lz.estampa(nota, dx=dx)
        lz.estampa(mano(a, CX + 6, 34), dx=dx)
    return lz


def brazo_apuntando(a, izquierda=True):
    """The gun arm bent at the elbow, the revolver held out at chest height, muzzle outwards."""
    w = a.ancho
    if izquierda:
        pts = [(CX - 10 - w, 24), (CX - 13 - w, 31), (CX - 15 - w, 33)]
    else:
        pts = [(CX + 9 + w, 24), (CX + 12 + w, 31), (CX + 14 + w, 33)]
    hx, hy = pts[-1]
    return brazo(a, pts, mano=False), revolver(hx, hy + 1, izquierda), mano(a, hx, hy + 1)


def con_arma(a, dos=False, lleva=None, cara="malo"):
    """Gun drawn: the right hand (viewer's left) points a revolver out of the doorway."""
    lz = Lienzo(ANCHO, ALTO)
    _cuerpo(lz, a)
    izq, der = brazos_quietos(a)
    if lleva == "bolsa":
        lz.estampa(der)
    elif not dos:
        lz.estampa(der)
    _cabeza_y_sombrero(lz, a, cara=cara)
    if lleva == "bolsa":
        lz.estampa(bolsa(CX + 10 + a.ancho, 47))
        lz.estampa(mano(a, CX + 10 + a.ancho, 46))
    for izquierda in ((True, False) if dos else (True,)):
        b, g, m = brazo_apuntando(a, izquierda)
        lz.estampa(b)
        lz.estampa(g)
        lz.estampa(m)
    return lz


def herido(a, vuela=None, marca=(CX - 3, 36)):
    """Hit: knocked back, arms flung up, hat flying off, a red mark on the chest.

    vuela: what leaves the hand, None, 'arma', 'bolsa' or 'billetes'.
    """
    lz = Lienzo(ANCHO, ALTO)
    # the upper body is thrown back one pixel to the right and two down
    lz.estampa(piernas(a))
    lz.estampa(bota(a, True))
    lz.estampa(bota(a, False))
    lz.estampa(torso(a), dx=1, dy=2)
    w = a.ancho
    lz.estampa(brazo(a, [(CX - 9 - w, 26), (CX - 15 - w, 20), (CX - 16 - w, 11)]), dx=1)
    lz.estampa(brazo(a, [(CX + 8 + w, 26), (CX + 14 + w, 19), (CX + 16 + w, 12)]), dx=1)
    lz.estampa(cabeza(a, cara="susto"), dx=1, dy=2)
    # The hat flies off sideways, whole: the top of the sheet is the top of the door opening,
    # so its crown is kept a row under it instead of being cut flat by the lintel.
    if a.estilo != "ninguno":
        gorro = a.estilo == "gorro"
        vuela_sombrero = sombrero(a, inclina=4 if gorro else 3)
        arriba = min(y for _, y in vuela_sombrero.px) if vuela_sombrero.px else 0
        lz.estampa(vuela_sombrero, dx=1 if gorro else 9, dy=max(0 if gorro else -2, 1 - arriba))
    lz.estampa(herida(*marca), contorno=False, dx=1, dy=2)
    if vuela == "arma":
        lz.estampa(revolver(6, 10, True).movida(0, 0))
    elif vuela == "bolsa":
        lz.estampa(bolsa(CX + 16, 56))
    elif vuela == "billetes":
        for nota in billetes(8, 30) + billetes(44, 50):
            lz.estampa(nota)
    return lz


def tumbado(a):
    """Fallen: slumped on the floor of the doorway, legs out, head lolling, hat rolled away."""
    lz = Lienzo(ANCHO, ALTO)
    baja = 27
    w = a.ancho
    if a.falda is None:
        p = Pieza()
        p.rect(CX - 9, 72, CX + 8, 78, a.pantalon)
        p.tinta(lambda x, y, c: y == 78, sombra(a.pantalon))
        lz.estampa(p)
        for sig in (-1, 1):
            b = Pieza()
            x0 = CX - 13 if sig < 0 else CX + 5
            b.rect(x0, 77, x0 + 7, 86, a.botas)                # the sole turned to us
            b.rect(x0 + 1, 78, x0 + 6, 85, sombra(a.botas))
            b.rect(x0 + 2, 79, x0 + 5, 81, tono_suela(a.botas))
            b.pon(x0 + 3 if sig < 0 else x0 + 4, 84, (220, 220, 200))
            lz.estampa(b)
    else:
        p = Pieza()
        for y in range(68, 87):
            hw = 9 + (y - 68) * 12 // 18
            p.fila(y, CX - hw, CX + hw - 1, a.falda)
        p.fila(86, CX - 21, CX + 20, sombra(a.falda))
        for x in (CX - 8, CX - 1, CX + 7):
            p.rect(x, 76, x, 85, sombra(a.falda))
        lz.estampa(p)
        for x0 in (CX - 9, CX + 3):
            b = Pieza()
            b.rect(x0, 83, x0 + 5, 86, a.botas)
            lz.estampa(b)
    t = torso(a).movida(0, baja - 1)
    t.px = {(x, y): c for (x, y), c in t.px.items() if y <= 73}
    lz.estampa(t)
    for sig in (-1, 1):
        hombro = (CX - 10 - w, 24 + baja) if sig < 0 else (CX + 9 + w, 24 + baja)
        codo = (hombro[0] + 4 * sig, 62)
        mano_pt = (hombro[0] + 7 * sig, 72)
        lz.estampa(brazo(a, [hombro, codo, mano_pt]))
    lz.estampa(herida(CX - 4, 57), contorno=False)
    lz.estampa(cabeza(a, cara="ko").inclinada(3, 22), dx=-2, dy=baja + 2)
    if a.estilo == "gorro":
        lz.estampa(sombrero(a).inclinada(3, 22), dx=-2, dy=baja + 2)
    else:
        # the hat has rolled off and lies on the floor beside him
        lz.estampa(sombrero(a).inclinada(-5, 9), dx=16, dy=baja + 48)
    return lz


def tono_suela(c):
    return luz(luz(c))


def empujando(a):
    """A bandit stepping into the doorway: one arm shoves sideways, the other holds the gun."""
    lz = Lienzo(ANCHO, ALTO)
    _cuerpo(lz, a)
    _cabeza_y_sombrero(lz, a, cara="malo")
    w = a.ancho
    lz.estampa(brazo(a, [(CX - 10 - w, 25), (CX - 15 - w, 29), (CX - 21 - w, 28)]))
    b, g, m = brazo_apuntando(a, izquierda=False)
    lz.estampa(b)
    lz.estampa(g)
    lz.estampa(m)
    return lz
