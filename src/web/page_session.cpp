#include "page_session.h"

#include <cerrno>
#include <fstream>

#include "export/spectrum_export.h"
#include "model/attenuation_table_file.h"
#include "model/match_request.h"
#include "model/material_folders.h"
#include "model/spectra_per_air_kerma.h"
#include "texts/comparison_texts.h"
#include "texts/condition_messages.h"
#include "texts/file_messages.h"
#include "texts/graph_texts.h"
#include "texts/match_messages.h"
#include "texts/material_names.h"
#include "texts/notice_messages.h"
#include "texts/result_texts.h"
#include "texts/run_messages.h"

namespace tubeline {
namespace {

PagePlace FilterPlace(const FilterRefusal& refusal, std::size_t slot) {
    return {
        refusal.FileRefused() ? PagePlace::Kind::FilterMaterial : PagePlace::Kind::FilterThickness,
        ConditionField::TubeVoltage, static_cast<int>(slot)};
}

PageRefusal RefusalOf(const BeamRefusal& refusal, std::size_t refusedFilterSlot) {
    PagePlace place;
    if (const auto* condition = std::get_if<ConditionRejection>(&refusal)) {
        place = {PagePlace::Kind::Condition, condition->Field, 0};
    } else if (const auto* output = std::get_if<OutputRejection>(&refusal)) {
        place = {PagePlace::Kind::Output, ConditionField::TubeVoltage, 0, output->Field};
    } else if (const auto* filter = std::get_if<FilterRefusal>(&refusal)) {
        place = FilterPlace(*filter, refusedFilterSlot);
    }
    return {place, BeamRefusalMessage(refusal)};
}

// Each filter's material and thickness on its own: a thickness not typed or not a number, the
// file, then a thickness that no filter can have, as a filter is added.
void AddFilterRefusals(const std::vector<FilterRequest>& filters,
                       std::vector<PageRefusal>& refusals) {
    for (std::size_t slot = 0; slot < filters.size(); ++slot) {
        const auto refuse = [&](const FilterRefusal& refusal) {
            refusals.push_back({FilterPlace(refusal, slot), FilterRefusalMessage(refusal)});
        };
        const FilterRequest& filter = filters[slot];
        const auto* typed = std::get_if<std::string>(&filter.ThicknessMm);
        const std::variant<double, FilterRefusal> thickness =
            typed ? ReadFilterThickness(*typed) : std::get<double>(filter.ThicknessMm);
        if (const auto* refusal = std::get_if<FilterRefusal>(&thickness)) {
            refuse(*refusal);
        }
        if (filter.MaterialFile.empty()) {
            refusals.push_back({{PagePlace::Kind::FilterMaterial, ConditionField::TubeVoltage,
                                 static_cast<int>(slot)},
                                NoticeMessage(Notice::NoMaterialChosen)});
        } else if (const auto material = ReadFilterMaterial(filter.MaterialFile);
                   const auto* refusal = std::get_if<FilterRefusal>(&material)) {
            refuse(*refusal);
        }
        if (const auto* thicknessMm = std::get_if<double>(&thickness)) {
            if (const auto refusal = CheckFilterThickness(*thicknessMm)) {
                refuse(*refusal);
            }
        }
    }
}

// Each condition field on its own, the others at the model's defaults. Returns the tube voltage
// as corrected, if it was.
std::optional<double> AddConditionRefusals(const BeamRequest& request,
                                           std::vector<PageRefusal>& refusals) {
    IrradiationConditions stored;
    stored.ModelChoice = request.Model;
    stored.Rectification = request.Rectification;
    const auto& typed = std::get<ConditionTexts>(request.Conditions);
    std::optional<double> correctedKv;
    for (const ConditionField field : kConditionFields) {
        ConditionTexts alone = DefaultConditionTexts(request.Model);
        TextOf(alone, field) = TextOf(typed, field);
        const CheckedConditions checked = CheckConditionFields(alone, stored);
        if (checked.TubeVoltageCorrected) {
            correctedKv = checked.Conditions.TubeVoltage;
        }
        if (checked.Rejection) {
            refusals.push_back({{PagePlace::Kind::Condition, field, 0},
                                ConditionRejectionMessage(*checked.Rejection)});
        }
    }
    return correctedKv;
}

// The distance and output factor each on its own, the other at its default, after the condition
// fields as tubeline-calc checks them.
void AddOutputRefusals(const BeamRequest& request, std::vector<PageRefusal>& refusals) {
    const auto* typed = std::get_if<OutputTexts>(&request.Output);
    if (typed == nullptr) {
        return;
    }
    for (const OutputField field : kOutputFields) {
        OutputTexts alone = DefaultOutputTexts();
        TextOf(alone, field) = TextOf(*typed, field);
        const auto checked = CheckOutputFields(alone);
        if (const auto* rejection = std::get_if<OutputRejection>(&checked)) {
            refusals.push_back({{PagePlace::Kind::Output, ConditionField::TubeVoltage, 0, field},
                                OutputRejectionMessage(*rejection)});
        }
    }
}

PageComparedBeam ComparedBeamOf(const ComputedBeam& computed, const AttenuationTable& attenuation) {
    PageComparedBeam beam;
    for (const std::string& piece : BeamInShort(computed.Beam.Conditions, computed.Beam.Filters)) {
        beam.Conditions += piece;
    }
    const SpectrumTable& spectra = *computed.Run.Spectra;
    const auto cells = DisplayedFigures(ComputeBeamCentreFigures(spectra, attenuation));
    for (const std::size_t column : kComparedFigureColumns) {
        beam.Figures.push_back(cells[column]);
    }
    // The first half-value layer as the result line gives it ("> 100.00" beyond the search),
    // the same figure bit for bit.
    static_assert(kComparedFigureColumns.front() == 0);
    beam.Figures.front() = ResultTexts(computed.Run.Quality).HalfValueLayer;
    beam.RelativeCurves = RelativeCurves(spectra, kCentralAngleIndex, kCentralAngleIndex);
    if (const auto perKerma = CentralSpectraPerAirKerma(spectra, attenuation)) {
        for (const EnergyArray* curve :
             {&perKerma->PhotonsPerMm2, &perKerma->EnergyPerMm2, &perKerma->AirKermaShare}) {
            beam.PerAirKermaCurves.insert(beam.PerAirKermaCurves.end(), curve->begin() + 1,
                                          curve->end());
        }
    }
    return beam;
}

}  // namespace

std::vector<double> RelativeCurves(const SpectrumTable& spectra, int firstAngle, int lastAngle) {
    std::vector<double> heights;
    heights.reserve(3 * (lastAngle - firstAngle + 1) * kEnergyBinCount);
    for (const auto& [table, peak] :
         {std::pair(&spectra.PhotonSpectrum, spectra.SpectrumPeak),
          std::pair(&spectra.EnergyFluenceSpectrum, 1.0), std::pair(&spectra.KermaSpectrum, 1.0)}) {
        for (int a = firstAngle; a <= lastAngle; ++a) {
            for (int j = 1; j <= kEnergyBinCount; ++j) {
                heights.push_back((*table)[a][j] / peak);
            }
        }
    }
    return heights;
}

PageSession::PageSession(std::filesystem::path dataFolder, std::filesystem::path userFolder)
    : dataFolder_(std::move(dataFolder)),
      userFolder_(std::move(userFolder)),
      attenuation_(LoadAttenuationTable(dataFolder_ / kAttenuationTableFileName)) {
    std::filesystem::create_directories(userFolder_);
}

std::vector<PageMaterial> PageSession::ShippedMaterials() const {
    std::vector<PageMaterial> materials;
    for (const std::filesystem::path& file : ListMaterialFiles({dataFolder_})) {
        materials.push_back({file.string(), MaterialDisplayName(ReadMaterialName(file))});
    }
    return materials;
}

std::filesystem::path PageSession::UserFile(const std::string& fileName) const {
    // Only the name's last part, so that the file stays in the user's folder.
    return userFolder_ / std::filesystem::path(fileName).filename().string();
}

std::optional<std::string> PageSession::OversizeMaterialFile(const std::string& fileName,
                                                             std::size_t byteCount) const {
    if (byteCount <= kMaterialFileByteLimit) {
        return std::nullopt;
    }
    return MaterialFileMessage(
        {UserFile(fileName).string(), FileProblem{UserFile(fileName), EFBIG}});
}

std::variant<PageMaterial, std::string> PageSession::OpenMaterialFile(
    const std::string& fileName, const std::string& bytes) const {
    const std::filesystem::path path = UserFile(fileName);
    const std::variant<MaterialFile, FilterRefusal> material =
        ReadFilterMaterial(path, [&bytes](const std::filesystem::path& file) {
            return ParseMaterialFile(bytes, file.string());
        });
    if (const auto* refusal = std::get_if<FilterRefusal>(&material)) {
        return FilterRefusalMessage(*refusal);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return PageMaterial{path.string(), MaterialDisplayName(std::get<MaterialFile>(material).Name)};
}

PageCalculation PageSession::Calculate(const BeamRequest& request) {
    std::vector<PageRefusal> refusals;
    AddFilterRefusals(request.Filters, refusals);
    const std::optional<double> correctedKv = AddConditionRefusals(request, refusals);
    AddOutputRefusals(request, refusals);
    PageCalculation calculation;
    if (correctedKv) {
        calculation.TubeVoltageNote = TubeVoltageCorrectedMessage(*correctedKv);
    }
    if (refusals.empty()) {
        BeamRun run = RunBeam(request, attenuation_);
        if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
            refusals.push_back(RefusalOf(*refusal, run.RefusedFilterSlot));
        } else {
            lastRun_ = std::get<ComputedBeam>(std::move(run.Outcome));
            const BeamQualityTexts texts = ResultTexts(lastRun_->Run.Quality);
            PageResult result{HalfValueLayerLine(texts), FluencePerExposureLine(texts), {}};
            const SpectrumTable& spectra = *lastRun_->Run.Spectra;
            if (spectra.AbsoluteOutput) {
                if (const auto figures = ComputeBeamCentreFigures(spectra, attenuation_)) {
                    result.AbsoluteOutputLines =
                        AbsoluteOutputLines(*figures, *spectra.AbsoluteOutput);
                }
            }
            calculation.Outcome = std::move(result);
            return calculation;
        }
    }
    calculation.Outcome = std::move(refusals);
    return calculation;
}

const std::string& PageSession::TableText() const {
    static const std::string kNone;
    return lastRun_ ? lastRun_->Run.TableText : kNone;
}

PageExport PageSession::Export() const {
    if (!lastRun_) {
        return {};
    }
    try {
        return {EncodeExportLines(SpectrumExportLines(
                    {lastRun_->Beam.Conditions, lastRun_->Beam.Filters, lastRun_->Run.TableText})),
                {}};
    } catch (const ExportError& error) {
        return {{}, ExportMessage(error.Problem())};
    }
}

AngleFigures PageSession::Figures() const {
    return lastRun_ ? ComputeAngleFigures(*lastRun_->Run.Spectra, attenuation_) : AngleFigures{};
}

const SpectrumTable* PageSession::Spectra() const {
    return lastRun_ ? lastRun_->Run.Spectra.get() : nullptr;
}

std::optional<std::string> PageSession::NoAbsoluteOutputNote() const {
    if (!lastRun_ || lastRun_->Run.Spectra->AbsoluteOutput) {
        return std::nullopt;
    }
    return NoAbsoluteOutputMessage(lastRun_->Beam.Conditions.ModelChoice);
}

std::variant<PageComparedBeam, std::string> PageSession::CompareBeam(
    const BeamRequest& request) const {
    const BeamRun run = RunBeam(request, attenuation_);
    if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
        return BeamRefusalMessage(*refusal);
    }
    return ComparedBeamOf(std::get<ComputedBeam>(run.Outcome), attenuation_);
}

