"""X-ray tube spectra of a tungsten target, as tubeline-calc computes them.

Conditions are numbers in the units of the main window: kV, degrees, mm. Messages follow the
locale as tubeline-calc's do; set_language("ja" | "en") chooses.
"""

import os
from collections.abc import Iterable, Iterator, Mapping, Sequence
from typing import Any, Literal, NamedTuple, TypedDict, Unpack

import numpy as np
import numpy.typing as npt

__version__: str

_Path = str | os.PathLike[str]
_Number = float | int | np.integer[Any] | np.floating[Any]
_Array = npt.NDArray[np.float64]
_Figures = Mapping[str, float | None]

class _Conditions(TypedDict, total=False):
    """compute's arguments, as compute_many, imap and match_hvl take them."""

    model: Literal["tucker", "birch", "physics"]
    kv: _Number
    angle: _Number | None
    inherent: _Number
    al: _Number
    cu: _Number
    rectification: Literal[1, 2, 3] | _Number
    filters: Iterable[tuple[_Path, _Number]]
    data_dir: _Path | None

class InputRejected(ValueError):
    """An input the main window's calculate command refuses; the message is the window's."""

class DataFileError(OSError):
    """The attenuation table or a material file was read, but its contents were refused.
    filename names the file."""

class TubelineWarning(UserWarning):
    """A tube voltage corrected into 30..150 kV; a material file materials() could not read."""

class Result:
    """The spectra and figures of one calculation. Picklable; arrays and mappings read-only."""

    @property
    def model(self) -> Literal["tucker", "birch", "physics"]: ...
    @property
    def conditions(self) -> Mapping[str, Any]:
        """compute's arguments as used: kv as corrected, the model's angle for None, each
        filter's material as the file read, the data folder. compute(**r.conditions) computes
        the same result."""
    @property
    def energies_kev(self) -> _Array:
        """Photon energies of the 300 bins in keV: 0.5, 1.0, ... 150.0 (shape (300,))."""
    @property
    def angles_deg(self) -> _Array:
        """Emission angles in degrees: -10, -8, ... 10, negative towards the cathode (shape (11,))."""
    @property
    def photons(self) -> _Array:
        """Photons per 0.5-keV bin in the model's own units, shape (11, 300), -10 degrees first:
        the spectra the figures are computed from."""
    @property
    def spectra(self) -> _Array:
        """Relative photon fluence per 0.5-keV bin, shape (11, 300): photons divided by the
        largest bin of all angles, unrounded (the table file prints them to five decimals)."""
    @property
    def energy_fluence(self) -> _Array:
        """Relative energy fluence (E times photons), largest bin of all angles 1, (11, 300)."""
    @property
    def air_kerma(self) -> _Array:
        """Relative air kerma (E times air's mu_en/rho times photons), largest bin 1, (11, 300)."""
    @property
    def beam_centre(self) -> _Figures:
        """Beam-quality figures of the 0-degree beam: hvl1_mm_al, hvl2_mm_al,
        homogeneity_coefficient, hvl1_mm_cu, mean_energy_kev, kerma_weighted_mean_energy_kev,
        effective_energy_kev, fluence_per_exposure (photons per mm2 per 1 C/kg),
        water_to_air_kerma_ratio, soft_tissue_to_air_kerma_ratio, and for the physics model
        its absolute output: air_kerma_ugy_per_mas_at_1m, fluence_per_mm2_per_mas_at_1m (photons
        per mm2 per mAs), air_kerma_ugy_per_mas_at_distance (at 1000 mm, output factor 1); None
        for a figure that was not found, and for the absolute output of Tucker's and Birch's
        models."""
    @property
    def per_angle(self) -> tuple[_Figures, ...]:
        """The figures of the eleven angles, -10 degrees first."""
    @property
    def hvl_text(self) -> str:
        """The first half-value layer as the window shows it, mm Al ("3.26")."""
    @property
    def fluence_text(self) -> str:
        """Photons per mm2 per 1 C/kg as the window shows it ("6.842E+11")."""
    def table_text(self) -> str:
        """The spectrum table file's text, byte for byte (CR LF line ends)."""
    def to_dataframe(self) -> Any:
        """A pandas DataFrame, one row per angle and energy: angle_deg, energy_kev,
        photon_fluence, energy_fluence, air_kerma. Needs pandas."""

class HvlMatch(NamedTuple):
    """What match_hvl found."""

    thickness_mm: float
    hvl1_mm_al: float
    result: Result

class Material(NamedTuple):
    """A material a filter may name."""

    name: str
    file: str
    density_g_cm3: float

def compute(
    model: Literal["tucker", "birch", "physics"] = "tucker",
    kv: _Number = 100.0,
    angle: _Number | None = None,
    inherent: _Number = 2.5,
    al: _Number = 0.0,
    cu: _Number = 0.0,
    rectification: Literal[1, 2, 3] | _Number = 1,
    filters: Iterable[tuple[_Path, _Number]] = (),
    data_dir: _Path | None = None,
) -> Result:
    """Computes the spectra of the eleven emission angles and their beam-quality figures.

    kv: tube voltage in kV, set into 30..150 with a TubelineWarning; angle: target angle in
    degrees, 12 to below 90, None for the model's default (12 Tucker, 16 Birch); inherent: mm Al
    equivalent; al, cu: added filters in mm; rectification: 1 constant potential, 2 three-phase
    12-pulse, 3 single-phase full-wave; filters: up to three (material, thickness_mm), the
    material a file name or stem of materials() or a path; data_dir: folder of
    Att_Coeff2020.dat, None for $TUBELINE_DATA, else the working folder when it holds the
    table, else the data installed with the module.

    Raises InputRejected with the window's message, OSError naming an unusable file.
    """

def imap(conditions: Iterable[_Conditions]) -> Iterator[Result]:
    """compute(**c) for every c, one Result at a time in order, computed 64 at a time over the
    cores."""

def compute_many(conditions: Iterable[_Conditions]) -> list[Result]:
    """list(imap(conditions))."""

def match_hvl(
    target_mm_al: _Number,
    match_with: Literal["al", "cu"] | _Path = "al",
    **conditions: Unpack[_Conditions],
) -> HvlMatch:
    """The thickness in mm of added aluminium ("al", up to 100 mm), copper ("cu", up to 10 mm)
    or of a material's filter (up to 100 mm) that gives the beam centre a first half-value
    layer of target_mm_al mm Al, the layer reached and the beam. Raises InputRejected when no
    thickness does."""

def figures(
    energies_kev: Sequence[_Number] | _Array,
    fluence: Sequence[_Number] | _Array,
    data_dir: _Path | None = None,
) -> _Figures:
    """The beam-quality figures of a spectrum of one's own: photons at ascending energies
    within 0.5..150 keV. figures(r.energies_kev, r.photons[5]) == r.beam_centre."""

def materials(data_dir: _Path | None = None) -> list[Material]:
    """Your own and the shipped material files, by file name, names in the current language."""

def set_language(language: Literal["ja", "en"]) -> None:
    """Makes the module's messages speak Japanese or English from now on."""

def language() -> Literal["ja", "en"]:
    """The language the module's messages speak."""
