"""The Python module tubeline for pip: `pip install --no-build-isolation .` from the source tree.

Setuptools drives CMake: it configures a build of the module alone (no windows, no tests) for
the interpreter running pip, builds it with two jobs, and puts the package folder (the Python
half, the extension, the stubs and py.typed) and the shipped data (the attenuation table, the
physics model's tables and lines, and the materials, in tubeline/data) into the wheel. The CMake
build stays in build/python-package/, so a second install only relinks.
"""

import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

SOURCE = pathlib.Path(__file__).resolve().parent
BUILD_BASE = "build/python-package"
# Setuptools wants its egg folder to exist before it starts.
(SOURCE / BUILD_BASE).mkdir(parents=True, exist_ok=True)
VERSION = re.search(r"project\(Tubeline VERSION ([0-9.]+)",
                    (SOURCE / "CMakeLists.txt").read_text()).group(1)


class CMakeBuild(build_ext):
    """Builds the extension with CMake instead of compiling it from a list of sources."""

    def build_extension(self, extension):
        cmake_build = SOURCE / BUILD_BASE / "cmake"
        subprocess.run(["cmake", "-S", str(SOURCE), "-B", str(cmake_build), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DTUBELINE_BUILD_GUI=OFF",
                        "-DTUBELINE_BUILD_TESTS=OFF", "-DTUBELINE_BUILD_PYTHON=ON",
                        # The module speaks English from the C++ catalogue; no Qt.
                        "-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON",
                        f"-DPython_EXECUTABLE={sys.executable}"], check=True)
        subprocess.run(["cmake", "--build", str(cmake_build), "--parallel", "2", "--target",
                        "tubeline_python"], check=True)
        built = cmake_build / "python" / "tubeline"
        package = pathlib.Path(self.get_ext_fullpath(extension.name)).parent
        package.mkdir(parents=True, exist_ok=True)
        for file in built.iterdir():
            if file.is_file():
                shutil.copy2(file, package / file.name)
        data = package / "data"
        data.mkdir(exist_ok=True)
        for pattern in ("Att_Coeff2020.dat", "TungstenTarget.bin", "TungstenLines.txt", "*.ele",
                        "*.mix"):
            for file in (SOURCE / "data").glob(pattern):
                shutil.copy2(file, data / file.name)


setup(
    name="tubeline",
    version=VERSION,
    description="X-ray tube spectra of a tungsten target (Tucker, Birch), with their "
                "half-value layers and beam-quality figures",
    python_requires=">=3.11",
    install_requires=["numpy"],
    extras_require={"dataframe": ["pandas"]},
    ext_modules=[Extension("tubeline._native", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": BUILD_BASE}, "egg_info": {"egg_base": BUILD_BASE}},
    zip_safe=False,
)
