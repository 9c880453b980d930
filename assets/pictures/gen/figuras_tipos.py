"""The cast behind the doors: what each figure type looks like, and every frame it needs.

Frame numbers: k the figure of type k, 30 + k the same figure with a gun drawn (3 to 7),
38/48 and 39/49 a bandit threatening customer 8 or 9 and then pushing them aside,
10 + k the figure hit, 20 + k the figure fallen. Type 0 is the little man under a pile of hats.
"""

from figuras_colores import (
    BOTA_CLARA, CAMISA_AMARILLA, CAMISA_BLANCA, CAMISA_CELESTE, CAMISA_ROJA, CAMISA_VERDE,
    CANAS, CHALECO, CHALECO_BANDIDO, CHAQUETA_CLARA, DELANTAL, GABAN, LATON, LAZO, PANTALON,
    PANTALON_BANDIDO, PANTALON_CLARO, PANTALON_PARDO, PANUELO, PANUELO_OSCURO, PELO_CASTANO,
    PELO_RUBIO, PIEL, PIEL_CLARA, PIEL_OSCURA, ROPA_BANDIDO, SOMBRERO_CLARO, SOMBRERO_NEGRO,
    SOMBRERO_PARDO, VESTIDO, VESTIDO_CLARO, BOTA, CAMISA_AZUL, SANGRE)
from figuras_cuerpo import Aspecto, replace
from figuras_poses import brazo, con_arma, de_pie, empujando, herido, mano, revolver, tumbado
from figuras_lienzo import Lienzo
from figuras_sombreros import pila_de_sombreros

BOTA_NEGRA = (76, 56, 48)
PANUELO_BLANCO = (244, 240, 228)

ASPECTOS = {
    # bandit with the white-dotted red neckerchief: the menu's portrait
    1: Aspecto(camisa=ROPA_BANDIDO, chaleco=CHALECO_BANDIDO, pantalon=PANTALON_BANDIDO,
               botas=BOTA_NEGRA, sombrero=SOMBRERO_NEGRO, banda=(120, 100, 96),
               mascara=PANUELO, lunares=True, cara="malo", pelo=(60, 44, 36)),
    # big bandit in a long coat, wide black hat, dotted dark mask, cartridge belt, two guns
    2: Aspecto(camisa=ROPA_BANDIDO, chaleco=GABAN, chaqueta=True, pantalon=PANTALON_BANDIDO,
               botas=BOTA_NEGRA, sombrero=SOMBRERO_NEGRO, banda=LATON, estilo="ancho",
               mascara=PANUELO_OSCURO, lunares=True, cara="malo", ancho=1, bandolera=True,
               piel=PIEL_OSCURA, pelo=(40, 30, 26)),
    # rancher: light blue shirt, straw hat, red neckerchief at the neck
    3: Aspecto(camisa=CAMISA_CELESTE, pantalon=PANTALON_PARDO, sombrero=SOMBRERO_CLARO,
               banda=(176, 64, 48), panuelo=CAMISA_ROJA, cara="sonrisa", piel=PIEL_CLARA,
               pelo=PELO_RUBIO),
    # cowboy: red shirt, brown vest, moustache, a white neckerchief and hat band that still
    # show at night, where his dark clothes would make him a bandit's shape
    4: Aspecto(camisa=CAMISA_ROJA, chaleco=CHALECO, pantalon=PANTALON, sombrero=SOMBRERO_PARDO,
               banda=PANUELO_BLANCO, panuelo=PANUELO_BLANCO, bigote=PELO_CASTANO,
               botas=BOTA_CLARA),
    # old-timer: yellow shirt, white beard, battered brown hat
    5: Aspecto(camisa=CAMISA_AMARILLA, pantalon=PANTALON_PARDO, sombrero=(168, 120, 72),
               banda=(110, 70, 40), barba=CANAS, pelo=CANAS, piel=PIEL_CLARA,
               cinturon=(110, 70, 40)),
    # townsman: light coat, bowler hat, moustache
    6: Aspecto(camisa=CAMISA_BLANCA, chaleco=CHAQUETA_CLARA, chaqueta=True,
               pantalon=PANTALON_CLARO, sombrero=SOMBRERO_PARDO, estilo="bombin",
               bigote=(40, 30, 26), pelo=(40, 30, 26), piel=PIEL_OSCURA),
    # portly merchant with a top hat and a sack of money
    7: Aspecto(camisa=CAMISA_BLANCA, chaleco=(150, 170, 120), chaqueta=True,
               pantalon=(150, 130, 110), sombrero=(188, 168, 140), estilo="copa",
               banda=(110, 90, 70), bigote=PELO_CASTANO, ancho=2, cara="sonrisa",
               piel=PIEL_CLARA),
    # farmer in a green shirt with a fan of notes and a white neckerchief (seen at night)
    8: Aspecto(camisa=CAMISA_VERDE, pantalon=(104, 128, 176), sombrero=SOMBRERO_CLARO,
               panuelo=PANUELO_BLANCO, pelo=PELO_RUBIO, cara="sonrisa", botas=BOTA_CLARA),
    # the girl: pink dress, bonnet, apron, notes in her hand
    9: Aspecto(camisa=VESTIDO_CLARO, falda=VESTIDO, sombrero=VESTIDO_CLARO, banda=LAZO,
               estilo="gorro", pelo_largo=True, pelo=PELO_RUBIO, piel=PIEL_CLARA,
               cara="sonrisa", delantal=DELANTAL),
}

# what each customer holds
LLEVA = {7: "bolsa", 8: "billetes", 9: "billetes"}


def amenaza(tipo, empuja):
    """Customer 8 or 9 with bandit 1 behind (38/39), or shoved aside by him (48/49)."""
    cliente, bandido = ASPECTOS[tipo], ASPECTOS[1]
    lz = Lienzo(48, 88)
    if not empuja:
        # the bandit rises behind the customer's shoulder and puts his gun to their head
        lz.pega(de_pie(bandido, cara="malo"), dx=13, dy=-1)
        lz.pega(de_pie(cliente, LLEVA[tipo], cara="susto", dx=-4))
        lz.estampa(brazo(bandido, [(40, 27), (34, 22), (31, 20)], mano=False))
        lz.estampa(revolver(30, 20, True))
        lz.estampa(mano(bandido, 30, 20))
        return lz
    # the bandit steps in and shoves the customer out of the doorway
    lz.pega(de_pie(cliente, LLEVA[tipo], cara="susto").inclinada(6), dx=-15, dy=1)
    lz.pega(empujando(bandido), dx=4)
    return lz


def hojas():
    """Every figure frame of the game, by sheet number."""
    h = {0: pila_de_sombreros()}
    for k in range(1, 10):
        a = ASPECTOS[k]
        lleva = LLEVA.get(k)
        if k in (1, 2):
            h[k] = con_arma(a, dos=(k == 2))
        else:
            h[k] = de_pie(a, lleva)
        if 3 <= k <= 7:
            h[30 + k] = con_arma(a, lleva=lleva if k == 7 else None,
                                 cara="malo" if k != 9 else None)
        vuela = "arma" if k in (1, 2) else lleva
        h[10 + k] = herido(a, vuela=vuela)
        h[20 + k] = tumbado(a)
    h[38], h[48] = amenaza(8, False), amenaza(8, True)
    h[39], h[49] = amenaza(9, False), amenaza(9, True)
    return h
