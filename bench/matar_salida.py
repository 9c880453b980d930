#!/usr/bin/python3
"""Crash safety of the player's files: kills a program with SIGKILL at random moments of the
moment it writes them, many times over, and checks after every kill that each file is whole
(the old contents or the new, never torn) and that the next run is not blocked by anything the
killed one left behind.

    bench/matar_salida.py --juego build/ci/game/shell/Polvareda [--setup build/ci/setup/SetUp]
                          [--veces 1000] [--semilla N]

Each case names a program run, the files it writes and their contents before and after, and
the moment ("hito") from which its writes begin; the program reports that moment on standard
error as "Polvareda: <hito> <ms>" when POLVAREDA_TIEMPOS is set. The game's score table is the
first case; with --setup, SetUp's Polvareda.INI and SetUp.INF writes are the second.
"""
import argparse
import os
import random
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path


def complemento(datos: bytes) -> bytes:
    return bytes(255 - b for b in datos)


class CasoMejores:
    """The game's shutdown writes the score table back into Polvareda.DAT."""

    nombre = "Polvareda.DAT"
    hito = "salida"
    restos_bloquean = True

    def __init__(self, juego: Path, carpeta: Path):
        self.juego = juego
        self.carpeta = carpeta
        self.dat = carpeta / "Polvareda.DAT"
        carpeta.mkdir(parents=True, exist_ok=True)
        (carpeta / "Polvareda.INI").write_bytes(b"[Pantalla]\r\nDDraw=1\r\n[Sonido]\r\nSND=0\r\nMUS=0\r\n")
        self.guion = carpeta.parent / "guion.txt"
        self.guion.write_text("advance 100\n")
        # Ten records in a hand-made form: the run writes back all 99, in its own form.
        viejo = b"".join(b"JUGADOR %d\r\n%d\r\n" % (i, 1000 - i) for i in range(1, 11))
        self.viejo = complemento(viejo)
        self.nuevo = None

    def orden(self):
        return [str(self.juego), "--headless", "--carpeta", str(self.carpeta), "--guion", str(self.guion)]

    def preparar(self):
        self.dat.write_bytes(self.viejo)

    def aprender(self):
        """After a clean run: the new contents."""
        self.nuevo = self.dat.read_bytes()
        texto = complemento(self.nuevo)
        if self.nuevo == self.viejo or texto.count(b"\r\n") != 198:
            raise SystemExit("the clean run did not write the new table")

    def comprobar(self):
        """None when every file is whole, else what is wrong; and whether the kill landed in
        the middle of the write (a sibling left behind)."""
        if not self.dat.exists():
            return "Polvareda.DAT is gone", False
        datos = self.dat.read_bytes()
        if datos not in (self.viejo, self.nuevo):
            forma = "decoded text" if datos in (complemento(self.viejo), complemento(self.nuevo)) else "torn"
            return f"Polvareda.DAT is {forma} ({len(datos)} bytes)", False
        resto = list(self.carpeta.glob("Polvareda.DAT?*"))
        return None, bool(resto)

    def estado(self):
        datos = self.dat.read_bytes()
        return "viejo" if datos == self.viejo else "nuevo"


class CasoSetUp:
    """SetUp preparing a fresh game folder (--predeterminada) writes Polvareda.INI and marks
    the folder as installed in SetUp.INF, each replaced atomically."""

    nombre = "Polvareda.INI and SetUp.INF"
    hito = "escritura"
    # A kill in the middle of a write leaves the writer's hidden sibling, named afresh each
    # time, so it never stands in the way of the next write; it is counted, not failed.
    restos_bloquean = False

    def __init__(self, setup: Path, carpeta: Path):
        self.setup = setup
        self.carpeta = carpeta
        self.ini = carpeta / "Polvareda.INI"
        self.inf = carpeta / "SetUp.INF"
        self.inf_viejo = b"[General]\r\nIdioma= 1\r\n"
        self.ini_nuevo = None
        self.inf_nuevo = None

    def orden(self):
        # A copy of the program beside the folder it prepares: SetUp works on its own folder.
        return [str(self.carpeta / self.setup.name), "--predeterminada"]

    def preparar(self):
        if not self.carpeta.exists():
            self.carpeta.mkdir(parents=True)
            shutil.copy2(self.setup, self.carpeta / self.setup.name)
        for resto in self.carpeta.iterdir():
            if resto.name != self.setup.name:
                resto.unlink()
        self.inf.write_bytes(self.inf_viejo)

    def aprender(self):
        self.ini_nuevo = self.ini.read_bytes()
        self.inf_nuevo = self.inf.read_bytes()
        if b"[Pantalla]" not in self.ini_nuevo or self.inf_nuevo == self.inf_viejo:
            raise SystemExit("the clean run of SetUp did not write its files")

    def comprobar(self):
        if self.ini.exists() and self.ini.read_bytes() != self.ini_nuevo:
            return f"Polvareda.INI is torn ({self.ini.stat().st_size} bytes)", False
        if not self.inf.exists():
            return "SetUp.INF is gone", False
        if self.inf.read_bytes() not in (self.inf_viejo, self.inf_nuevo):
            return f"SetUp.INF is torn ({self.inf.stat().st_size} bytes)", False
        conocidos = {self.ini.name, self.inf.name, self.setup.name}
        resto = [p for p in self.carpeta.iterdir() if p.name not in conocidos]
        return None, bool(resto)

    def estado(self):
        nuevo = self.ini.exists() and self.inf.read_bytes() == self.inf_nuevo
        return "nuevo" if nuevo else "viejo"


