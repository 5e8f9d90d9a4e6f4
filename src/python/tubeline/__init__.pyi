"""X-ray tube spectra of a tungsten target, as tubeline-calc computes them.

The editor's view of tubeline/__init__.py, with the defaults written out (a test holds them to
the module's). Conditions are numbers in the units of the main window: kV, degrees, mm.
"""

import os
from collections.abc import Iterable, Iterator, Mapping, Sequence
from typing import Any, Literal, NamedTuple, TypedDict, Unpack, overload

import numpy as np
import numpy.typing as npt

__version__: str

Model = Literal["tucker", "birch", "physics"]
Number = float | int | np.integer[Any] | np.floating[Any]
PathLike = str | os.PathLike[str]
Filters = Iterable[tuple[PathLike, Number]]
Rectification = Literal[1, 2, 3] | Number
Spectrum = Sequence[Number] | npt.NDArray[Any]
Figures = Mapping[str, float | None]
_Array = npt.NDArray[np.float64]

class _Conditions(TypedDict, total=False):
    """compute's arguments, as compute_many, imap and match_hvl take them."""

    model: Model
    kv: Number
    angle: Number | None
    inherent: Number
    al: Number
    cu: Number
    rectification: Rectification
    filters: Filters
    data_dir: PathLike | None
    distance_mm: Number
    output_factor: Number

class InputRejected(ValueError):
    """An input the main window's calculate command refuses; str() is the window's message,
    field the argument to blame ("kv", "filters[1]", "target" ...; None for the whole beam) and
    reason why, in words that stay the same in every language ("negative", "below_minimum" ...).
    """

    field: str | None
    reason: str | None
    def __init__(self, message: str, field: str | None = None,
                 reason: str | None = None) -> None: ...

class DataFileError(OSError):
    """The attenuation table or a material file was read, but its contents were refused.
    filename names the file."""

class TubelineWarning(UserWarning):
    """A tube voltage corrected into 30..150 kV; a material file materials() could not read."""

class BeamFigures:
    """The conditions and beam-quality figures of one calculation, without its spectra.
    Compares by value (==), unhashable, pickles at every protocol."""

    @property
    def model(self) -> Model:
        """"tucker", "birch" or "physics"."""
    @property
    def conditions(self) -> Mapping[str, Any]:
        """compute's arguments as used: kv as corrected, the model's angle for None, each
        filter's material as the file read, the data folder. compute(**r.conditions) computes
        the same beam again."""
    @property
    def angle_figures(self) -> npt.NDArray[np.void]:
        """The figures of the eleven angles as a structured array of shape (11,), a field per
        figure; NaN for a figure not found."""
    @property
    def beam_centre(self) -> Figures:
        """Beam-quality figures of the 0-degree beam: hvl1_mm_al, hvl2_mm_al,
        homogeneity_coefficient, hvl1_mm_cu, mean_energy_kev, kerma_weighted_mean_energy_kev,
        effective_energy_kev, fluence_per_exposure (photons per mm2 per 1 C/kg),
        water_to_air_kerma_ratio, soft_tissue_to_air_kerma_ratio, and the physics model's
        absolute output: air_kerma_ugy_per_mas_at_1m, fluence_per_mm2_per_mas_at_1m (photons),
        air_kerma_ugy_per_mas_at_distance (at distance_mm, times output_factor); None for a
        figure that was not found and for the absolute output of Tucker's and Birch's models."""
    @property
    def per_angle(self) -> tuple[Figures, ...]:
        """The figures of the eleven angles, -10 degrees first."""
    @property
    def hvl_text(self) -> str:
        """The first half-value layer as the window shows it, mm Al ("3.26")."""
    @property
    def fluence_text(self) -> str:
        """Photons per mm2 per 1 C/kg as the window shows it ("6.842E+11")."""

