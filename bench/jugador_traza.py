#!/usr/bin/python3
"""A player for the real window, driven by the game's play trace: it shoots bandits and drawn
guns, walks on past paid doors, shoots the duel's gunmen once they draw, starts a new game
from the menu after the first `--espera` seconds and gets through the name entry.

The keys go to the game window with xdotool, as a player's would. It stops after `--segundos`.
Usage: jugador_traza.py TRACE WINDOW_ID [--segundos N] [--espera N]
"""

import argparse
import json
import os
import subprocess
import time

FUEGO = ("z", "x", "c")  # Disparo1..3 of the benchmark's Polvareda.INI: 90, 88, 67
DERECHA = "p"            # Derecha=80


def blanco(tipo):
    # bandits, the hat pile and its hats, and customers who drew a gun
    return tipo == -8 or -6 <= tipo <= 2 or 33 <= tipo <= 37


def main():
    a = argparse.ArgumentParser()
    a.add_argument("traza")
    a.add_argument("ventana")
    a.add_argument("--segundos", type=float, default=300)
    a.add_argument("--espera", type=float, default=55)
    args = a.parse_args()

    def tecla(nombre):
        subprocess.run(["xdotool", "key", "--window", args.ventana, nombre], check=False)

    inicio = time.monotonic()
    leido = 0
    estado = {}
    ultimo = {}
    while time.monotonic() - inicio < args.segundos:
        time.sleep(0.03)
        try:
            with open(args.traza, "rb") as f:
                f.seek(leido)
                trozo = f.read()
        except FileNotFoundError:
            continue
        fin = trozo.rfind(b"\n")
        if fin >= 0:
            leido += fin + 1
            for linea in trozo[: fin + 1].splitlines():
                try:
                    estado = json.loads(linea)
                except ValueError:
                    pass
        modo = estado.get("mode", "")
        ahora = time.monotonic() - inicio

        def una_vez(que, cada=0.5):
            # the same answer is not given again before the game had time to take it
            if ahora - ultimo.get(que, -10) < cada:
                return False
            ultimo[que] = ahora
            return True

        if modo == "menu" and ahora > args.espera and una_vez("jugar", 2):
            tecla("0")
        elif modo == "nombre" and una_vez("nombre", 1):
            tecla("Return")
        elif modo in ("mejores", "sheriff") and una_vez(modo, 1):
            tecla("a")
        elif modo == "juego":
            huecos = estado.get("slots", [])
            ciclo = estado.get("cycle", 12)
            for i, v in enumerate(huecos[:3]):
                if blanco(v["type"]) and v["mark"] < v["step"] < ciclo - 1 and una_vez(f"f{i}", 0.3):
                    tecla(FUEGO[i])
            pagado = estado.get("paid", [])
            cerradas = all(v["step"] <= 0 for v in huecos)
            if cerradas and huecos and any(pagado[v["door"]] for v in huecos) and una_vez("andar", 1):
                tecla(DERECHA)
        elif modo == "duelo":
            for k, v in enumerate(estado.get("slots", [])[:3]):
                if v["type"] == 34 + k and una_vez(f"d{k}", 0.3):
                    tecla(FUEGO[k])


if __name__ == "__main__":
    main()
