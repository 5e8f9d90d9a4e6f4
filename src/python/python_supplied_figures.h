#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>

namespace tubeline::python {

// The beam-quality figures of spectra a script supplies (tubeline.figures): photons at ascending
// energies within 0.5 .. 150 keV, one spectrum or a two-dimensional array of them, a row each,
// on the same energies. Returns the rows of figures (python_result.h's FigureRows): of shape ()
// for one spectrum, (n,) for n rows. Raises TypeError for numbers that are not real and
// ValueError, naming the place at fault, for a spectrum the figures refuse.
pybind11::object SuppliedSpectrumFigures(const pybind11::object& energiesKeV,
                                         const pybind11::object& fluence,
                                         const std::filesystem::path& dataFolder);

}  // namespace tubeline::python
