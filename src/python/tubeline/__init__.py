"""X-ray tube spectra of a tungsten target, as tubeline-calc computes them.

compute(...) runs one calculation; imap(conditions) and compute_many(conditions) many over all
cores; match_hvl(target_mm_al, ...) finds the filter thickness that gives a first half-value
layer; figures(energies_kev, fluence) gives the beam-quality figures of any spectrum;
materials() lists the materials a filter may name. Conditions are numbers in the units of the
main window: kV, degrees, mm. Messages are Japanese under a Japanese locale and English under
any other (C and POSIX among them); set_language("ja" | "en") chooses.
"""

import os
import re
from collections.abc import Iterable, Iterator, Mapping, Sequence
from typing import Any, Literal

# NumPy is imported with the module, never first inside a calculation, where a Ctrl-C arriving
# during its import would surface as an ImportError.
import numpy as np

from . import _native
from ._arguments import with_known_keywords
from ._errors import DataFileError, InputRejected, TubelineWarning
from ._records import BeamFigures, Figures, HvlMatch, Material, Result, figure_mappings

__all__ = ["BeamFigures", "DataFileError", "HvlMatch", "InputRejected", "Material", "Result",
           "TubelineWarning", "compute", "compute_many", "figures", "imap", "language",
           "match_hvl", "materials", "set_language"]
__version__: str = _native.VERSION

Model = Literal["tucker", "birch", "physics"]
Number = float | int | np.integer | np.floating
PathLike = str | os.PathLike
Filters = Iterable[tuple[PathLike, Number]]
Rectification = Literal[1, 2, 3] | Number
Spectrum = Sequence[Number] | np.ndarray

# compute's defaults, the window's: Tucker's model at 100 kV, the model's target angle (None),
# 2.5 mm Al inherent filtration, no added filters, constant potential, the data folder the
# module finds itself; the absolute output at 1000 mm with output factor 1.
_DEFAULT: dict[str, Any] = _native.default_conditions()


@with_known_keywords
def compute(model: Model = _DEFAULT["model"], kv: Number = _DEFAULT["kv"],
            angle: Number | None = _DEFAULT["angle"], inherent: Number = _DEFAULT["inherent"],
            al: Number = _DEFAULT["al"], cu: Number = _DEFAULT["cu"],
            rectification: Rectification = _DEFAULT["rectification"],
            filters: Filters = _DEFAULT["filters"],
            data_dir: PathLike | None = _DEFAULT["data_dir"], *,
            distance_mm: Number = _DEFAULT["distance_mm"],
            output_factor: Number = _DEFAULT["output_factor"]) -> Result:
    """Computes the spectra of the eleven emission angles and their beam-quality figures.

    Args:
        model: "tucker" (Tucker, Barnes and Chakraborty), "birch" (Birch and Marshall) or
            "physics" (from physics, with absolute spectra: per mm2 per mAs at 1 m).
        kv: tube voltage in kV; outside 30..150 it is set to the nearer limit with a
            TubelineWarning.
        angle: target angle in degrees, at least 12 and below 90; None for the model's default
            (12 for Tucker and physics, 16 for Birch).
        inherent: inherent filtration in mm Al equivalent.
        al, cu: added aluminium and copper filters in mm.
        rectification: 1 constant potential, 2 three-phase 12-pulse, 3 single-phase full-wave.
        filters: up to three (material, thickness_mm) pairs in slot order; the material is a
            file name or stem of materials() ("Pb", "Air.mix"; in any case where only one file
            matches) or a material file's path.
        data_dir: the folder holding Att_Coeff2020.dat; None for $TUBELINE_DATA, else the
            working folder when it holds the table, else the data installed with the module.
        distance_mm: the distance from the focus, along the central ray, of the physics
            model's air_kerma_ugy_per_mas_at_distance; above zero.
        output_factor: the tube's air kerma over the model's, which that figure is multiplied
            by (published outputs of real tubes lie 20 to 35 % apart); above zero. Both are
            checked for every model; Tucker's and Birch's spectra are relative, with no use
            for them.

    Numbers may be int, float or NumPy scalars; a bool or a text is a TypeError. The attenuation
    table and the material files are read once and kept while they stay unchanged on disk.

    Returns a Result.

    Raises InputRejected (a ValueError) with the main window's message, .field and .reason for
    what its calculate command refuses (a target angle below 12 or from 90 degrees, a value
    that is not finite, a negative filtration, a fourth filter, filtration that leaves no
    spectrum, a distance or output factor not above zero); FileNotFoundError naming the folders searched and the closest names for a
    material found nowhere; OSError with the file's name when the attenuation table or a
    material file cannot be used. The GIL is released while computing.
    """
    return _native.compute(model, kv, angle, inherent, al, cu, rectification, filters, data_dir,
                           distance_mm, output_factor)


@with_known_keywords
def imap(conditions: Iterable[Mapping[str, Any]], *,
         figures_only: bool = False) -> Iterator[Result | BeamFigures]:
    """compute(**c) for every mapping c of the iterable, one Result at a time, in order.

    The conditions are read and computed 64 at a time over the cores, and the next 64 are
    computed while the caller works on the results of the last: the iterable is read at most
    two batches ahead of the results, so a sweep of any length holds little. With
    figures_only=True each item is a BeamFigures: the conditions and figures without the
    spectra.

    A tube voltage corrected gives a TubelineWarning led by the condition's place ("condition
    7 of imap: ..."), one for each. A condition that is refused raises the exception compute
    would raise when its turn comes, with a note giving its place, and ends the iteration; a
    wrong argument (an unknown key, a text for a number) raises TypeError or ValueError naming
    its place. Ctrl-C raises KeyboardInterrupt within a few tens of milliseconds (plus the
    condition in hand on each core), leaving nothing running.
    """
    return _native.ResultStream(conditions, "imap", figures_only)


