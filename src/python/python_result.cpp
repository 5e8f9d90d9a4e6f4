#include "python_result.h"

#include <pybind11/numpy.h>

#include <algorithm>
#include <vector>

#include "export/beam_quality_fields.h"
#include "model/energy_grid.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

py::object ReadOnly(py::array_t<double> array) {
    array.attr("setflags")(py::arg("write") = false);
    return array;
}

py::object GridOf(int count, double (*value)(int index)) {
    py::array_t<double> grid(count);
    auto cells = grid.mutable_unchecked<1>();
    for (int i = 0; i < count; ++i) {
        cells(i) = value(i + 1);
    }
    return ReadOnly(std::move(grid));
}

// The figures of one beam by their scripted names; None for a figure that was not found, and
// for every figure of a beam that gave none.
py::dict FiguresOf(const std::optional<BeamQualityFigures>& figures) {
    py::dict fields;
    for (const BeamQualityField& field : kBeamQualityFields) {
        const std::optional<double> value = figures ? field.Value(*figures) : std::nullopt;
        fields[py::str(field.Key.data(), field.Key.size())] =
            value ? py::object(py::float_(*value)) : py::object(py::none());
    }
    return fields;
}

}  // namespace

PythonResult::PythonResult(ScriptedRun run)
    : EnergiesKeV(GridOf(kEnergyBinCount, &PhotonEnergyKeV)),
      AnglesDeg(GridOf(kAngleCount, &EmissionAngleDegrees)),
      BeamCentre(FiguresOf(run.Figures[kCentralAngleIndex])),
      HvlText(std::move(run.Texts.HalfValueLayer)),
      FluenceText(std::move(run.Texts.FluencePerExposure)),
      TableText(std::move(run.TableText)) {
    py::array_t<double> spectra({kAngleCount, kEnergyBinCount});
    std::copy(run.RelativeSpectra.begin(), run.RelativeSpectra.end(), spectra.mutable_data());
    Spectra = ReadOnly(std::move(spectra));
    for (int a = 1; a <= kAngleCount; ++a) {
        PerAngle.append(FiguresOf(run.Figures[a]));
    }
}

void DefineResult(py::module_& module) {
    py::class_<PythonResult>(module, "Result", R"(The spectra and figures of one calculation.

Attributes:
    energies_kev: photon energies of the 300 bins, 0.5 to 150 keV in 0.5-keV steps.
    angles_deg: the eleven emission angles, -10 to +10 degrees, negative towards the cathode.
    spectra: 11 x 300 relative photon fluence (photons per 0.5-keV bin divided by the largest
        bin of all angles), unrounded: what the table file prints to five decimals.
    beam_centre: beam-quality figures of the 0-degree beam (units in the keys: mm Al, mm Cu,
        keV, photons per mm2 per 1 C/kg); None for a figure that was not found.
    per_angle: the same dictionaries for the eleven angles, -10 degrees first.
    hvl_text: the first half-value layer as the window shows it, mm Al ("3.27").
    fluence_text: photons per mm2 per 1 C/kg as the window shows it ("6.780E+11").)")
        .def_readonly("energies_kev", &PythonResult::EnergiesKeV)
        .def_readonly("angles_deg", &PythonResult::AnglesDeg)
        .def_readonly("spectra", &PythonResult::Spectra)
        .def_readonly("beam_centre", &PythonResult::BeamCentre)
        .def_readonly("per_angle", &PythonResult::PerAngle)
        .def_readonly("hvl_text", &PythonResult::HvlText)
        .def_readonly("fluence_text", &PythonResult::FluenceText)
        .def(
            "table_text", [](const PythonResult& result) { return result.TableText; },
            "The spectrum table file's text, byte for byte (CR LF line ends).")
        .def("__repr__", [](const PythonResult& result) {
            return "<tubeline.Result: HVL " + result.HvlText + " mm Al, fluence " +
                   result.FluenceText + " photons/mm2 per C/kg>";
        });
}

}  // namespace tubeline::python
