#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>
#include <optional>
#include <span>

#include "model/beam_quality_figures.h"
#include "scripted_run.h"

namespace tubeline::python {

// The Python records of runs (tubeline/_records.py), made with the GIL held.

// What a result keeps: all of it (a Result), or its conditions and figures (a BeamFigures).
enum class ResultKind { Whole, FiguresOnly };

// Makes the records of runs; keeps the classes and the text of the data folder last met, so that
// a sweep looks them up once and its results share that text.
class ResultMaker {
  public:
    ResultMaker();
    pybind11::object Make(const ScriptedRun& run, ResultKind kind);

  private:
    pybind11::object result_;
    pybind11::object beamFigures_;
    pybind11::object figureType_;
    std::filesystem::path dataFolder_;
    pybind11::object dataFolderText_;
};

// A tubeline.HvlMatch of a reached target.
pybind11::object HvlMatchOf(const ScriptedMatch& match);

// The figures of beams as an array of FigureType(), a row per beam; NaN for a figure that was
// not found, and for every figure of a beam that gave none.
pybind11::object FigureRows(std::span<const std::optional<BeamQualityFigures>> figures);
pybind11::object FigureRows(std::span<const std::optional<BeamQualityFigures>> figures,
                            const pybind11::object& figureType);

// The NumPy structured type of a row of figures (one float64 field per figure, by its scripted
// name), the photon energies (300,) and the emission angles (11,) of every Result.
pybind11::object FigureType();
pybind11::object EnergiesKeV();
pybind11::object AnglesDeg();

}  // namespace tubeline::python
