"""The small pictures around the figures: shot flash, sheriff's star, life icon, portrait
frame, busy hourglass, bullet hole and the game's icon."""

import math

from PIL import Image

from figuras_colores import (
    ARMA, ARMA_BRILLO, ARMA_CLARA, BLANCO, CHISPA, CONTORNO, CULATA, FOGONAZO, FOGONAZO_ROJO,
    LATON, LATON_OSCURO, MADERA, MADERA_CLARA, MADERA_NEGRA, MADERA_OSCURA, NEGRO, ORO,
    ORO_CLARO, ORO_MEDIO, ORO_OSCURO, PANEL, SOMBRERO_PARDO, ARENA_CLARA, tono)
from figuras_cuerpo import REVOLVER
from figuras_lienzo import Lienzo, Pieza

HUMO = (150, 140, 130)


def bang():
    """Six 62 x 30 frames of the flash of the shot that hits the player: growing, then fading."""
    img = Image.new("RGB", (62, 180), NEGRO)
    tamanos = [0.35, 0.7, 1.0, 0.95, 0.7, 0.45]
    for k, s in enumerate(tamanos):
        apagado = k >= 3
        for y in range(30):
            for x in range(62):
                dx, dy = (x - 30.5) / (29 * s), (y - 14.5) / (14 * s)
                r = math.hypot(dx, dy)
                th = math.atan2(dy, dx)
                # eight spikes, alternately long and short, turning a little each frame
                pico = abs(math.cos(4 * th + k * 0.35)) ** 4
                largo = 1.0 if math.cos(8 * th + k * 0.7) > 0 else 0.75
                borde = 0.45 + 0.55 * pico * largo
                if r > borde:
                    continue
                f = r / borde
                if not apagado:
                    c = CHISPA if f < 0.35 else FOGONAZO if f < 0.7 else FOGONAZO_ROJO
                elif k == 3:
                    c = FOGONAZO if f < 0.3 else FOGONAZO_ROJO if f < 0.75 else HUMO
                else:
                    # the smoke clears from the middle outwards
                    if f < 0.3 * (k - 2):
                        continue
                    c = tono(FOGONAZO_ROJO, 0.8) if f < 0.55 and k == 4 else tono(HUMO, 1.1 - 0.2 * (k - 4))
                img.putpixel((x, 30 * k + y), c)
    return img


def _estrella(lz, cx, cy, R, r, bola):
    """A six-pointed sheriff's star with a ball on each point, faceted gold."""
    puntas = 6
    p = Pieza()
    for y in range(lz.h):
        for x in range(lz.w):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            th = math.atan2(dy, dx) + math.pi / 2          # 0 at the top point
            sector = 2 * math.pi / puntas
            a = ((th + sector / 2) % sector) - sector / 2   # angle from the nearest point's axis
            u = abs(a) / (sector / 2)
            lim = R * (1 - u) + r * u
            dentro = d <= lim * (1 - 0.15 * u * (1 - u))
            puntas_bola = False
            for k in range(puntas):
                ang = k * sector - math.pi / 2
                bx, by = cx + math.cos(ang) * (R + bola * 0.4), cy + math.sin(ang) * (R + bola * 0.4)
                if math.hypot(x + 0.5 - bx, y + 0.5 - by) <= bola:
                    puntas_bola = True
                    luzb = (x + 0.5 - bx) + (y + 0.5 - by) < -bola * 0.3
                    p.pon(x, y, ORO_CLARO if luzb else ORO)
            if dentro and not puntas_bola:
                # the light comes from the upper left: the facet facing it is bright
                lado = a < 0
                eje = math.atan2(dy, dx)
                frente = math.cos(eje + 3 * math.pi / 4)    # > 0 facing the light
                if abs(a) < 0.04 * (1 + 3 / max(d, 1)):
                    c = ORO_CLARO
                elif (lado and frente > -0.3) or (not lado and frente > 0.3):
                    c = ORO
                else:
                    c = ORO_MEDIO if frente > -0.5 else ORO_OSCURO
                p.pon(x, y, c)
    # the round middle, engraved
    for y in range(lz.h):
        for x in range(lz.w):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if r * 0.62 <= d < r * 0.62 + 1.2:
                p.pon(x, y, ORO_OSCURO)
            elif d < r * 0.62:
                f = (x - cx) + (y - cy)
                p.pon(x, y, ORO_CLARO if f < -r * 0.3 else ORO if f < r * 0.2 else ORO_MEDIO)
    lz.estampa(p)


def estrella():
    lz = Lienzo(72, 84)
    _estrella(lz, 36, 43, 32, 15, 4.2)
    return lz.imagen()


def vida():
    """A small cowboy hat over a cartridge, on the panel's ground colour."""
    lz = Lienzo(9, 23)
    hat = Pieza()
    hat.rect(2, 1, 6, 4, SOMBRERO_PARDO)
    hat.pon(4, 1, tono(SOMBRERO_PARDO, 0.75))
    hat.fila(4, 2, 6, tono(SOMBRERO_PARDO, 0.6))
    hat.fila(5, 0, 8, SOMBRERO_PARDO)
    hat.pon(0, 4, SOMBRERO_PARDO)
    hat.pon(8, 4, SOMBRERO_PARDO)
    hat.pon(2, 2, tono(SOMBRERO_PARDO, 1.3))
    bala = Pieza()
    bala.rect(3, 8, 5, 11, (200, 120, 72))                    # copper tip
    bala.pon(4, 7, (200, 120, 72))
    bala.pon(3, 9, (240, 170, 120))
    bala.rect(2, 12, 6, 20, LATON)                            # brass case
    bala.rect(2, 12, 2, 20, tono(LATON, 1.15))
    bala.rect(6, 12, 6, 20, LATON_OSCURO)
    bala.fila(12, 2, 6, LATON_OSCURO)
    bala.fila(20, 1, 7, LATON_OSCURO)                          # rim
    lz.estampa(bala)
    lz.estampa(hat)
    img = Image.new("RGB", (9, 23), PANEL)
    for y in range(23):
        for x in range(9):
            c = lz.px[y][x]
            if c is not None:
                img.putpixel((x, y), c)
    return img


