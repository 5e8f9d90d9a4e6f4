#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>

#include "model/beam_quality_figures.h"
#include "scripted_run.h"

namespace tubeline::python {

// What tubeline.compute returns. Made with the GIL held; its arrays and mappings are read-only.
struct PythonResult {
    std::string Model;             // "tucker" or "birch"
    pybind11::object Conditions;   // compute's arguments as used, a read-only mapping
    pybind11::object EnergiesKeV;  // (300,) 0.5 .. 150 keV
    pybind11::object AnglesDeg;    // (11,) -10 .. 10 degrees
    pybind11::object Photons;      // (11, 300) photons per bin, the model's own units
    pybind11::object Spectra;      // (11, 300) relative photon fluence
    pybind11::object EnergyFluence;
    pybind11::object AirKerma;
    pybind11::object PerAngle;  // eleven read-only mappings, -10 degrees first
    std::string HvlText;
    std::string FluenceText;
    std::string TableText;
};

PythonResult ResultOf(const ScriptedRun& run);

// The figures of one beam by their scripted names, read-only; None for a figure that was not
// found, and for every figure of a beam that gave none.
pybind11::object FiguresMapping(const std::optional<BeamQualityFigures>& figures);

// Defines tubeline.Result, tubeline.HvlMatch and tubeline.Material.
void DefineResult(pybind11::module_& module);

// A tubeline.HvlMatch of a reached target.
pybind11::object HvlMatchOf(const ScriptedMatch& match);

}  // namespace tubeline::python
