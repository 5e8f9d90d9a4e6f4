#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "scripted_run.h"

namespace tubeline::python {

// What tubeline.compute returns. Made once with the GIL held; the arrays are read-only.
struct PythonResult {
    explicit PythonResult(ScriptedRun run);

    pybind11::object EnergiesKeV;  // (300,) 0.5 .. 150 keV
    pybind11::object AnglesDeg;    // (11,) -10 .. 10 degrees
    pybind11::object Spectra;      // (11, 300) relative photon fluence
    pybind11::dict BeamCentre;
    pybind11::list PerAngle;  // eleven dictionaries, -10 degrees first
    std::string HvlText;
    std::string FluenceText;
    std::string TableText;
};

// Defines tubeline.Result.
void DefineResult(pybind11::module_& module);

}  // namespace tubeline::python
