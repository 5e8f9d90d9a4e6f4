#include "python_result.h"

#include <pybind11/eval.h>
#include <pybind11/numpy.h>

#include <utility>

#include "export/beam_quality_fields.h"
#include "model/energy_grid.h"

namespace py = pybind11;

namespace tubeline::python {
namespace {

constexpr const char* kResultDoc = R"(The spectra and figures of one calculation.

Attributes:
    model: "tucker" or "birch".
    conditions: the arguments of compute the result was computed with, as used: the tube voltage
        as corrected into 30..150 kV, the model's target angle when None was given, each filter's
        material as the file read, the data folder; compute(**r.conditions) computes it again.
    energies_kev: photon energies of the 300 bins, 0.5 to 150 keV in 0.5-keV steps.
    angles_deg: the eleven emission angles, -10 to +10 degrees, negative towards the cathode.
    photons: 11 x 300 photons per 0.5-keV bin in the model's own units, the spectra the
        figures are computed from: figures(r.energies_kev, r.photons[5]) == r.beam_centre.
    spectra: 11 x 300 relative photon fluence (photons divided by the largest bin of all
        angles), unrounded: what the table file prints to five decimals.
    energy_fluence: 11 x 300 relative energy fluence (E times the photons, divided by its largest
        bin of all angles), as the window's "エネルギーフルエンス" axis draws it.
    air_kerma: 11 x 300 relative air kerma (E times air's mu_en/rho times the photons, divided by
        its largest bin of all angles), as the window's "空気カーマ" axis draws it.
    beam_centre: beam-quality figures of the 0-degree beam (units in the keys: mm Al, mm Cu,
        keV, photons per mm2 per 1 C/kg); None for a figure that was not found. Read-only.
    per_angle: the same mappings for the eleven angles, -10 degrees first.
    hvl_text: the first half-value layer as the window shows it, mm Al ("3.26").
    fluence_text: photons per mm2 per 1 C/kg as the window shows it ("6.842E+11").

Results can be pickled.)";

constexpr const char* kRecords = R"(
import typing as _typing


class HvlMatch(_typing.NamedTuple):
    """What match_hvl found: the thickness of the varied filter (mm), the first half-value layer
    of the beam centre with it (mm Al) and the Result of that beam."""

    thickness_mm: float
    hvl1_mm_al: float
    result: "Result"


class Material(_typing.NamedTuple):
    """A material file a filter may name: its material's name in the current language, the
    file, and the density in g/cm3."""

    name: str
    file: str
    density_g_cm3: float
)";

py::object ReadOnly(py::array_t<double> array) {
    array.attr("setflags")(py::arg("write") = false);
    return array;
}

// A types.MappingProxyType of the dictionary.
py::object ReadOnlyMapping(const py::dict& contents) {
    PyObject* proxy = PyDictProxy_New(contents.ptr());
    if (proxy == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(proxy);
}

py::object GridOf(int count, double (*value)(int index)) {
    py::array_t<double> grid(count);
    auto cells = grid.mutable_unchecked<1>();
    for (int i = 0; i < count; ++i) {
        cells(i) = value(i + 1);
    }
    return ReadOnly(std::move(grid));
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
    return ReadOnly(std::move(array));
}

py::dict ConditionsDict(const ScriptedConditions& conditions) {
    py::list filters;
    for (const ScriptedFilter& filter : conditions.Filters) {
        filters.append(py::make_tuple(filter.MaterialFile.string(), filter.ThicknessMm));
    }
    py::dict dict;
    dict["model"] = std::string(SpectrumModelName(conditions.Model));
    for (const ConditionField field : kConditionFields) {
        dict[py::str(std::string(ConditionFieldName(field)))] = ValueOf(conditions.Values, field);
    }
    dict["rectification"] = RectificationNumber(conditions.Rectification);
    dict["filters"] = py::tuple(filters);
    dict["data_dir"] = conditions.DataFolder.string();
    return dict;
}

// The result's state, for pickle: every field that is not the same for all results, as plain
// Python values.
py::tuple StateOf(const PythonResult& result) {
    py::list perAngle;
    for (const py::handle figures : result.PerAngle) {
        perAngle.append(py::dict(figures.attr("items")()));
    }
    return py::make_tuple(result.Model, py::dict(result.Conditions.attr("items")()), result.Photons,
                          result.Spectra, result.EnergyFluence, result.AirKerma, perAngle,
                          result.HvlText, result.FluenceText, result.TableText);
}

PythonResult WithGrids(PythonResult result) {
    result.EnergiesKeV = GridOf(kEnergyBinCount, &PhotonEnergyKeV);
    result.AnglesDeg = GridOf(kAngleCount, &EmissionAngleDegrees);
    return result;
}

PythonResult ResultOfState(const py::tuple& state) {
    const auto copy = [](const py::handle& array) {
        return ReadOnly(
            py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(array));
    };
    py::list perAngle;
    for (const py::handle figures : state[6]) {
        perAngle.append(ReadOnlyMapping(py::reinterpret_borrow<py::dict>(figures)));
    }
    return WithGrids({state[0].cast<std::string>(),
                      ReadOnlyMapping(state[1].cast<py::dict>()),
                      {},
                      {},
                      copy(state[2]),
                      copy(state[3]),
                      copy(state[4]),
                      copy(state[5]),
                      py::tuple(perAngle),
                      state[7].cast<std::string>(),
                      state[8].cast<std::string>(),
                      state[9].cast<std::string>()});
}

}  // namespace

