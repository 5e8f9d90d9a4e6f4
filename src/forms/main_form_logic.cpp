#include "main_form_logic.h"

#include <cmath>

#include "graph/graph_frame.h"
#include "graph/plot_geometry.h"
#include "graph/spectrum_curve.h"
#include "model/file_io.h"
#include "model/filter_slots.h"
#include "model/leading_number.h"
#include "model/number_format.h"
#include "model/spectrum_model.h"
#include "model/spectrum_table_file.h"
#include "texts/messages.h"

namespace tubeline {
namespace {

struct ModelTexts {
    const char* Caption;
    const char* ModelCaption;
};

ModelTexts TextsOf(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return {"Diagnostic X-ray Spectrum by the Tucker's formula", "by Tucker"};
        case SpectrumModel::Birch:
            break;
    }
    return {"Diagnostic X-ray Spectrum by the Birch's formula", "by Birch"};
}

// Marks a run as under way for as long as it lasts, however it ends.
class RunGuard {
  public:
    explicit RunGuard(bool& running) : running_(running) { running_ = true; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;
    ~RunGuard() { running_ = false; }

  private:
    bool& running_;
};

// A model run's window effects: the graph and the result boxes, shown as they change.
class WindowRunEffects : public RunEffects {
  public:
    WindowRunEffects(const CalculationState& state, VerticalAxis axis, GraphCanvas& canvas,
                     MainFormControls& controls, MainFormView& view)
        : state_(state), axis_(axis), canvas_(canvas), controls_(controls), view_(view) {}

    void ProcessPendingEvents() override {
        view_.Refresh();
        view_.ProcessPendingEvents();
    }
    void DrawCentralCurve() override {
        DrawSpectrumCurve(canvas_, state_.Spectra, axis_, kCentralAngleIndex,
                          AngleCurveColour(kCentralAngleIndex));
        view_.Refresh();
    }
    void ShowBeamQuality(const BeamQualityTexts& texts) override {
        controls_.HalfValueLayer = texts.HalfValueLayer;
        controls_.FluencePerExposure = texts.FluencePerExposure;
        view_.Refresh();
    }

