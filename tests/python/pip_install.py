"""pip install --no-build-isolation --no-index SOURCE into a scratch virtual environment that sees
the system's packages (NumPy, setuptools, pip), then import the installed module from an empty
folder and compute with the data installed beside it.

Usage: pip_install.py SOURCE_TREE SCRATCH_FOLDER
"""

import shutil
import subprocess
import sys
from pathlib import Path


def main(source, scratch):
    shutil.rmtree(scratch, ignore_errors=True)
    empty = scratch / "empty"
    empty.mkdir(parents=True)
    # Without a pip of its own (ensurepip, python3-venv): Debian's pip is among the system's.
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", "--without-pip",
                    scratch / "venv"], check=True)
    python = scratch / "venv" / "bin" / "python"
    subprocess.run([python, "-m", "pip", "install", "--no-build-isolation", "--no-index",
                    "--no-cache-dir", "--disable-pip-version-check", source], check=True)
    script = ("import tubeline\n"
              "assert tubeline.__file__.startswith(%r), tubeline.__file__\n"
              "r = tubeline.compute()\n"
              "print(f'installed tubeline {tubeline.__version__} computes HVL1 {r.hvl_text} mm Al')\n"
              % str(scratch / "venv"))
    subprocess.run([python, "-c", script], cwd=empty, check=True,
                   env={"PATH": "/usr/bin:/bin", "LC_ALL": "C"})


if __name__ == "__main__":
    main(Path(sys.argv[1]), Path(sys.argv[2]))