std::optional<PageComparedBeam> PageSession::CompareLastRun() const {
    if (!lastRun_) {
        return std::nullopt;
    }
    return ComparedBeamOf(*lastRun_, attenuation_);
}

std::variant<std::string, PageRefusal> PageSession::Match(const BeamRequest& request,
                                                          const std::string& targetText,
                                                          AddedFilter varied) {
    const PagePlace targetPlace{PagePlace::Kind::Target, ConditionField::TubeVoltage, 0};
    const std::variant<double, HalfValueLayerMatchRefused> target =
        ReadTargetHalfValueLayer(targetText);
    if (const auto* refused = std::get_if<HalfValueLayerMatchRefused>(&target)) {
        return PageRefusal{targetPlace, HalfValueLayerMatchMessage(*refused, 0, {})};
    }
    BeamRequest start = request;
    TextOf(std::get<ConditionTexts>(start.Conditions), AddedFilterField(varied)) = "0";
    const BeamPreparation preparation = PrepareBeam(start);
    if (const auto* refusal = std::get_if<BeamRefusal>(&preparation.Outcome)) {
        return RefusalOf(*refusal, preparation.RefusedFilterSlot);
    }
    const PreparedBeam& prepared = std::get<PreparedBeam>(preparation.Outcome);
    const double targetMm = std::get<double>(target);
    // An added filter is never refused as a material file is.
    const VariedFilterMatch match = std::get<VariedFilterMatch>(
        MatchVariedFilter({prepared.Conditions, attenuation_, prepared.Filters}, targetMm, varied));
    if (!match.Rounded) {
        return PageRefusal{targetPlace,
                           HalfValueLayerMatchMessage(match.Found, targetMm, match.FilterName)};
    }
    return match.Rounded->Text;
}

}  // namespace tubeline
