"""What the calculations return: BeamFigures and Result, HvlMatch and Material."""

from collections.abc import Mapping
from types import MappingProxyType
from typing import Any, Literal, NamedTuple

import numpy as np
import numpy.typing as npt

from . import _native

Figures = Mapping[str, float | None]
Array = npt.NDArray[np.float64]

# The names of the beam-quality figures, in the order every scripted output lists them.
FIGURE_NAMES: tuple[str, ...] = _native.FIGURE_DTYPE.names

# The grids every Result shares: read-only, so one array serves them all.
ENERGIES_KEV: Array = _native.energies_kev()
ANGLES_DEG: Array = _native.angles_deg()
for _grid in (ENERGIES_KEV, ANGLES_DEG):
    _grid.flags.writeable = False


def _frozen(array: np.ndarray) -> np.ndarray:
    array.flags.writeable = False
    return array


def figure_mappings(rows: np.ndarray) -> list[Figures]:
    """The figures of each row of a FIGURE_DTYPE array by name, read-only; None for NaN, a
    figure not found."""
    values = rows.view(np.float64).reshape(len(rows), len(FIGURE_NAMES)).tolist()
    return [MappingProxyType({name: None if value != value else value
                              for name, value in zip(FIGURE_NAMES, row)}) for row in values]


class BeamFigures:
    """The conditions and beam-quality figures of one calculation, without its spectra: what
    compute_many(..., figures_only=True) and imap(..., figures_only=True) give, some 2.5 kB
    where a Result holds some 150 kB.

    Equal (==) to another of the same conditions and figures; unhashable, as a Result is.
    Pickles at every protocol."""

    __slots__ = ("_model", "_conditions", "_angle_figures", "_hvl_text", "_fluence_text")
    __hash__ = None  # type: ignore[assignment]

    def __init__(self, model: str, conditions: Mapping[str, Any], angle_figures: np.ndarray,
                 hvl_text: str, fluence_text: str):
        # Made by the calculations and by pickle; not meant to be called otherwise.
        self._model = model
        self._conditions = MappingProxyType(dict(conditions))
        self._angle_figures = _frozen(angle_figures)
        self._hvl_text = hvl_text
        self._fluence_text = fluence_text

    def _state(self) -> tuple:
        return (self._model, dict(self._conditions), self._angle_figures, self._hvl_text,
                self._fluence_text)

    def __reduce__(self):
        return type(self), self._state()

    def __eq__(self, other: object) -> bool:
        if type(other) is not type(self):
            return NotImplemented
        return all(_same(a, b) for a, b in zip(self._state(), other._state()))

    @property
    def model(self) -> Literal["tucker", "birch", "physics"]:
        """The model: "tucker" (Tucker, Barnes and Chakraborty), "birch" (Birch and Marshall)
        or "physics" (from physics, with absolute spectra)."""
        return self._model  # type: ignore[return-value]

    @property
    def conditions(self) -> Mapping[str, Any]:
        """compute's arguments as used, read-only: kv as corrected into 30..150, the model's
        angle where None was given, each filter's material as the file read, the data folder.
        compute(**r.conditions) computes the same beam again."""
        return self._conditions

    @property
    def angle_figures(self) -> np.ndarray:
        """The figures of the eleven angles (-10 degrees first) as one read-only NumPy
        structured array of shape (11,), a field per figure (r.angle_figures["hvl1_mm_al"]);
        NaN for a figure not found."""
        return self._angle_figures

    @property
    def beam_centre(self) -> Figures:
        """The beam-quality figures of the 0-degree beam by name, read-only: hvl1_mm_al,
        hvl2_mm_al, homogeneity_coefficient, hvl1_mm_cu, mean_energy_kev,
        kerma_weighted_mean_energy_kev, effective_energy_kev, fluence_per_exposure (photons
        per mm2 per 1 C/kg), water_to_air_kerma_ratio, soft_tissue_to_air_kerma_ratio, and for
        the physics model its absolute output: air_kerma_ugy_per_mas_at_1m,
        fluence_per_mm2_per_mas_at_1m (photons per mm2 per mAs) and
        air_kerma_ugy_per_mas_at_distance; None for a figure not found, and for the absolute
        output of Tucker's and Birch's relative spectra."""
        centre = _native.CENTRAL_ANGLE_INDEX
        return figure_mappings(self._angle_figures[centre:centre + 1])[0]

    @property
    def per_angle(self) -> tuple[Figures, ...]:
        """The same mappings as beam_centre for the eleven angles, -10 degrees first."""
        return tuple(figure_mappings(self._angle_figures))

    @property
    def hvl_text(self) -> str:
        """The first half-value layer as the window shows it, in mm Al ("3.26")."""
        return self._hvl_text

    @property
    def fluence_text(self) -> str:
        """Photons per mm2 per 1 C/kg as the window shows it ("6.842E+11")."""
        return self._fluence_text

    def __repr__(self) -> str:
        return (f"<tubeline.{type(self).__name__} {self._model} {self._conditions['kv']!r} kV: "
                f"HVL {self._hvl_text} mm Al, fluence {self._fluence_text} photons/mm2 per C/kg>")


