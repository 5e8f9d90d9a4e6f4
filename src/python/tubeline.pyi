"""X-ray tube spectra of a tungsten target, as tubeline-calc computes them.

Conditions are numbers in the units of the main window: kV, degrees, mm.
"""

import os
from typing import Iterable, Literal, TypedDict, Unpack

import numpy as np
import numpy.typing as npt

_Path = str | os.PathLike[str]
_Number = float | int

class _Conditions(TypedDict, total=False):
    """compute's arguments, as compute_many and match_hvl take them."""

    model: Literal["tucker", "birch"]
    kv: _Number
    angle: _Number | None
    inherent: _Number
    al: _Number
    cu: _Number
    rectification: Literal[1, 2, 3]
    filters: Iterable[tuple[_Path, _Number]]
    data_dir: _Path | None

class InputRejected(ValueError):
    """An input the main window's calculate command refuses; the message is the window's."""

class DataFileError(OSError):
    """The attenuation table or a material file was read, but its contents were refused.
    filename names the file."""

class Result:
    """The spectra and figures of one calculation."""

    @property
    def energies_kev(self) -> npt.NDArray[np.float64]:
        """Photon energies of the 300 bins in keV: 0.5, 1.0, ... 150.0 (shape (300,))."""
    @property
    def angles_deg(self) -> npt.NDArray[np.float64]:
        """Emission angles in degrees: -10, -8, ... 10, negative towards the cathode (shape (11,))."""
    @property
    def spectra(self) -> npt.NDArray[np.float64]:
        """Relative photon fluence per 0.5-keV bin, shape (11, 300), -10 degrees first: photons
        of the bin divided by the largest bin of all angles, unrounded (the table file prints
        them to five decimals)."""
    @property
    def beam_centre(self) -> dict[str, float | None]:
        """Beam-quality figures of the 0-degree beam: hvl1_mm_al, hvl2_mm_al,
        homogeneity_coefficient, hvl1_mm_cu, mean_energy_kev, kerma_weighted_mean_energy_kev,
        effective_energy_kev, fluence_per_exposure (photons per mm2 per 1 C/kg); None for a
        figure that was not found."""
    @property
    def per_angle(self) -> list[dict[str, float | None]]:
        """The figures of the eleven angles, -10 degrees first."""
    @property
    def hvl_text(self) -> str:
        """The first half-value layer as the window shows it, mm Al ("3.27")."""
    @property
    def fluence_text(self) -> str:
        """Photons per mm2 per 1 C/kg as the window shows it ("6.780E+11")."""
    def table_text(self) -> str:
        """The spectrum table file's text, byte for byte (CR LF line ends)."""

def compute(
    model: Literal["tucker", "birch"] = "tucker",
    kv: _Number = 100.0,
    angle: _Number | None = None,
    inherent: _Number = 2.5,
    al: _Number = 0.0,
    cu: _Number = 0.0,
    rectification: Literal[1, 2, 3] = 1,
    filters: Iterable[tuple[_Path, _Number]] = (),
    data_dir: _Path | None = None,
) -> Result:
    """Computes the spectra of the eleven emission angles and their beam-quality figures.

    kv: tube voltage in kV, set into 30..150; angle: target angle in degrees, 12 to below 90,
    None for the model's default (12 Tucker, 16 Birch); inherent: mm Al equivalent; al, cu:
    added filters in mm; rectification: 1 constant potential, 2 three-phase 12-pulse,
    3 single-phase full-wave; filters: up to three (material_file_path, thickness_mm);
    data_dir: folder of Att_Coeff2020.dat, None for the working folder (or, when it has none,
    the data installed with the module).

    Raises InputRejected with the window's message, OSError naming an unusable file.
    """

def compute_many(conditions: Iterable[_Conditions]) -> list[Result]:
    """compute(**c) for every c, spread over the cores; the Results in order."""

def match_hvl(
    target_mm_al: _Number,
    match_with: Literal["al", "cu"] | _Path = "al",
    **conditions: Unpack[_Conditions],
) -> float:
    """The thickness in mm of added aluminium ("al", up to 100 mm), copper ("cu", up to 10 mm)
    or of a material file's filter (up to 100 mm) that gives the beam centre a first
    half-value layer of target_mm_al mm Al. Raises InputRejected when no thickness does."""