@with_known_keywords
def compute_many(conditions: Iterable[Mapping[str, Any]], *,
                 figures_only: bool = False) -> list[Result | BeamFigures]:
    """The list of compute(**c) for every mapping c of the iterable, spread over the cores.

    As imap computes them: warnings and refusals name the condition's place ("condition 7 of
    compute_many"). figures_only=True keeps BeamFigures, without the four 11 x 300 spectra and
    the table text: some 2.5 kB a condition where a Result holds some 150 kB, for sweeps of a
    hundred thousand conditions. Ctrl-C raises KeyboardInterrupt within a few tens
    of milliseconds, leaving nothing running.
    """
    return list(_native.ResultStream(conditions, "compute_many", figures_only))


@with_known_keywords
def match_hvl(target_mm_al: Number, match_with: Literal["al", "cu"] | PathLike = "al", *,
              model: Model = _DEFAULT["model"], kv: Number = _DEFAULT["kv"],
              angle: Number | None = _DEFAULT["angle"], inherent: Number = _DEFAULT["inherent"],
              al: Number = _DEFAULT["al"], cu: Number = _DEFAULT["cu"],
              rectification: Rectification = _DEFAULT["rectification"],
              filters: Filters = _DEFAULT["filters"],
              data_dir: PathLike | None = _DEFAULT["data_dir"],
              distance_mm: Number = _DEFAULT["distance_mm"],
              output_factor: Number = _DEFAULT["output_factor"]) -> HvlMatch:
    """Finds the thickness of a filter that gives the beam centre a first half-value layer of
    target_mm_al mm Al.

    match_with is "al" or "cu" (the thickness replaces the conditions' own added aluminium or
    copper, searched up to 100 or 10 mm) or a material as filters name it (a filter put into
    the first free slot after the conditions' filters, up to 100 mm). The other arguments are
    those of compute. Returns an HvlMatch: thickness_mm, hvl1_mm_al reached and the Result of
    the beam with that filter. A target that no thickness reaches, or that the beam exceeds
    without the filter, raises InputRejected with the window's message (field "target").
    """
    return _native.match_hvl(target_mm_al, match_with, model, kv, angle, inherent, al, cu,
                             rectification, filters, data_dir, distance_mm, output_factor)


@with_known_keywords
def figures(energies_kev: Spectrum, fluence: Spectrum | Sequence[Spectrum],
            data_dir: PathLike | None = None) -> Figures | list[Figures]:
    """The beam-quality figures of a photon spectrum of one's own, as Result.beam_centre gives
    them; of each row of a two-dimensional fluence, a list of them.

    energies_kev: ascending energies within 0.5 .. 150 keV (any spacing; one energy for a
        monoenergetic beam).
    fluence: the photons at each energy: each energy is a line carrying them, as each 0.5-keV
        bin of a model run is. Their unit does not matter; a spectrum given per keV on unequal
        steps must be multiplied by the steps first. Two-dimensional, one spectrum per row on
        the same energies.
    data_dir: the attenuation table's folder, as for compute.

    The coefficients of Att_Coeff2020.dat, tabulated every 0.5 keV, are taken at a tabulated
    energy as they are and between two by log-log interpolation. On a Result's own grid, with
    its photons, the figures are its own exactly: figures(r.energies_kev, r.photons[5]) ==
    r.beam_centre and figures(r.energies_kev, r.photons) == list(r.per_angle). Returns a
    read-only mapping; None for a figure not found. Raises ValueError for energies out of order
    or range and for a negative or non-finite fluence.
    """
    rows = _native.figures(energies_kev, fluence, data_dir)
    return figure_mappings(rows.reshape(1))[0] if rows.ndim == 0 else figure_mappings(rows)


@with_known_keywords
def materials(data_dir: PathLike | None = None) -> list[Material]:
    """The materials a filter may name: Material(name, file, density_g_cm3) for every *.ele and
    *.mix file of your own (in $XDG_DATA_HOME/tubeline, or ~/.local/share/tubeline) and of the
    data folder, sorted by file name; a file name in both is yours.

    name is the material's name in the current language. The folders are those the window's
    filter dialog offers; data_dir as for compute (your own files are not listed when the data
    folder is the working folder, as the window keeps to that folder then). A file that cannot
    be read is left out with a TubelineWarning giving the window's message.
    """
    return _native.materials(data_dir)


def set_language(language: Literal["ja", "en"]) -> None:
    """Makes the module's messages speak "ja" (Japanese) or "en" (English) from now on.

    At import they follow the locale for messages (LC_ALL, LC_MESSAGES, LANG, the first one
    set): Japanese for a Japanese locale, English for any other and for none. Call it while no
    other thread is calculating.
    """
    _native.set_language(language)


def language() -> Literal["ja", "en"]:
    """The language the module's messages speak: "ja" or "en"."""
    return _native.language()


def _language_of_environment() -> Literal["ja", "en"]:
    for variable in ("LC_ALL", "LC_MESSAGES", "LANG"):
        if locale_name := os.environ.get(variable):
            return "ja" if re.split("[_.@]", locale_name)[0] == "ja" else "en"
    return "en"


set_language(_language_of_environment())