class Result(BeamFigures):
    """The spectra and figures of one calculation: what compute returns.

    Besides the conditions and figures of BeamFigures, the photon energies and emission angles
    and four 11 x 300 spectra (-10 degrees first): photons, spectra (relative photon fluence),
    energy_fluence and air_kerma; and the table file's text. Arrays are read-only and mappings
    types.MappingProxyType. Equal (==) to another Result of the same bits; unhashable. Pickles
    at every protocol."""

    __slots__ = ("_photons", "_spectra", "_energy_fluence", "_air_kerma", "_table_text")

    def __init__(self, model: str, conditions: Mapping[str, Any], angle_figures: np.ndarray,
                 hvl_text: str, fluence_text: str, photons: Array, spectra: Array,
                 energy_fluence: Array, air_kerma: Array, table_text: str):
        super().__init__(model, conditions, angle_figures, hvl_text, fluence_text)
        self._photons = _frozen(photons)
        self._spectra = _frozen(spectra)
        self._energy_fluence = _frozen(energy_fluence)
        self._air_kerma = _frozen(air_kerma)
        self._table_text = table_text

    def _state(self) -> tuple:
        return super()._state() + (self._photons, self._spectra, self._energy_fluence,
                                   self._air_kerma, self._table_text)

    @property
    def energies_kev(self) -> Array:
        """The photon energies of the 300 bins in keV: 0.5, 1.0 ... 150.0, shape (300,)."""
        return ENERGIES_KEV

    @property
    def angles_deg(self) -> Array:
        """The eleven emission angles in degrees: -10, -8 ... 10, negative towards the cathode,
        shape (11,)."""
        return ANGLES_DEG

    @property
    def photons(self) -> Array:
        """Photons per 0.5-keV bin in the model's own units, shape (11, 300): the spectra the
        figures are computed from, so figures(r.energies_kev, r.photons[5]) == r.beam_centre."""
        return self._photons

    @property
    def spectra(self) -> Array:
        """Relative photon fluence per 0.5-keV bin, shape (11, 300): photons divided by the
        largest bin of all angles, unrounded; what the table file prints to five decimals."""
        return self._spectra

    @property
    def energy_fluence(self) -> Array:
        """Relative energy fluence, shape (11, 300): E times the photons, divided by its largest
        bin of all angles, as the window's energy-fluence axis draws it."""
        return self._energy_fluence

    @property
    def air_kerma(self) -> Array:
        """Relative air kerma, shape (11, 300): E times air's mu_en/rho times the photons,
        divided by its largest bin of all angles, as the window's air-kerma axis draws it."""
        return self._air_kerma

    def table_text(self) -> str:
        """The spectrum table file's text, byte for byte (CR LF line ends)."""
        return self._table_text

    def to_dataframe(self) -> Any:
        """The spectra as a pandas DataFrame, one row per angle and energy (11 x 300 rows):
        angle_deg, energy_kev, photon_fluence, energy_fluence, air_kerma. Needs pandas (Debian:
        python3-pandas)."""
        pandas = _optional_module("pandas", "to_dataframe", "python3-pandas")
        return pandas.DataFrame({
            "angle_deg": np.repeat(ANGLES_DEG, len(ENERGIES_KEV)),
            "energy_kev": np.tile(ENERGIES_KEV, len(ANGLES_DEG)),
            "photon_fluence": self._spectra.ravel(),
            "energy_fluence": self._energy_fluence.ravel(),
            "air_kerma": self._air_kerma.ravel(),
        })

    def to_xarray(self) -> Any:
        """The result as an xarray Dataset over angle_deg (11) and energy_kev (300): photons,
        photon_fluence, energy_fluence and air_kerma over both, each beam-quality figure over
        angle_deg (NaN where not found), and the conditions, hvl_text and fluence_text as
        attributes (filters as "file:thickness_mm" texts). Needs xarray (Debian:
        python3-xarray)."""
        xarray = _optional_module("xarray", "to_xarray", "python3-xarray")
        over_both = ("angle_deg", "energy_kev")
        spectra = {"photons": self._photons, "photon_fluence": self._spectra,
                   "energy_fluence": self._energy_fluence, "air_kerma": self._air_kerma}
        variables = {name: (over_both, values) for name, values in spectra.items()}
        variables.update((name, ("angle_deg", self._angle_figures[name]))
                         for name in FIGURE_NAMES)
        attributes = {name: value for name, value in self._conditions.items()
                      if name not in ("filters", "data_dir")}
        attributes["filters"] = [f"{material}:{thickness!r}"
                                 for material, thickness in self._conditions["filters"]]
        attributes.update(data_dir=self._conditions["data_dir"], hvl_text=self._hvl_text,
                          fluence_text=self._fluence_text)
        return xarray.Dataset(variables, coords={"angle_deg": ANGLES_DEG,
                                                 "energy_kev": ENERGIES_KEV},
                              attrs=attributes)


def _same(a: Any, b: Any) -> bool:
    if isinstance(a, np.ndarray):
        if a.dtype.names:  # figures: NaN where none was found
            return (a.dtype == b.dtype and a.shape == b.shape
                    and np.array_equal(a.view(np.float64), b.view(np.float64), equal_nan=True))
        return np.array_equal(a, b)
    return a == b


def _optional_module(name: str, method: str, package: str) -> Any:
    try:
        return __import__(name)
    except ImportError as missing:
        raise ImportError(f"{method} needs {name} (Debian: {package})") from missing


class HvlMatch(NamedTuple):
    """What match_hvl found: the thickness of the varied filter in mm, the first half-value
    layer of the beam centre with it in mm Al, and the Result of that beam."""

    thickness_mm: float
    hvl1_mm_al: float
    result: Result


class Material(NamedTuple):
    """A material file a filter may name: its material's name in the current language, the
    file, and the density in g/cm3."""

    name: str
    file: str
    density_g_cm3: float


for _record in (BeamFigures, Result, HvlMatch, Material):
    _record.__module__ = "tubeline"  # as users and pickles name them