def correr(orden, entorno, hito, demora=None):
    """Runs the program; with `demora`, kills it that many seconds after it reports `hito`.
    Returns (exit status, seconds from the moment to the end)."""
    proceso = subprocess.Popen(orden, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=entorno)
    momento = None
    for linea in proceso.stderr:
        if linea.startswith(b"Polvareda: " + hito.encode() + b" "):
            momento = time.perf_counter()
            if demora is not None:
                objetivo = momento + demora
                while time.perf_counter() < objetivo:
                    pass
                proceso.send_signal(signal.SIGKILL)
            break
    proceso.stderr.read()
    estado = proceso.wait()
    fin = time.perf_counter()
    return estado, (fin - momento) if momento else None


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("--juego", required=True, type=Path, help="the game executable")
    argumentos.add_argument("--setup", type=Path, default=None,
                            help="SetUp's executable, for the cases of its own files")
    argumentos.add_argument("--veces", type=int, default=1000, help="kills per case")
    argumentos.add_argument("--semilla", type=int, default=None)
    opciones = argumentos.parse_args()
    azar = random.Random(opciones.semilla)

    raiz = Path(tempfile.mkdtemp(prefix="polvareda-matar-"))
    try:
        temporal = raiz / "tmp"
        temporal.mkdir()
        entorno = dict(os.environ, POLVAREDA_TIEMPOS="1", TMPDIR=str(temporal))
        fallos = 0
        casos = [CasoMejores(opciones.juego.resolve(), raiz / "juego")]
        if opciones.setup:
            casos.append(CasoSetUp(opciones.setup.resolve(), raiz / "setup"))
        for caso in casos:
            # Calibration: how long the writes take after the moment, from clean runs.
            duraciones = []
            for _ in range(5):
                caso.preparar()
                estado, duracion = correr(caso.orden(), entorno, caso.hito)
                if estado != 0 or duracion is None:
                    raise SystemExit(f"{caso.nombre}: the clean run ended with {estado}")
                duraciones.append(duracion)
            caso.aprender()
            ventana = statistics.median(duraciones) * 1.2
            cuentas = {"viejo": 0, "nuevo": 0, "a medias": 0}
            for vez in range(opciones.veces):
                caso.preparar()
                correr(caso.orden(), entorno, caso.hito, azar.uniform(0, ventana))
                problema, a_medias = caso.comprobar()
                if problema is None:
                    cuentas[caso.estado()] += 1
                    if a_medias:
                        cuentas["a medias"] += 1
                    # The next run must go through and write the new contents.
                    estado, _ = correr(caso.orden(), entorno, caso.hito)
                    problema, queda = caso.comprobar()
                    if queda and caso.restos_bloquean:
                        problema = "a half-made sibling is still there after the next run"
                    if estado != 0:
                        problema = f"the run after the kill ended with {estado}"
                    elif problema is None and caso.estado() != "nuevo":
                        problema = "the run after the kill did not write the new contents"
                if problema:
                    fallos += 1
                    print(f"{caso.nombre}: kill {vez + 1}: {problema}")
                for resto in temporal.iterdir():
                    shutil.rmtree(resto, ignore_errors=True)
            print(f"{caso.nombre}: {opciones.veces} kills within {ventana * 1000:.1f} ms of "
                  f"'{caso.hito}', {opciones.veces - fallos} survived: {cuentas['viejo']} left the "
                  f"old contents, {cuentas['nuevo']} the new, {cuentas['a medias']} left a "
                  f"half-made sibling" + (" that the next run cleared" if caso.restos_bloquean else
                                            " (a hidden temporary file that blocks nothing)"))
        return 1 if fallos else 0
    finally:
        shutil.rmtree(raiz, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
