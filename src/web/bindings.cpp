// The page's calculator as a JavaScript module (embind): plain objects in, plain objects out.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <memory>
#include <string>

#include "export/palette_colours.h"
#include "model/calculation_state.h"
#include "model/condition_fields.h"
#include "model/condition_names.h"
#include "model/energy_grid.h"
#include "model/output_conditions.h"
#include "model/program_version.h"
#include "page_captions.h"
#include "page_session.h"
#include "texts/about_texts.h"
#include "texts/beam_quality_report.h"
#include "texts/comparison_texts.h"
#include "texts/condition_messages.h"
#include "texts/language.h"
#include "texts/notice_messages.h"
#include "texts/translation.h"

namespace tubeline {
namespace {

using emscripten::val;

// Where the module keeps its files: the shipped data, embedded in it, and the user's materials.
constexpr const char* kDataFolder = "/data";
constexpr const char* kUserFolder = "/user";

PageSession& Session() {
    static PageSession session(kDataFolder, kUserFolder);
    return session;
}

val NumberArray(const std::vector<double>& numbers) {
    return val::global("Float64Array")
        .call<val>("from", val(emscripten::typed_memory_view(numbers.size(), numbers.data())));
}

std::string TextMember(const val& object, const std::string& name) {
    const val member = object[name];
    return member.isUndefined() || member.isNull() ? std::string() : member.as<std::string>();
}

// { model, rectification, kv, angle, inherent, al, cu, distance, "output-factor",
// filters: [{ file, thickness }] }, the conditions as typed; a distance or output factor left
// out takes its default.
BeamRequest RequestOf(const val& fields) {
    BeamRequest request;
    request.Model = SpectrumModelNamed(TextMember(fields, "model")).value_or(kDefaultModel);
    request.Rectification =
        RectificationNumbered(TextMember(fields, "rectification")).value_or(kDefaultRectification);
    ConditionTexts texts;
    for (const ConditionField field : kConditionFields) {
        TextOf(texts, field) = TextMember(fields, std::string(ConditionFieldName(field)));
    }
    request.Conditions = texts;
    OutputTexts output = DefaultOutputTexts();
    for (const OutputField field : kOutputFields) {
        const std::string name(OutputFieldName(field));
        if (!fields[name].isUndefined()) {
            TextOf(output, field) = TextMember(fields, name);
        }
    }
    request.Output = output;
    const val filters = fields["filters"];
    const int count = filters.isUndefined() ? 0 : filters["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        request.Filters.push_back(
            {TextMember(filters[i], "file"), TextMember(filters[i], "thickness")});
    }
    return request;
}

// { place, message }: place a condition field's name, "distance" or "output-factor", "filter"
// (with filter, the row from 0, and part, "material" or "thickness"), "results" or "target".
val RefusalObject(const PageRefusal& refusal) {
    val object = val::object();
    object.set("message", refusal.Message);
    switch (refusal.Place.Where) {
        case PagePlace::Kind::Condition:
            object.set("place", std::string(ConditionFieldName(refusal.Place.Field)));
            break;
        case PagePlace::Kind::Output:
            object.set("place", std::string(OutputFieldName(refusal.Place.Output)));
            break;
        case PagePlace::Kind::FilterMaterial:
        case PagePlace::Kind::FilterThickness:
            object.set("place", std::string("filter"));
            object.set("filter", refusal.Place.FilterIndex);
            object.set("part", std::string(refusal.Place.Where == PagePlace::Kind::FilterMaterial
                                               ? "material"
                                               : "thickness"));
            break;
        case PagePlace::Kind::Results:
            object.set("place", std::string("results"));
            break;
        case PagePlace::Kind::Target:
            object.set("place", std::string("target"));
            break;
    }
    return object;
}

// A refusal as an answer: { ok: false, place, message, ... }.
val RefusedAnswer(const PageRefusal& refusal) {
    val object = RefusalObject(refusal);
    object.set("ok", false);
    return object;
}

// What C++ below throws beyond every refusal it words (memory running out, say) comes back as
// a refusal of the results, answered by `refuse`, so that the page goes on.
template <class Work, class Refuse = val (*)(const PageRefusal&)>
val Guarded(const Work& work, Refuse refuse = RefusedAnswer) {
    try {
        return work();
    } catch (const std::exception& error) {
        return refuse({{PagePlace::Kind::Results}, error.what()});
    }
}

// { ok: false, refusals: [{ place, message, ... }] }.
val RefusalsAnswer(const std::vector<PageRefusal>& refusals) {
    val list = val::array();
    for (const PageRefusal& refusal : refusals) {
        list.call<void>("push", RefusalObject(refusal));
    }
    val object = val::object();
    object.set("ok", false);
    object.set("refusals", list);
    return object;
}

// { ok: true, hvl, fluence, output? } or { ok: false, refusals: [{ place, message, ... }] }, with
// kvNote when the tube voltage was corrected; output holds the absolute output's lines of a model
// that has one.
val CalculateFields(const val& fields) {
    const PageCalculation calculation = Session().Calculate(RequestOf(fields));
    val object = val::object();
    if (const auto* refusals = std::get_if<std::vector<PageRefusal>>(&calculation.Outcome)) {
        object = RefusalsAnswer(*refusals);
    } else {
        const PageResult& result = std::get<PageResult>(calculation.Outcome);
        object.set("ok", true);
        object.set("hvl", result.HalfValueLayerLine);
        object.set("fluence", result.FluencePerExposureLine);
        if (!result.AbsoluteOutputLines.empty()) {
            val lines = val::array();
            for (const std::string& line : result.AbsoluteOutputLines) {
                lines.call<void>("push", line);
            }
            object.set("output", lines);
        }
    }
    if (calculation.TubeVoltageNote) {
        object.set("kvNote", *calculation.TubeVoltageNote);
    }
    return object;
}

val Calculate(const val& fields) {
    return Guarded([&] { return CalculateFields(fields); },
                   [](const PageRefusal& refusal) { return RefusalsAnswer({refusal}); });
}

// The graph's curves of the last run, each relative to its own peak as the desktop graph draws
// them: the 300 bins of each angle (-10 degrees first) of photon fluence, then of energy
// fluence, then of air kerma, in one array (empty before a run).
val Curves() {
    const SpectrumTable* spectra = Session().Spectra();
    return NumberArray(spectra == nullptr ? std::vector<double>()
                                          : RelativeCurves(*spectra, 1, kAngleCount));
}

// { ok: true, conditions, figures, relative, perAirKerma }: a beam as PageComparedBeam holds it,
// the curves as Float64Arrays (perAirKerma empty for a beam without air kerma).
val ComparedBeamObject(const PageComparedBeam& beam) {
    val object = val::object();
    object.set("ok", true);
    object.set("conditions", beam.Conditions);
    val figures = val::array();
    for (const std::string& cell : beam.Figures) {
        figures.call<void>("push", cell);
    }
    object.set("figures", figures);
    object.set("relative", NumberArray(beam.RelativeCurves));
    object.set("perAirKerma", NumberArray(beam.PerAirKermaCurves));
    return object;
}

// A beam for comparison, the fields as calculate() takes them, computed without becoming the
// last run: ComparedBeamObject's answer, or { ok: false, message }.
val CompareBeam(const val& fields) {
    return Guarded([&] {
        const auto compared = Session().CompareBeam(RequestOf(fields));
        if (const auto* message = std::get_if<std::string>(&compared)) {
            return RefusedAnswer({{PagePlace::Kind::Results}, *message});
        }
        return ComparedBeamObject(std::get<PageComparedBeam>(compared));
    });
}

// The last run as compareBeam() gives a beam; null before a run.
val CompareLastRun() {
    const auto compared = Session().CompareLastRun();
    return compared ? ComparedBeamObject(*compared) : val::null();
}

std::string TableText() {
    return Session().TableText();
}

val ExportFile() {
    const PageExport exported = Session().Export();
    val object = val::object();
    object.set("ok", exported.Problem.empty());
    object.set("message", exported.Problem);
    object.set("bytes",
               val::global("Uint8Array")
                   .call<val>("from",
                              val(emscripten::typed_memory_view(
                                  exported.Bytes.size(),
                                  reinterpret_cast<const unsigned char*>(exported.Bytes.data())))));
    return object;
}

// The beam-quality table of the last run: the rows as the desktop window shows them, the
// absolute output's cells after the quality's for a model that has one (absolute true), else
// the note why there are none, and the text its copy command puts on the clipboard.
val FigureTable() {
    const AngleFigures figures = Session().Figures();
    const std::optional<std::string> note = Session().NoAbsoluteOutputNote();
    val rows = val::array();
    for (int a = 1; a <= kAngleCount; ++a) {
        val row = val::array();
        row.call<void>("push", AngleCaption(a));
        for (const std::string& cell : DisplayedFigures(figures[a])) {
            row.call<void>("push", cell);
        }
        if (!note) {
            for (const std::string& cell : DisplayedAbsoluteOutput(figures[a])) {
                row.call<void>("push", cell);
            }
        }
        rows.call<void>("push", row);
    }
    val table = val::object();
    table.set("rows", rows);
    table.set("absolute", !note);
    table.set("note", note.value_or(std::string()));
    table.set("tsv", BeamQualityTsv(figures));
    return table;
}

val MatchFields(const val& fields, const std::string& targetText, const std::string& varied) {
    const AddedFilter added = AddedFilterNamed(varied).value_or(AddedFilter::Aluminium);
    const auto outcome = Session().Match(RequestOf(fields), targetText, added);
    if (const auto* refusal = std::get_if<PageRefusal>(&outcome)) {
        return RefusedAnswer(*refusal);
    }
    val object = val::object();
    object.set("ok", true);
    object.set("name", std::string(AddedFilterSymbol(added)));
    object.set("thickness", std::get<std::string>(outcome));
    return object;
}

val Match(const val& fields, const std::string& targetText, const std::string& varied) {
    return Guarded([&] { return MatchFields(fields, targetText, varied); });
}

val MaterialObject(const PageMaterial& material) {
    val object = val::object();
    object.set("file", material.File);
    object.set("name", material.Name);
    return object;
}

val ShippedMaterials() {
    val list = val::array();
    for (const PageMaterial& material : Session().ShippedMaterials()) {
        list.call<void>("push", MaterialObject(material));
    }
    return list;
}

val MaterialRefusal(const std::string& message) {
    val object = val::object();
    object.set("ok", false);
    object.set("message", message);
    return object;
}

// bytes: a Uint8Array, copied into the module only when it is not plainly too large.
val OpenMaterial(const std::string& fileName, const val& bytes) {
    if (const auto oversize =
            Session().OversizeMaterialFile(fileName, bytes["length"].as<std::size_t>())) {
        return MaterialRefusal(*oversize);
    }
    const std::vector<unsigned char> content =
        emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    const auto opened =
        Session().OpenMaterialFile(fileName, std::string(content.begin(), content.end()));
    if (const auto* refusal = std::get_if<std::string>(&opened)) {
        return MaterialRefusal(*refusal);
    }
    val object = MaterialObject(std::get<PageMaterial>(opened));
    object.set("ok", true);
    return object;
}

val OpenMaterialFile(const std::string& fileName, const val& bytes) {
    return Guarded([&] { return OpenMaterial(fileName, bytes); });
}

void SetLanguage(const std::string& code) {
    SpeakLanguage(LanguageNamed(code).value_or(Language::Japanese));
}

// Texts the page shares with the desktop program, in the current language.
val Captions() {
    val captions = val::object();
    for (const ConditionField field : kConditionFields) {
        captions.set(std::string(ConditionFieldName(field)), ConditionCaption(field));
    }
    for (const OutputField field : kOutputFields) {
        captions.set(std::string(OutputFieldName(field)), OutputCaption(field));
    }
    val rectifications = val::array();
    for (const RectificationMode mode : kRectifications) {
        rectifications.call<void>("push", RectificationCaption(mode));
    }
    captions.set("rectifications", rectifications);
    val angles = val::array();
    for (int a = 1; a <= kAngleCount; ++a) {
        angles.call<void>("push", AngleCaption(a));
    }
    captions.set("angles", angles);
    val columns = val::array();
    for (const char* caption : kFigureColumnCaptions) {
        columns.call<void>("push", Tr("BeamQualityWindow", caption));
    }
    captions.set("figureColumns", columns);
    val outputColumns = val::array();
    for (const char* caption : kAbsoluteOutputCaptions) {
        outputColumns.call<void>("push", Tr("BeamQualityWindow", caption));
    }
    captions.set("outputColumns", outputColumns);
    captions.set("copied", NoticeMessage(Notice::BeamQualityTableCopied));
    const AboutTexts about = AboutTextsNow();
    captions.set("aboutDescription", about.Description);
    captions.set("aboutLicence", about.Licence);
    captions.set("aboutDataSources", about.DataSources);
    captions.set("aboutValidation", about.Validation);
    for (const DesktopCaption& caption : kDesktopCaptions) {
        captions.set(caption.Key, Tr(caption.Context, caption.Source));
    }
    val compared = val::array();
    for (const std::size_t column : kComparedFigureColumns) {
        compared.call<void>("push", Tr("BeamQualityWindow", kFigureColumnCaptions[column]));
    }
    captions.set("comparedColumns", compared);
    for (const ComparisonCaption& caption : kComparisonCaptions) {
        captions.set(caption.Key, Tr("Comparison", caption.Source));
    }
    captions.set("keptLimit", KeptBeamsLimitCaption());
    return captions;
}

// The shape of what the page lays out: the condition fields' names, those of the absolute
// output's conditions and the models that take them, the filter rows, the energy bins of each
// curve, the angles (0-based, the beam centre's among them) and the largest material file read.
val Grid() {
    val names = val::array();
    for (const ConditionField field : kConditionFields) {
        names.call<void>("push", std::string(ConditionFieldName(field)));
    }
    val outputNames = val::array();
    for (const OutputField field : kOutputFields) {
        outputNames.call<void>("push", std::string(OutputFieldName(field)));
    }
    val absoluteModels = val::array();
    for (const SpectrumModel model : kSpectrumModels) {
        if (HasAbsoluteOutput(model)) {
            absoluteModels.call<void>("push", std::string(SpectrumModelName(model)));
        }
    }
    val grid = val::object();
    grid.set("conditionNames", names);
    grid.set("outputNames", outputNames);
    grid.set("absoluteModels", absoluteModels);
    grid.set("filterSlots", kFilterSlotCount);
    grid.set("binCount", kEnergyBinCount);
    grid.set("binWidthKeV", kEnergyStepKeV);
    grid.set("angleCount", kAngleCount);
    grid.set("centralAngle", kCentralAngleIndex - 1);
    grid.set("mostKeptBeams", static_cast<int>(kMostComparedBeams));
    grid.set("materialFileByteLimit", static_cast<double>(kMaterialFileByteLimit));
    return grid;
}

std::string Version() {
    return std::string(kProgramVersion);
}

// The defaults of a model, as its fields show them, the distance and output factor among them.
val Defaults(const std::string& model) {
    const ConditionTexts texts =
        DefaultConditionTexts(SpectrumModelNamed(model).value_or(kDefaultModel));
    val object = val::object();
    for (const ConditionField field : kConditionFields) {
        object.set(std::string(ConditionFieldName(field)), TextOf(texts, field));
    }
    const OutputTexts output = DefaultOutputTexts();
    for (const OutputField field : kOutputFields) {
        object.set(std::string(OutputFieldName(field)), TextOf(output, field));
    }
    return object;
}

// The desktop graph's colours as the page draws with them: each angle's curve, -10 degrees
// first, and the frame's black, the grid's grey and the background's white.
val GraphColours() {
    val angles = val::array();
    for (int a = 1; a <= kAngleCount; ++a) {
        angles.call<void>("push", PaletteColourHex(AngleCurveColour(a)));
    }
    val colours = val::object();
    colours.set("angles", angles);
    colours.set("black", PaletteColourHex(kBlack));
    colours.set("grey", PaletteColourHex(kGrey));
    colours.set("white", PaletteColourHex(kWhite));
    return colours;
}

}  // namespace
}  // namespace tubeline

EMSCRIPTEN_BINDINGS(tubeline) {
    emscripten::function("calculate", &tubeline::Calculate);
    emscripten::function("curves", &tubeline::Curves);
    emscripten::function("compareBeam", &tubeline::CompareBeam);
    emscripten::function("compareLastRun", &tubeline::CompareLastRun);
    emscripten::function("tableText", &tubeline::TableText);
    emscripten::function("exportFile", &tubeline::ExportFile);
    emscripten::function("figureTable", &tubeline::FigureTable);
    emscripten::function("match", &tubeline::Match);
    emscripten::function("shippedMaterials", &tubeline::ShippedMaterials);
    emscripten::function("openMaterialFile", &tubeline::OpenMaterialFile);
    emscripten::function("setLanguage", &tubeline::SetLanguage);
    emscripten::function("captions", &tubeline::Captions);
    emscripten::function("grid", &tubeline::Grid);
    emscripten::function("version", &tubeline::Version);
    emscripten::function("defaults", &tubeline::Defaults);
    emscripten::function("graphColours", &tubeline::GraphColours);
}
