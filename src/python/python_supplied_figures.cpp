#include "python_supplied_figures.h"

#include <pybind11/numpy.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "kept_data_files.h"
#include "model/supplied_spectrum_figures.h"
#include "python_errors.h"
#include "python_result.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

using RealArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

// An array of real numbers (a list, a NumPy array ...) as float64, of one of the dimensions.
RealArray RealArrayOf(const py::object& values, const char* name, int mostDimensions) {
    const py::module_ numpy = py::module_::import("numpy");
    const py::object array = numpy.attr("asarray")(values);
    const std::string kind = array.attr("dtype").attr("kind").cast<std::string>();
    if (kind != "i" && kind != "u" && kind != "f") {
        throw py::type_error(std::string(name) + " must be real numbers, not an array of " +
                             py::str(array.attr("dtype")).cast<std::string>());
    }
    const int dimensions = array.attr("ndim").cast<int>();
    if (dimensions < 1 || dimensions > mostDimensions) {
        throw py::value_error(std::string(name) + (mostDimensions == 1
                                                       ? " must be one-dimensional"
                                                       : " must be one- or two-dimensional"));
    }
    return RealArray::ensure(array);
}

struct RowRefusal {
    std::size_t Row;
    SuppliedSpectrumRefusal Refusal;
};

std::string RefusalText(const RowRefusal& refused, bool rows) {
    using Kind = SuppliedSpectrumRefusal::Kind;
    const SuppliedSpectrumRefusal& refusal = refused.Refusal;
    const std::string index = std::to_string(refusal.Index);
    const std::string fluenceAt =
        rows ? "fluence[" + std::to_string(refused.Row) + ", " + index + "]"
             : "fluence[" + index + "]";
    switch (refusal.Reason) {
        case Kind::LengthsDiffer:
            return rows ? "each row of fluence must be as long as energies_kev"
                        : "energies_kev and fluence must be as long as each other";
        case Kind::NoLines:
            return "the spectrum has no energies";
        case Kind::EnergyOutsideTable:
            return "energies_kev[" + index + "] is not within 0.5 .. 150 keV";
        case Kind::EnergiesNotAscending:
            return "energies_kev[" + index + "] is not above the energy before it";
        case Kind::PhotonsNotCountable:
            return fluenceAt + " is negative or not finite";
    }
    return {};
}

}  // namespace

py::object SuppliedSpectrumFigures(const py::object& energiesKeV, const py::object& fluence,
                                   const std::filesystem::path& dataFolder) {
    const RealArray energies = RealArrayOf(energiesKeV, "energies_kev", 1);
    const RealArray photons = RealArrayOf(fluence, "fluence", 2);
    const bool rows = photons.ndim() == 2;
    const std::size_t rowCount = rows ? photons.shape(0) : 1;
    const std::size_t rowLength = photons.shape(rows ? 1 : 0);

    auto table = ProcessDataFiles()->Attenuation(dataFolder);
    if (const auto* problem = std::get_if<ScriptedFileProblem>(&table)) {
        Raise(ExceptionOf(*problem));
    }
    const AttenuationTable& attenuation = *std::get<KeptDataFiles::Table>(table);
    std::vector<std::optional<BeamQualityFigures>> figures(rowCount);
    std::optional<RowRefusal> refused;
    {
        py::gil_scoped_release release;
        SuppliedSpectrum spectrum{{energies.data(), energies.data() + energies.size()}, {}};
        for (std::size_t row = 0; row < rowCount && !refused; ++row) {
            const double* first = photons.data() + row * rowLength;
            spectrum.Photons.assign(first, first + rowLength);
            const auto outcome = ComputeSuppliedSpectrumFigures(spectrum, attenuation);
            if (const auto* refusal = std::get_if<SuppliedSpectrumRefusal>(&outcome)) {
                refused = RowRefusal{row, *refusal};
            } else {
                figures[row] = std::get<std::optional<BeamQualityFigures>>(outcome);
            }
        }
    }
    if (refused) {
        throw py::value_error(RefusalText(*refused, rows));
    }
    const py::object figureRows = FigureRows(figures);
    return rows ? figureRows : figureRows.attr("reshape")(py::tuple());
}

}  // namespace tubeline::python