def menu():
    """The carved portrait frame, 56 x 96, four pixels of wood around a black 48 x 88 inside."""
    img = Image.new("RGB", (56, 96), NEGRO)
    capas = [CONTORNO, MADERA_CLARA, MADERA, MADERA_OSCURA]
    for k, c in enumerate(capas):
        for x in range(k, 56 - k):
            img.putpixel((x, k), c if k != 1 else MADERA_CLARA)
            img.putpixel((x, 95 - k), c if k != 1 else MADERA)
        for y in range(k, 96 - k):
            img.putpixel((k, y), c)
            img.putpixel((55 - k, y), c if k != 1 else MADERA)
    # carving: notches along the wood every six pixels, brass nails in the corners
    for x in range(7, 50, 6):
        img.putpixel((x, 2), MADERA_OSCURA)
        img.putpixel((x, 93), MADERA_NEGRA)
    for y in range(7, 90, 6):
        img.putpixel((2, y), MADERA_OSCURA)
        img.putpixel((53, y), MADERA_NEGRA)
    for x, y in ((1, 1), (53, 1), (1, 93), (53, 93)):
        img.putpixel((x, y), LATON)
        img.putpixel((x + 1, y), LATON_OSCURO)
        img.putpixel((x, y + 1), LATON_OSCURO)
        img.putpixel((x + 1, y + 1), LATON_OSCURO)
    img.putpixel((3, 3), CONTORNO)
    img.putpixel((52, 3), CONTORNO)
    img.putpixel((3, 92), CONTORNO)
    img.putpixel((52, 92), CONTORNO)
    return img


def reloj(arriba):
    """The busy hourglass, 32 x 32: the sand in the upper bulb (arriba) or fallen."""
    lz = Lienzo(32, 32)
    vidrio = (176, 208, 220)
    arena = ARENA_CLARA
    g = Pieza()
    for y in range(5, 27):
        t = abs(y - 15.5) / 10.5
        hw = 1 + round(8 * t ** 0.8)
        g.fila(y, 16 - hw, 15 + hw, vidrio)
    for y in range(5, 27):
        for x in range(32):
            if (x, y) in g.px:
                arr = y < 16
                if arriba and arr and y >= 9:
                    g.pon(x, y, arena)
                if not arriba and not arr and y >= 20:
                    g.pon(x, y, arena)
    # the thin stream of sand and a glint on the glass
    if arriba:
        for y in range(16, 26):
            g.pon(15, y, arena) if y % 2 == 0 else None
        g.rect(13, 24, 18, 25, arena)
    else:
        for y in range(9, 16):
            g.pon(15, y, arena) if y % 2 == 1 else None
        g.rect(14, 14, 17, 15, arena)
    g.pon(10, 7, BLANCO); g.pon(9, 8, BLANCO); g.pon(10, 23, BLANCO)
    lz.estampa(g)
    for y0 in (1, 27):
        m = Pieza()
        m.rect(4, y0, 27, y0 + 3, MADERA)
        m.fila(y0, 4, 27, MADERA_CLARA)
        m.fila(y0 + 3, 4, 27, MADERA_OSCURA)
        lz.estampa(m)
    for x in (5, 26):
        m = Pieza()
        m.rect(x, 5, x, 26, MADERA_OSCURA)
        lz.estampa(m, contorno=False)
    return lz.imagen()


def bala():
    """The bullet hole, 12 x 6, black on white: only the black pixels darken the door."""
    img = Image.new("RGB", (12, 6), BLANCO)
    filas = [
        "....#..#....",
        ".#..####..#.",
        "..########..",
        "..#######...",
        ".#..####.#..",
        "....#..#....",
    ]
    for y, f in enumerate(filas):
        for x, ch in enumerate(f):
            if ch == "#":
                img.putpixel((x, y), NEGRO)
    return img


def icono():
    """The game's icon, 64 x 64: a sheriff's star with a revolver across it, on transparent."""
    lz = Lienzo(64, 64)
    _estrella(lz, 32, 30, 26, 12, 3.4)
    arma = Pieza()
    ley = {"h": ARMA_BRILLO, "g": ARMA_CLARA, "c": ARMA, "k": ARMA, "w": CULATA}
    chico = Pieza()
    chico.mapa(0, 0, REVOLVER, ley)
    for (x, y), c in chico.px.items():
        for dy in range(3):
            for dx in range(3):
                arma.pon(14 + 3 * x + dx, 40 + 3 * y + dy, c)
    lz.estampa(arma)
    img = Image.new("RGBA", (64, 64), (0, 0, 0, 0))
    for y in range(64):
        for x in range(64):
            c = lz.px[y][x]
            if c is not None:
                img.putpixel((x, y), c + (255,))
    return img
