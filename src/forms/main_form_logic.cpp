#include "main_form_logic.h"

#include <algorithm>

#include "base/file_io.h"
#include "graph/graph_frame.h"
#include "graph/graphed_runs.h"
#include "graph/palette.h"
#include "graph/plot_geometry.h"
#include "graph/spectrum_curve.h"
#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "model/spectrum_table_file.h"
#include "texts/condition_messages.h"
#include "texts/file_messages.h"
#include "texts/graph_texts.h"
#include "texts/notice_messages.h"
#include "texts/result_texts.h"
#include "texts/run_messages.h"

namespace tubeline {
namespace {

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
    ModelTitle title = ModelTitleOf(model);
    state_.Conditions.ModelChoice = model;
    controls_.Caption = std::move(title.Caption);
    controls_.ModelCaption = std::move(title.Label);
    controls_.OutputShown = HasAbsoluteOutput(model);
    PrepareMainForm();
    controls_.Fields.TargetAngle = DefaultConditionTexts(model).TargetAngle;
    view_.Refresh();
}

void MainFormLogic::PrepareMainForm() {
    verticalAxis_ = VerticalAxis::PhotonFluence;
    ClearGraph();
    ReleaseFilterSlots();
    SetDefaultFieldTexts();
    state_.Conditions.Rectification = kDefaultRectification;
    state_.Spectra.SampleSpectrum.fill(0);
    for (int a = 1; a <= kAngleCount; ++a) {
        state_.Spectra.PhotonSpectrum[a].fill(0);
    }
    phase_ = MainFormPhase::Editing;
}

// Every field but the target angle, which stays as it is; no note, no results.
void MainFormLogic::SetDefaultFieldTexts() {
    const ConditionTexts defaults = DefaultConditionTexts(state_.Conditions.ModelChoice);
    for (const ConditionField field : kConditionFields) {
        if (field != ConditionField::TargetAngle) {
            TextOf(controls_.Fields, field) = TextOf(defaults, field);
        }
    }
    controls_.Output = DefaultOutputTexts();
    controls_.ConditionsNote.clear();
    controls_.HalfValueLayer.clear();
    controls_.FluencePerExposure.clear();
}

void MainFormLogic::ClearGraph() {
    PaintGraphFrame(canvas_, verticalAxis_);
    graph_.Clear();
    controls_.LegendVisible.fill(false);
    controls_.GraphNote.clear();
}

void MainFormLogic::ReleaseFilterSlots() {
    tubeline::ReleaseFilters(state_.Filters);
    ShowFilterList();
}

void MainFormLogic::ShowFilterList() {
    controls_.FilterList.clear();
    for (int slot = 1; slot <= state_.Filters.FilterCount; ++slot) {
        controls_.FilterList.push_back(FilterListLineOf(state_.Filters, slot));
    }
}

std::optional<std::string> MainFormLogic::AddFilter(const std::filesystem::path& materialFile,
                                                    std::string_view thicknessText) {
    if (ConditionsLocked()) {
        return NoticeMessage(Notice::FiltersLocked);
    }
    if (const auto refusal = AddFilterFromFile(state_.Filters, materialFile, thicknessText)) {
        return FilterRefusalMessage(*refusal);
    }
    ShowFilterList();
    view_.Refresh();
    return std::nullopt;
}

void MainFormLogic::ReleaseFilters() {
    if (ConditionsLocked()) {
        return;
    }
    ReleaseFilterSlots();
    view_.Refresh();
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
    controls_.ConditionsNote = checked.TubeVoltageCorrected
                                   ? TubeVoltageCorrectedMessage(checked.Conditions.TubeVoltage)
                                   : std::string();
    if (checked.Rejection) {
        view_.Refresh();
        messages_.Warning(ConditionRejectionMessage(*checked.Rejection));
        // After the message: a target angle below the minimum shows the minimum.
        controls_.Fields = checked.Texts;
        view_.Refresh();
        return;
    }
    if (!ReadOutputFields()) {
        return;
    }

    const RunGuard guard(running_);
    const RunOutcome outcome =
        ComputeChosenModel({state_.Conditions, state_.Attenuation, state_.Filters});
    if (!std::holds_alternative<ModelRun>(outcome)) {
        state_.Conditions = before;
        view_.Refresh();
        const auto* refusal = std::get_if<RunRefusal>(&outcome);
        messages_.Warning(refusal ? RunRefusalMessage(*refusal)
                                  : ModelDataMessage(std::get<ModelDataRefusal>(outcome)));
        return;
    }
    ShowRun(std::get<ModelRun>(outcome));
}

bool MainFormLogic::ReadOutputFields() {
    if (!controls_.OutputShown) {
        return true;
    }
    const std::variant<OutputValues, OutputRejection> output = CheckOutputFields(controls_.Output);
    if (const auto* rejection = std::get_if<OutputRejection>(&output)) {
        view_.Refresh();
        messages_.Warning(OutputRejectionMessage(*rejection));
        return false;
    }
    state_.Conditions.Output = std::get<OutputValues>(output);
    return true;
}

// The run's effects in the order the window has always shown them: the table file, a pass of
// pending events, the central curve, another pass, the figures; then the Computed phase.
void MainFormLogic::ShowRun(const ModelRun& run) {
    state_.Spectra = *run.Spectra;
    state_.Quality = run.Quality;
    lastRun_ = CompletedRun{ExportedRun{state_.Conditions, state_.Filters, run.TableText},
                            ComputeAngleFigures(state_.Spectra, state_.Attenuation),
                            controls_.Fields, controls_.Output, run.Spectra};
    std::optional<FileProblem> tableProblem;
    try {
        ReplaceFileContents(tableFile_, run.TableText);
        writtenTable_ = run.TableText;
    } catch (const FileError& error) {
        tableProblem = error.Problem();
    }
    view_.Refresh();
    view_.ProcessPendingEvents();
    const bool oldestLeft = graph_.ShowRun(lastRun_->OnGraph());
    RedrawGraph();
    controls_.GraphNote = oldestLeft ? OldestRunLeftNote(kMostGraphedRuns) : std::string();
    view_.Refresh();
    view_.ProcessPendingEvents();
    const BeamQualityTexts texts = ResultTexts(state_.Quality);
    controls_.HalfValueLayer = texts.HalfValueLayer;
    controls_.FluencePerExposure = texts.FluencePerExposure;
    phase_ = MainFormPhase::Computed;
    view_.Refresh();
    if (tableProblem) {
        messages_.Warning(TableFileMessage(*tableProblem));
    }
}

void MainFormLogic::Reset() {
    if (running_) {
        return;
    }
    ClearGraph();
    ReleaseFilterSlots();
    SetDefaultFieldTexts();
    phase_ = MainFormPhase::Editing;
    view_.Refresh();
}

void MainFormLogic::Clear() {
    if (running_) {
        return;
    }
    ClearGraph();
    ReleaseFilterSlots();
    // The options and the exports keep their state; the angle buttons draw the last run's curves.
    switch (phase_) {
        case MainFormPhase::Computed:
            phase_ = MainFormPhase::Cleared;
            break;
        case MainFormPhase::Editing:
            // Before any run has completed there is nothing to draw.
            if (HasCompletedRun()) {
                phase_ = MainFormPhase::EditingWithRun;
            }
            break;
        case MainFormPhase::Cleared:
        case MainFormPhase::Revising:
        case MainFormPhase::EditingWithRun:
            break;
    }
    view_.Refresh();
}

void MainFormLogic::EditConditions() {
    if (running_ || !States().EditConditions) {
        return;
    }
    phase_ = MainFormPhase::Revising;
    view_.Refresh();
}

void MainFormLogic::ToggleAngle(int angleIndex) {
    if (running_ || !States().AngleButtons || !lastRun_) {
        return;
    }
    graph_.ToggleAngle(lastRun_->OnGraph(), angleIndex);
    RedrawGraph();
    view_.Refresh();
}

void MainFormLogic::RedrawGraph() {
    PaintGraphedRuns(canvas_, verticalAxis_, graph_.ToDraw());
    for (int a = 1; a <= kAngleCount; ++a) {
        controls_.LegendVisible[a] = graph_.AngleDrawn(a);
    }
}

int MainFormLogic::LastRunPlaceOnGraph() const {
    return lastRun_ ? graph_.PlaceOf(lastRun_->OnGraph()).value_or(0) : 0;
}

void MainFormLogic::ChooseVerticalAxis(VerticalAxis axis) {
    if (running_) {
        return;
    }
    verticalAxis_ = axis;
    // Curves drawn in another mode are drawn again in this one.
    if (graph_.Empty()) {
        RepaintAxisTitle(canvas_, axis);
    } else {
        RedrawGraph();
    }
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
    const std::variant<double, HalfValueLayerMatchRefused> target =
        ReadTargetHalfValueLayer(targetText);
    if (const auto* refused = std::get_if<HalfValueLayerMatchRefused>(&target)) {
        return AluminiumMatch{0, *refused};
    }
    const ExportedRun& run = lastRun_->Export;
    const double targetMm = std::get<double>(target);
    // An added filter is never refused as a material file is.
    VariedFilterMatch found = std::get<VariedFilterMatch>(MatchVariedFilter(
        {run.Conditions, state_.Attenuation, run.Filters}, targetMm, AddedFilter::Aluminium));
    AluminiumMatch match{targetMm, std::move(found.Found)};
    if (found.Rounded) {
        // Given back as tubeline-calc prints it, rounded no coarser than the layer allows.
        Reset();
        RestoreRunConditions(*lastRun_, found.Rounded->Text);
    }
    return match;
}

void MainFormLogic::RestoreRunConditions(const CompletedRun& run, const std::string& aluminiumMm) {
    controls_.Fields = run.Fields;
    controls_.Fields.AluminiumFilter = aluminiumMm;
    controls_.Output = run.Output;
    state_.Conditions.Rectification = run.Export.Conditions.Rectification;
    state_.Filters = run.Export.Filters;
    ShowFilterList();
    view_.Refresh();
}

void MainFormLogic::RemoveOwnTableFile() const {
    if (writtenTable_) {
        RemoveFileIfItHolds(tableFile_, *writtenTable_);
    }
}

}  // namespace tubeline
