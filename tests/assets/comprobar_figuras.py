"""Runs the artists' check of the figure pictures when it exists; skipped (status 77) before."""

import subprocess
import sys
from pathlib import Path

imagenes = Path(sys.argv[1])
script = imagenes / "gen" / "figuras_comprobar.py"
if not script.is_file():
    print(f"skipped: {script} does not exist yet")
    sys.exit(77)
sys.exit(subprocess.call([sys.executable, str(script), str(imagenes)]))