  private:
    const CalculationState& state_;
    VerticalAxis axis_;
    GraphCanvas& canvas_;
    MainFormControls& controls_;
    MainFormView& view_;
};

}  // namespace

MainFormLogic::MainFormLogic(CalculationState& state, GraphCanvas& canvas,
                             OperatorMessages& messages, MainFormView& view,
                             std::filesystem::path workingFolder)
    : state_(state),
      canvas_(canvas),
      messages_(messages),
      view_(view),
      tableFile_(workingFolder / kSpectrumTableFileName) {}

void MainFormLogic::ChooseModel(SpectrumModel model) {
    const ModelTexts texts = TextsOf(model);
    state_.Conditions.ModelChoice = model;
    controls_.Caption = texts.Caption;
    controls_.ModelCaption = texts.ModelCaption;
    PrepareMainForm();
    controls_.Fields.TargetAngle = DefaultTargetAngleText(model);
    view_.Refresh();
}

void MainFormLogic::PrepareMainForm() {
    verticalAxis_ = VerticalAxis::PhotonFluence;
    DrawGraphFrame();
    SetDefaultFieldTexts();
    controls_.HalfValueLayer.clear();
    controls_.FluencePerExposure.clear();
    controls_.ExportsEnabled = false;
    state_.Conditions.Rectification = RectificationMode::ConstantPotential;
    state_.Filters.FilterCount = 0;
    state_.Spectra.SampleSpectrum.fill(0);
    for (int a = 1; a <= kAngleCount; ++a) {
        state_.Spectra.PhotonSpectrum[a].fill(0);
    }
}

void MainFormLogic::DrawGraphFrame() {
    PaintGraphFrame(canvas_, verticalAxis_);
    tubeline::ReleaseFilters(state_.Filters);
    controls_.LegendVisible.fill(false);
    controls_.AngleButtonsEnabled = false;
    controls_.FieldsEnabled = true;
    controls_.SetFilterEnabled = true;
    controls_.ReleaseFiltersEnabled = true;
}

std::optional<std::string> MainFormLogic::AddFilter(const std::filesystem::path& materialFile,
                                                    std::string_view thicknessText) {
    if (ConditionsLocked()) {
        return NoticeMessage(Notice::FiltersLocked);
    }
    if (const auto refusal = AddFilterFromFile(state_.Filters, materialFile, thicknessText)) {
        return FilterRefusalMessage(*refusal);
    }
    const int slot = state_.Filters.FilterCount;
    controls_.FilterList.push_back(FilterListLineOf(state_.Filters, slot));
    if (slot >= kFilterSlotCount) {
        controls_.SetFilterEnabled = false;
    }
    view_.Refresh();
    return std::nullopt;
}

void MainFormLogic::ReleaseFilters() {
    if (ConditionsLocked()) {
        return;
    }
    controls_.FilterList.clear();
    tubeline::ReleaseFilters(state_.Filters);
    view_.Refresh();
}

void MainFormLogic::SetDefaultFieldTexts() {
    controls_.Fields.TubeVoltage = "100";
    controls_.Fields.InherentFiltration = "2.5";
    controls_.Fields.AluminiumFilter = "0";
    controls_.Fields.CopperFilter = "0";
}

void MainFormLogic::Calculate() {
    // A click that arrives while a run lets events through must not start a second run.
    if (running_) {
        return;
    }
    const IrradiationConditions before = state_.Conditions;
    const CheckedConditions checked = CheckConditionFields(controls_.Fields, state_.Conditions);
    state_.Conditions = checked.Conditions;
    controls_.Fields.TubeVoltage = checked.Texts.TubeVoltage;
    if (checked.Rejection) {
        view_.Refresh();
        messages_.Warning(ConditionRejectionMessage(*checked.Rejection));
        controls_.Fields = checked.Texts;
        view_.Refresh();
        return;
    }

    WindowRunEffects effects(state_, verticalAxis_, canvas_, controls_, view_);
    RunResult result;
    {
        const RunGuard guard(running_);
        result = ComputeChosenModel(state_, {tableFile_}, effects);
    }
    if (result.Refusal) {
        state_.Conditions = before;
        view_.Refresh();
        messages_.Warning(RunRefusalMessage(*result.Refusal));
        return;
    }
    lastRun_ =
        CompletedRun{ExportedRun{state_.Conditions, state_.Filters, result.TableText},
                     ComputeAngleFigures(state_.Spectra, state_.Attenuation), controls_.Fields};
    if (!result.TableFileProblem) {
        writtenTable_ = std::move(result.TableText);
    }

    controls_.LegendVisible[kCentralAngleIndex] = true;
    controls_.ExportsEnabled = true;
    controls_.AngleButtonsEnabled = true;
    controls_.OptionsEnabled = false;
    controls_.FieldsEnabled = false;
    controls_.SetFilterEnabled = false;
    controls_.ReleaseFiltersEnabled = false;
    view_.Refresh();
    if (result.TableFileProblem) {
        messages_.Warning(TableFileMessage(*result.TableFileProblem));
    }
}

void MainFormLogic::Reset() {
    if (running_) {
        return;
    }
    canvas_.Clear();
    controls_.FilterList.clear();
    DrawGraphFrame();
    controls_.ExportsEnabled = false;
    SetDefaultFieldTexts();
    controls_.HalfValueLayer.clear();
    controls_.FluencePerExposure.clear();
    controls_.OptionsEnabled = true;
    view_.Refresh();
}

void MainFormLogic::Clear() {
    if (running_) {
        return;
    }
    canvas_.Clear();
    controls_.FilterList.clear();
    DrawGraphFrame();
    // Before any run has completed there is nothing to draw: the buttons stay disabled.
    controls_.AngleButtonsEnabled = HasCompletedRun();
    view_.Refresh();
}

void MainFormLogic::DrawAngle(int angleIndex) {
    if (running_ || !HasCompletedRun()) {
        return;
    }
    DrawSpectrumCurve(canvas_, state_.Spectra, verticalAxis_, angleIndex,
                      AngleCurveColour(angleIndex));
    controls_.LegendVisible[angleIndex] = true;
    view_.Refresh();
}

void MainFormLogic::ChooseVerticalAxis(VerticalAxis axis) {
    if (running_) {
        return;
    }
    verticalAxis_ = axis;
    RepaintAxisTitle(canvas_, axis);
    view_.Refresh();
}

void MainFormLogic::ChooseRectification(RectificationMode rectification) {
    if (running_) {
        return;
    }
    state_.Conditions.Rectification = rectification;
    view_.Refresh();
}

std::optional<AluminiumMatch> MainFormLogic::MatchAddedAluminium(std::string_view targetText) {
    if (running_ || !lastRun_) {
        return std::nullopt;
    }
    const ExportedRun& run = lastRun_->Export;
    const double targetMm = LeadingNumber(targetText);
    AluminiumMatch match{
        targetMm, MatchHalfValueLayer({run.Conditions, state_.Attenuation, run.Filters}, targetMm,
                                      AddedFilter::Aluminium)};
    if (const auto* reached = std::get_if<HalfValueLayerReached>(&match.Result)) {
        Reset();
        RestoreRunConditions(*lastRun_, reached->ThicknessMm);
    }
    return match;
}

void MainFormLogic::RestoreRunConditions(const CompletedRun& run, double aluminiumMm) {
    // A micrometre is finer than any filter at hand and than the search's tolerance.
    constexpr double kMicrometresPerMillimetre = 1000;
    controls_.Fields = run.Fields;
    controls_.Fields.AluminiumFilter = FormatGeneral(
        std::round(aluminiumMm * kMicrometresPerMillimetre) / kMicrometresPerMillimetre);
    state_.Conditions.Rectification = run.Export.Conditions.Rectification;
    state_.Filters = run.Export.Filters;
    for (int slot = 1; slot <= state_.Filters.FilterCount; ++slot) {
        controls_.FilterList.push_back(FilterListLineOf(state_.Filters, slot));
    }
    controls_.SetFilterEnabled = state_.Filters.FilterCount < kFilterSlotCount;
    view_.Refresh();
}

void MainFormLogic::RemoveOwnTableFile() const {
    if (writtenTable_) {
        RemoveFileIfItHolds(tableFile_, *writtenTable_);
    }
}

}  // namespace tubeline
