#include "page_session.h"

#include <fstream>

#include "export/spectrum_export.h"
#include "model/attenuation_table_file.h"
#include "model/match_request.h"
#include "model/material_folders.h"
#include "texts/condition_messages.h"
#include "texts/file_messages.h"
#include "texts/match_messages.h"
#include "texts/material_names.h"
#include "texts/result_texts.h"
#include "texts/run_messages.h"

namespace tubeline {
namespace {

PageRefusal RefusalOf(const BeamRefusal& refusal, std::size_t refusedFilterSlot) {
    PagePlace place;
    if (const auto* condition = std::get_if<ConditionRejection>(&refusal)) {
        place = {PagePlace::Kind::Condition, condition->Field, 0};
    } else if (std::holds_alternative<FilterRefusal>(refusal)) {
        place = {PagePlace::Kind::Filter, ConditionField::TubeVoltage,
                 static_cast<int>(refusedFilterSlot)};
    }
    return {place, BeamRefusalMessage(refusal)};
}

}  // namespace

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

std::variant<PageMaterial, std::string> PageSession::OpenMaterialFile(
    const std::string& fileName, const std::string& bytes) const {
    // Only the name's last part, so that the file stays in the user's folder.
    const std::filesystem::path path =
        userFolder_ / std::filesystem::path(fileName).filename().string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const std::variant<MaterialFile, FilterRefusal> material = ReadFilterMaterial(path);
    if (const auto* refusal = std::get_if<FilterRefusal>(&material)) {
        return FilterRefusalMessage(*refusal);
    }
    return PageMaterial{path.string(), MaterialDisplayName(std::get<MaterialFile>(material).Name)};
}

std::variant<PageResult, PageRefusal> PageSession::Calculate(const BeamRequest& request) {
    BeamRun run = RunBeam(request, attenuation_);
    if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
        return RefusalOf(*refusal, run.RefusedFilterSlot);
    }
    lastRun_ = std::get<ComputedBeam>(std::move(run.Outcome));
    const BeamQualityTexts texts = ResultTexts(lastRun_->Run.Quality);
    PageResult result{HalfValueLayerLine(texts), FluencePerExposureLine(texts), std::nullopt, {}};
    if (run.CorrectedTubeVoltageKv) {
        result.TubeVoltageNote = TubeVoltageCorrectedMessage(*run.CorrectedTubeVoltageKv);
    }
    const SpectrumTable& spectra = *lastRun_->Run.Spectra;
    if (spectra.AbsoluteOutput) {
        if (const auto figures = ComputeBeamCentreFigures(spectra, attenuation_)) {
            result.AbsoluteOutputLines = AbsoluteOutputLines(*figures, *spectra.AbsoluteOutput);
        }
    }
    return result;
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
