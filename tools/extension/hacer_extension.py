"""Makes the members of the doubled graphics extension from the game's own pictures.

    hacer_extension.py <pictures folder> <output folder>

Every picture the extension may replace is doubled with Scale2x (escalado.py), its sheet
masks checked against their figures, and written as a GIF under the member name the game
looks for. Pictures that do not exist yet are skipped with a note, so the extension grows as the
pictures are drawn. Exit status 1 when a picture cannot be read or a GIF does not come back
exactly as written.
"""

import sys
from pathlib import Path

import numpy as np
from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parent))
import escalado  # noqa: E402

SPRITES = [*range(0, 10), *range(11, 20), *range(21, 30), *range(33, 40), 48, 49]


def _entera(ancho, alto):
    return [([(0, 0, alto, ancho)], (ancho, alto))]


def _mitades(ancho, alto):
    """A sheet with the figure in its upper half and its mask in the lower half."""
    mitad = alto // 2
    return [([(0, 0, mitad, ancho), (mitad, 0, mitad, ancho)], (ancho, mitad))]


def _columnas(alto, cortes):
    return [([(0, x0, alto, x1 - x0)], (x1 - x0, alto)) for x0, x1 in zip(cortes, cortes[1:])]


# Source picture -> (member name, logical size, groups, mask rule). The mask rule says which
# rectangles of the doubled sheet are masks and which figures they must cover.
def _sprite(n):
    return (f"sprite{n}", f"sprite{n}.gif", (48, 176), _mitades(48, 176), ("mitades", 88))


PICTURES = [
    ("BangBMP", "bang.gif", (62, 180), [([(0, 0, 180, 62)], (62, 30))], None),
    ("cajas", "cajas.gif", (192, 16), [([(0, 0, 16, 192)], (16, 8))], None),
    ("CuadroCajas", "cuadro.gif", (16, 16), _entera(16, 16), None),
    ("dolar", "dolar.gif", (16, 64), [([(0, 0, 64, 16)], (16, 16))], None),
    ("estrella", "estrella.gif", (72, 84), _entera(72, 84), None),
    ("letras", "letras.gif", (266, 84), [([(12 * c, 0, 12, 266) for c in range(7)], (7, 12))],
     ("letras", 12)),
    ("Paisaje", "paisaje.gif", (256, 112), _entera(256, 112), None),
    ("panel", "panel.gif", (256, 24), _entera(256, 24), None),
    ("Pantalla", "pantalla.gif", (256, 192), _entera(256, 192), None),
    ("Pared", "pared.gif", (88, 115), _entera(88, 115), None),
    ("Puertas", "puertas.gif", (128, 88), _columnas(88, [0, 56, 96, 120, 128]), None),
    ("sino", "sino.gif", (28, 14), [([(0, 0, 14, 28)], (14, 14))], None),
    ("sombrero0", "sombrer0.gif", (12, 22), _mitades(12, 22), ("mitades", 11)),
    ("sombrero1", "sombrer1.gif", (12, 22), _mitades(12, 22), ("mitades", 11)),
    *[_sprite(n) for n in SPRITES],
    ("ventanilla", "ventanil.gif", (264, 28), _entera(264, 28), None),
    ("vida", "vida.gif", (9, 23), _entera(9, 23), None),
]

MULTIPLICADOR = 2


def ajustar_mascaras(doble, regla):
    """Checks the doubled sheet's masks against their figures and mends them; returns the count
    of mended pixels."""
    if regla is None:
        return 0
    tipo, banda = regla
    banda *= MULTIPLICADOR
    if tipo == "mitades":
        return escalado.arreglar_mascara(doble[banda:2 * banda], [doble[:banda]], exacta=True)
    # letras: band 0 is the mask of the six coloured bands below it.
    figuras = [doble[banda * c: banda * (c + 1)] for c in range(1, 7)]
    return escalado.arreglar_mascara(doble[:banda], figuras)


def guardar_gif(rgb, destino):
    """Writes an exact-colour GIF: the picture's own colours as the palette (black and white
    stay exactly (0,0,0) and (255,255,255)). A picture of more than 256 colours is reduced, with
    black and white kept exact."""
    alto, ancho, _ = rgb.shape
    planos = rgb.reshape(-1, 3)
    colores, indices = np.unique(planos, axis=0, return_inverse=True)
    if len(colores) > 256:
        imagen = Image.fromarray(rgb, "RGB").quantize(254, method=Image.Quantize.MEDIANCUT,
                                                      dither=Image.Dither.NONE)
        paleta = np.array(imagen.getpalette()[: 254 * 3], dtype=np.uint8).reshape(-1, 3)
        # A reduced colour must not become the mask colours by accident.
        paleta[escalado.es_color(paleta, escalado.NEGRO)] = (1, 1, 1)
        paleta[escalado.es_color(paleta, escalado.BLANCO)] = (254, 254, 254)
        indices = np.array(imagen, dtype=np.intp).reshape(-1)
        indices[escalado.es_color(planos, escalado.NEGRO)] = 254
        indices[escalado.es_color(planos, escalado.BLANCO)] = 255
        colores = np.vstack([paleta, [escalado.NEGRO, escalado.BLANCO]])
        print(f"note: {destino.name} has more than 256 colours; reduced", file=sys.stderr)
    paleta = np.zeros((256, 3), dtype=np.uint8)
    paleta[: len(colores)] = colores
    imagen = Image.fromarray(indices.reshape(alto, ancho).astype(np.uint8), "P")
    imagen.putpalette(paleta.reshape(-1).tolist())
    imagen.save(destino, format="GIF", optimize=False)
    return np.array(paleta[indices].reshape(alto, ancho, 3))


def hacer(origen, salida):
    salida.mkdir(parents=True, exist_ok=True)
    for viejo in salida.glob("*.gif"):
        viejo.unlink()
    faltan, fallos = [], 0
    for fuente, miembro, (ancho, alto), grupos, regla in PICTURES:
        png = origen / f"{fuente}.png"
        if not png.is_file():
            faltan.append(png.name)
            continue
        try:
            rgb = np.array(Image.open(png).convert("RGB"))
        except OSError as error:
            print(f"error: cannot read {png}: {error}", file=sys.stderr)
            fallos += 1
            continue
        if rgb.shape[:2] != (alto, ancho):
            print(f"warning: {png.name} is {rgb.shape[1]}x{rgb.shape[0]}, "
                  f"the game expects {ancho}x{alto}", file=sys.stderr)
        doble = escalado.escalar(rgb, grupos)
        mended = ajustar_mascaras(doble, regla)
        if mended:
            print(f"note: {miembro}: {mended} mask pixels mended to fit the figure",
                  file=sys.stderr)
        esperado = guardar_gif(doble, salida / miembro)
        leido = np.array(Image.open(salida / miembro).convert("RGB"))
        if not np.array_equal(leido, esperado):
            print(f"error: {miembro} does not read back as written", file=sys.stderr)
            fallos += 1
    if faltan:
        print(f"note: not drawn yet, left out of the extension: {', '.join(faltan)}",
              file=sys.stderr)
    return 1 if fallos else 0


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    return hacer(Path(argv[1]), Path(argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
