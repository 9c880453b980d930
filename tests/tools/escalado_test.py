"""The Scale2x doubler of the graphics extension, on tiny pictures."""

import tempfile
import unittest
from pathlib import Path

import numpy as np
from PIL import Image

import escalado
import hacer_extension

A = (200, 40, 40)
B = (40, 40, 200)
NEGRO = escalado.NEGRO
BLANCO = escalado.BLANCO


def imagen(filas):
    return np.array(filas, dtype=np.uint8)


def entera(img):
    return [([(0, 0, img.shape[0], img.shape[1])], (img.shape[1], img.shape[0]))]


class Scale2x(unittest.TestCase):
    def test_smooths_a_diagonal_edge_and_keeps_plain_areas_blocky(self):
        img = imagen([[A, A, B], [A, B, B], [B, B, B]])
        doble = escalado.escalar(img, entera(img))
        # The centre pixel's top-left quarter takes the colour of the edge above and left of it.
        self.assertEqual(tuple(doble[2, 2]), A)
        self.assertEqual([tuple(doble[y, x]) for y, x in ((2, 3), (3, 2), (3, 3))], [B, B, B])
        uniforme = imagen([[A] * 3] * 2)
        np.testing.assert_array_equal(escalado.escalar(uniforme, entera(uniforme)),
                                      np.repeat(np.repeat(uniforme, 2, 0), 2, 1))

    def test_never_invents_a_colour(self):
        azar = np.random.default_rng(7)
        paleta = np.array([NEGRO, BLANCO, A, B], dtype=np.uint8)
        img = paleta[azar.integers(0, 4, size=(20, 17))]
        doble = escalado.escalar(img, entera(img))
        self.assertEqual(doble.shape, (40, 34, 3))
        self.assertTrue(set(map(tuple, doble.reshape(-1, 3))) <= set(map(tuple, paleta)))

    def test_frames_of_a_sheet_do_not_bleed_into_each_other(self):
        # Two 4x4 frames stacked: a diagonal in each, different colours.
        arriba = imagen([[A if x >= y else NEGRO for x in range(4)] for y in range(4)])
        abajo = imagen([[B if x < y else NEGRO for x in range(4)] for y in range(4)])
        img = np.concatenate([arriba, abajo])
        doble = escalado.escalar(img, [([(0, 0, 8, 4)], (4, 4))])
        self.assertNotIn(B, set(map(tuple, doble[:8].reshape(-1, 3))))
        self.assertNotIn(A, set(map(tuple, doble[8:].reshape(-1, 3))))

    def test_a_figure_and_its_mask_are_doubled_alike(self):
        azar = np.random.default_rng(3)
        for _ in range(20):
            figura = azar.integers(0, 2, size=(9, 8)).astype(bool)
            colores = np.array([A, B, (10, 200, 10)], dtype=np.uint8)[
                azar.integers(0, 3, size=(9, 8))]
            arriba = np.where(figura[..., None], colores, np.uint8(0)).astype(np.uint8)
            mascara = np.where(figura[..., None], np.zeros(3, np.uint8),
                               np.full(3, 255, np.uint8))
            hoja = np.concatenate([arriba, mascara])
            doble = escalado.escalar(hoja, hacer_extension._mitades(8, 18))
            fig2, masc2 = doble[:18], doble[18:]
            self.assertEqual(escalado.arreglar_mascara(masc2.copy(), [fig2]), 0)
            # Where the mask is black, the figure is never the ground black, and vice versa.
            np.testing.assert_array_equal(escalado.es_color(masc2, NEGRO),
                                          ~escalado.es_color(fig2, NEGRO))

    def test_mending_blackens_the_mask_under_every_visible_figure_pixel(self):
        figura = imagen([[A, NEGRO], [NEGRO, NEGRO]])
        mascara = imagen([[BLANCO, BLANCO], [(30, 30, 30), (220, 220, 220)]])
        self.assertEqual(escalado.arreglar_mascara(mascara, [figura]), 3)
        np.testing.assert_array_equal(mascara, imagen([[NEGRO, BLANCO], [NEGRO, BLANCO]]))


class Gif(unittest.TestCase):
    def test_black_and_white_stay_exact_even_when_colours_must_be_reduced(self):
        with tempfile.TemporaryDirectory() as carpeta:
            pocos = imagen([[NEGRO, BLANCO], [A, B]])
            esperado = hacer_extension.guardar_gif(pocos, Path(carpeta) / "pocos.gif")
            np.testing.assert_array_equal(esperado, pocos)
            leido = Image.open(Path(carpeta) / "pocos.gif")
            self.assertTrue((Path(carpeta) / "pocos.gif").read_bytes().startswith(b"GIF8"))
            np.testing.assert_array_equal(np.array(leido.convert("RGB")), pocos)

            # 1024 colours, with a row of black and a row of white.
            muchos = np.zeros((34, 32, 3), dtype=np.uint8)
            muchos[:32, :, 0] = np.arange(32)[:, None] * 8 + 3
            muchos[:32, :, 1] = np.arange(32)[None, :] * 8 + 3
            muchos[:32, :, 2] = 100
            muchos[33] = BLANCO
            leido = hacer_extension.guardar_gif(muchos, Path(carpeta) / "muchos.gif")
            np.testing.assert_array_equal(escalado.es_color(leido, NEGRO),
                                          escalado.es_color(muchos, NEGRO))
            np.testing.assert_array_equal(escalado.es_color(leido, BLANCO),
                                          escalado.es_color(muchos, BLANCO))


if __name__ == "__main__":
    unittest.main()
