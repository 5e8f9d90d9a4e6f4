#include "python_result.h"

#include <pybind11/numpy.h>

#include <limits>
#include <span>
#include <string>
#include <utility>

#include "export/beam_quality_fields.h"
#include "model/condition_names.h"
#include "model/energy_grid.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

// A record of the package's Python half (tubeline/_records.py).
py::object RecordClass(const char* name) {
    return py::module_::import("tubeline._records").attr(name);
}

py::object GridOf(int count, double (*value)(int index)) {
    py::array_t<double> grid(count);
    auto cells = grid.mutable_unchecked<1>();
    for (int i = 0; i < count; ++i) {
        cells(i) = value(i + 1);
    }
    return grid;
}

// The eleven rows of an array over angles and energies, each value made by `value`.
template <class Value>
py::object AngleEnergyArrayOf(const Value& value) {
    py::array_t<double> array({kAngleCount, kEnergyBinCount});
    auto cells = array.mutable_unchecked<2>();
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            cells(a - 1, j - 1) = value(a, j);
        }
    }
    return array;
}

py::dict ConditionsDict(const ScriptedRequest& conditions, const py::object& dataFolderText) {
    py::list filters;
    for (const FilterRequest& filter : conditions.Beam.Filters) {
        filters.append(py::make_tuple(filter.MaterialFile.string(), ThicknessMmOf(filter)));
    }
    py::dict dict;
    dict["model"] = std::string(SpectrumModelName(conditions.Beam.Model));
    for (const ConditionField field : kConditionFields) {
        dict[py::str(std::string(ConditionFieldName(field)))] =
            ValueOf(ValuesOf(conditions), field);
    }
    dict["rectification"] = RectificationNumber(conditions.Beam.Rectification);
    dict["filters"] = py::tuple(filters);
    dict["data_dir"] = dataFolderText;
    // Always numbers here: ReadConditions gives them so.
    const OutputValues& output = std::get<OutputValues>(conditions.Beam.Output);
    dict["distance_mm"] = output.DistanceMm;
    dict["output_factor"] = output.OutputFactor;
    return dict;
}

py::object NativeFigureType() {
    return py::module_::import("tubeline._native").attr("FIGURE_DTYPE");
}

}  // namespace

py::object FigureRows(std::span<const std::optional<BeamQualityFigures>> figures,
                      const py::object& figureType) {
    py::array rows(py::reinterpret_borrow<py::dtype>(figureType),
                   std::vector<py::ssize_t>{static_cast<py::ssize_t>(figures.size())});
    auto* cell = static_cast<double*>(rows.mutable_data());
    for (const std::optional<BeamQualityFigures>& beam : figures) {
        for (const BeamQualityField& field : kBeamQualityFields) {
            const std::optional<double> value = beam ? field.Value(*beam) : std::nullopt;
            *cell++ = value.value_or(std::numeric_limits<double>::quiet_NaN());
        }
    }
    return rows;
}

py::object FigureRows(std::span<const std::optional<BeamQualityFigures>> figures) {
    return FigureRows(figures, NativeFigureType());
}

ResultMaker::ResultMaker()
    : result_(RecordClass("Result")),
      beamFigures_(RecordClass("BeamFigures")),
      figureType_(NativeFigureType()) {}

py::object ResultMaker::Make(const ScriptedRun& run, ResultKind kind) {
    if (!dataFolderText_ || run.Conditions.DataFolder != dataFolder_) {
        dataFolder_ = run.Conditions.DataFolder;
        dataFolderText_ = py::str(dataFolder_.string());
    }
    const py::dict conditions = ConditionsDict(run.Conditions, dataFolderText_);
    const std::string model(SpectrumModelName(run.Conditions.Beam.Model));
    // The angles from 1, as the model numbers them.
    const py::object figures =
        FigureRows(std::span(run.Figures).subspan(1, kAngleCount), figureType_);
    if (kind == ResultKind::FiguresOnly) {
        return beamFigures_(model, conditions, figures, run.Texts.HalfValueLayer,
                            run.Texts.FluencePerExposure);
    }
    const SpectrumTable& spectra = *run.Spectra;
    return result_(
        model, conditions, figures, run.Texts.HalfValueLayer, run.Texts.FluencePerExposure,
        AngleEnergyArrayOf([&](int a, int j) { return spectra.PhotonSpectrum[a][j]; }),
        // The expression of the table file, so that the bits are those it rounds.
        AngleEnergyArrayOf(
            [&](int a, int j) { return spectra.PhotonSpectrum[a][j] / spectra.SpectrumPeak; }),
        AngleEnergyArrayOf([&](int a, int j) { return spectra.EnergyFluenceSpectrum[a][j]; }),
        AngleEnergyArrayOf([&](int a, int j) { return spectra.KermaSpectrum[a][j]; }),
        run.TableText);
}

py::object HvlMatchOf(const ScriptedMatch& match) {
    const py::object result = ResultMaker().Make(match.Run, ResultKind::Whole);
    const py::object layer = result.attr("beam_centre")["hvl1_mm_al"];
    return RecordClass("HvlMatch")(match.ThicknessMm, layer, result);
}

py::object FigureType() {
    py::list fields;
    for (const BeamQualityField& field : kBeamQualityFields) {
        fields.append(py::make_tuple(py::str(field.Key.data(), field.Key.size()), "<f8"));
    }
    return py::module_::import("numpy").attr("dtype")(fields);
}

py::object EnergiesKeV() {
    return GridOf(kEnergyBinCount, &PhotonEnergyKeV);
}

py::object AnglesDeg() {
    return GridOf(kAngleCount, &EmissionAngleDegrees);
}

}  // namespace tubeline::python