py::object FiguresMapping(const std::optional<BeamQualityFigures>& figures) {
    py::dict fields;
    for (const BeamQualityField& field : kBeamQualityFields) {
        const std::optional<double> value = figures ? field.Value(*figures) : std::nullopt;
        fields[py::str(field.Key.data(), field.Key.size())] =
            value ? py::object(py::float_(*value)) : py::object(py::none());
    }
    return ReadOnlyMapping(fields);
}

PythonResult ResultOf(const ScriptedRun& run) {
    const SpectrumTable& spectra = *run.Spectra;
    py::list perAngle;
    for (int a = 1; a <= kAngleCount; ++a) {
        perAngle.append(FiguresMapping(run.Figures[a]));
    }
    return WithGrids({
        std::string(SpectrumModelName(run.Conditions.Model)),
        ReadOnlyMapping(ConditionsDict(run.Conditions)),
        {},
        {},
        AngleEnergyArrayOf([&](int a, int j) { return spectra.PhotonSpectrum[a][j]; }),
        // The expression of the table file, so that the bits are those it rounds.
        AngleEnergyArrayOf(
            [&](int a, int j) { return spectra.PhotonSpectrum[a][j] / spectra.SpectrumPeak; }),
        AngleEnergyArrayOf([&](int a, int j) { return spectra.EnergyFluenceSpectrum[a][j]; }),
        AngleEnergyArrayOf([&](int a, int j) { return spectra.KermaSpectrum[a][j]; }),
        py::tuple(perAngle),
        run.Texts.HalfValueLayer,
        run.Texts.FluencePerExposure,
        run.TableText,
    });
}

py::object HvlMatchOf(const ScriptedMatch& match) {
    PythonResult result = ResultOf(match.Run);
    const py::object layer = result.PerAngle[py::int_(kCentralAngleIndex - 1)]["hvl1_mm_al"];
    return py::module_::import("tubeline")
        .attr("HvlMatch")(match.ThicknessMm, layer, std::move(result));
}

void DefineResult(py::module_& module) {
    py::class_<PythonResult>(module, "Result", kResultDoc)
        .def_readonly("model", &PythonResult::Model)
        .def_readonly("conditions", &PythonResult::Conditions)
        .def_readonly("energies_kev", &PythonResult::EnergiesKeV)
        .def_readonly("angles_deg", &PythonResult::AnglesDeg)
        .def_readonly("photons", &PythonResult::Photons)
        .def_readonly("spectra", &PythonResult::Spectra)
        .def_readonly("energy_fluence", &PythonResult::EnergyFluence)
        .def_readonly("air_kerma", &PythonResult::AirKerma)
        .def_property_readonly("beam_centre",
                               [](const PythonResult& result) {
                                   return result.PerAngle[py::int_(kCentralAngleIndex - 1)];
                               })
        .def_readonly("per_angle", &PythonResult::PerAngle)
        .def_readonly("hvl_text", &PythonResult::HvlText)
        .def_readonly("fluence_text", &PythonResult::FluenceText)
        .def(
            "table_text", [](const PythonResult& result) { return result.TableText; },
            "The spectrum table file's text, byte for byte (CR LF line ends).")
        .def(
            "to_dataframe",
            [](const PythonResult& result) {
                const py::module_ numpy = py::module_::import("numpy");
                py::module_ pandas;
                try {
                    pandas = py::module_::import("pandas");
                } catch (const py::error_already_set& error) {
                    if (!error.matches(PyExc_ImportError)) {
                        throw;
                    }
                    throw py::import_error("to_dataframe needs pandas (Debian: python3-pandas)");
                }
                py::dict columns;
                columns["angle_deg"] = numpy.attr("repeat")(result.AnglesDeg, kEnergyBinCount);
                columns["energy_kev"] = numpy.attr("tile")(result.EnergiesKeV, kAngleCount);
                columns["photon_fluence"] = result.Spectra.attr("ravel")();
                columns["energy_fluence"] = result.EnergyFluence.attr("ravel")();
                columns["air_kerma"] = result.AirKerma.attr("ravel")();
                return pandas.attr("DataFrame")(columns);
            },
            R"(The spectra as a pandas DataFrame, one row per angle and energy (11 x 300 rows):
angle_deg, energy_kev, photon_fluence, energy_fluence, air_kerma. Needs pandas.)")
        .def(py::pickle([](const PythonResult& result) { return StateOf(result); },
                        [](const py::tuple& state) { return ResultOfState(state); }))
        .def("__repr__", [](const PythonResult& result) {
            return "<tubeline.Result " + result.Model + " " +
                   py::repr(result.Conditions["kv"]).cast<std::string>() + " kV: HVL " +
                   result.HvlText + " mm Al, fluence " + result.FluenceText +
                   " photons/mm2 per C/kg>";
        });
    py::exec(kRecords, module.attr("__dict__"));
}

}  // namespace tubeline::python