class Result(BeamFigures):
    """The spectra and figures of one calculation. Arrays and mappings read-only; compares by
    value (==), unhashable, pickles at every protocol."""

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
    def table_text(self) -> str:
        """The spectrum table file's text, byte for byte (CR LF line ends)."""
    def to_dataframe(self) -> Any:
        """A pandas DataFrame, one row per angle and energy: angle_deg, energy_kev,
        photon_fluence, energy_fluence, air_kerma. Needs pandas."""
    def to_xarray(self) -> Any:
        """An xarray Dataset over angle_deg and energy_kev: the spectra, the figures over
        angle_deg, the conditions as attributes. Needs xarray."""

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
    model: Model = "tucker",
    kv: Number = 100.0,
    angle: Number | None = None,
    inherent: Number = 2.5,
    al: Number = 0.0,
    cu: Number = 0.0,
    rectification: Rectification = 1,
    filters: Filters = (),
    data_dir: PathLike | None = None,
    *,
    distance_mm: Number = 1000.0,
    output_factor: Number = 1.0,
) -> Result:
    """Computes the spectra of the eleven emission angles and their beam-quality figures.

    kv: tube voltage in kV, set into 30..150 with a TubelineWarning; angle: target angle in
    degrees, 12 to below 90, None for the model's default (12 Tucker and physics, 16 Birch); inherent: mm Al
    equivalent; al, cu: added filters in mm; rectification: 1 constant potential, 2 three-phase
    12-pulse, 3 single-phase full-wave; filters: up to three (material, thickness_mm), the
    material a file name or stem of materials() or a path; data_dir: folder of
    Att_Coeff2020.dat, None for $TUBELINE_DATA, else the working folder when it holds the
    table, else the data installed with the module.
    distance_mm, output_factor: where the physics model's air kerma per mAs is wanted (mm from
    the focus) and the tube's output over the model's; both above zero.

    Raises InputRejected with the window's message, .field and .reason; FileNotFoundError for a
    material found nowhere; OSError naming an unusable file.
    """

@overload
def imap(conditions: Iterable[_Conditions], *,
         figures_only: Literal[False] = False) -> Iterator[Result]: ...
@overload
def imap(conditions: Iterable[_Conditions], *,
         figures_only: Literal[True]) -> Iterator[BeamFigures]: ...
@overload
def compute_many(conditions: Iterable[_Conditions], *,
                 figures_only: Literal[False] = False) -> list[Result]: ...
@overload
def compute_many(conditions: Iterable[_Conditions], *,
                 figures_only: Literal[True]) -> list[BeamFigures]: ...
def match_hvl(
    target_mm_al: Number,
    match_with: Literal["al", "cu"] | PathLike = "al",
    *,
    model: Model = "tucker",
    kv: Number = 100.0,
    angle: Number | None = None,
    inherent: Number = 2.5,
    al: Number = 0.0,
    cu: Number = 0.0,
    rectification: Rectification = 1,
    filters: Filters = (),
    data_dir: PathLike | None = None,
    distance_mm: Number = 1000.0,
    output_factor: Number = 1.0,
) -> HvlMatch:
    """The thickness in mm of added aluminium ("al", up to 100 mm), copper ("cu", up to 10 mm)
    or of a material's filter (up to 100 mm) that gives the beam centre a first half-value
    layer of target_mm_al mm Al, the layer reached and the beam. Raises InputRejected when no
    thickness does."""

@overload
def figures(energies_kev: Spectrum, fluence: Spectrum,
            data_dir: PathLike | None = None) -> Figures: ...
@overload
def figures(energies_kev: Spectrum, fluence: Sequence[Spectrum],
            data_dir: PathLike | None = None) -> list[Figures]: ...
def materials(data_dir: PathLike | None = None) -> list[Material]:
    """Your own and the shipped material files, by file name, names in the current language."""

def set_language(language: Literal["ja", "en"]) -> None:
    """Makes the module's messages speak Japanese or English from now on."""

def language() -> Literal["ja", "en"]:
    """The language the module's messages speak."""
