#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compared_runs.h"
#include "export_source.h"
#include "graph/graph_canvas.h"
#include "graph/vertical_axis.h"
#include "main_form_controls.h"
#include "main_form_view.h"
#include "model/beam_quality_figures.h"
#include "model/calculation_state.h"
#include "model/match_request.h"
#include "model/spectrum_model.h"
#include "ui/operator_messages.h"

namespace tubeline {

// The beam-quality window's "半価層に合わせる": the target as read and what the search found.
struct AluminiumMatch {
    double TargetMm;
    HalfValueLayerMatch Result;
};

// The main window's commands on the program-wide calculation state, the graph and the
// controls, without any window: each method is one control's event.
//
// Invariant: what an export writes (the conditions and filters of its header and the rows of the
// table), the results shown and the beam-quality figures all belong to one completed run. A
// refused run changes none of them, and while a run lets window events through, every command
// that could change the state under it is ignored.
class MainFormLogic : public ExportSource {
  public:
    MainFormLogic(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
                  MainFormView& view, std::filesystem::path workingFolder);

    MainFormPhase Phase() const { return phase_; }
    ControlStates States() const { return ControlStatesOf(phase_, state_.Filters.FilterCount); }
    const MainFormControls& Controls() const { return controls_; }
    // The operator's typing goes straight into the field texts.
    ConditionTexts& Fields() { return controls_.Fields; }
    OutputTexts& OutputFields() { return controls_.Output; }
    const CalculationState& State() const { return state_; }
    VerticalAxis VerticalAxisMode() const { return verticalAxis_; }

    // A model button of the start window: model number, captions, preparation, target angle.
    void ChooseModel(SpectrumModel model);

    void Calculate();       // "スペクトル計算"
    void Reset();           // "リセット"
    void Clear();           // "Clear"
    void EditConditions();  // "条件変更": the conditions open again as they are
    // An angle button: draws the angle's curve of the last completed run, or takes it off the
    // graph when it is drawn.
    void ToggleAngle(int angleIndex);
    void ChooseVerticalAxis(VerticalAxis axis);
    void ChooseRectification(RectificationMode rectification);

    // The filter dialog's OK once a material file is chosen: adds the filter and its line in
    // the list, or returns the message that says why nothing was added. The filters of computed
    // conditions stay as they are until the conditions open again.
    std::optional<std::string> AddFilter(const std::filesystem::path& materialFile,
                                         std::string_view thicknessText);
    void ReleaseFilters();  // "解除"

    // The exit sequence's part: deletes the table file, but only while it still holds what this
    // program wrote; another program's table in the same folder stays.
    void RemoveOwnTableFile() const;

    // The beam-quality window's "半価層に合わせる": searches the added aluminium that gives the
    // beam centre of the last completed run the target first half-value layer (typed, one
    // number), with that run's model, conditions and filters. When one is found, this is
    // "リセット" followed by the run's field texts, rectification and filters again, with the
    // aluminium found in "アルミ付加フィルタ": a calculate computes that beam. Otherwise nothing
    // changes. Nothing is searched before the first completed run or while a run is under way.
    std::optional<AluminiumMatch> MatchAddedAluminium(std::string_view targetText);

    const std::filesystem::path& TableFile() const { return tableFile_; }
    bool HasCompletedRun() const { return lastRun_.has_value(); }

    const ExportedRun* LastRun() const override { return lastRun_ ? &lastRun_->Export : nullptr; }
    int RunsOnGraph() const override { return static_cast<int>(graph_.Count()); }
    int LastRunPlaceOnGraph() const override;
    // The runs the graph shows, with the curves drawn of each.
    const ComparedRuns& Graph() const { return graph_; }
    // The figures of the eleven angles of the last completed run; nothing before the first.
    const AngleFigures* LastRunFigures() const { return lastRun_ ? &lastRun_->Figures : nullptr; }
    bool RunInProgress() const override { return running_; }

  private:
    // What a completed run leaves: its export, its figures, the field texts it read and its
    // spectra.
    struct CompletedRun {
        ExportedRun Export;
        AngleFigures Figures;
        ConditionTexts Fields;
        OutputTexts Output;
        std::shared_ptr<const SpectrumTable> Spectra;
        RunOnGraph OnGraph() const { return {Export.Conditions, Export.Filters, Spectra}; }
    };

    // An empty graph, default conditions without filters, the photon-fluence axis, Editing.
    void PrepareMainForm();
    void SetDefaultFieldTexts();
    // The distance and output factor as read, for a model with an absolute output; false, with
    // the warning shown, when one is refused. A relative model has no use for them.
    bool ReadOutputFields();
    // The empty graph in the current mode, no run on it.
    void ClearGraph();
    void ReleaseFilterSlots();
    // The filter list, a line for each slot set.
    void ShowFilterList();
    // The frame, every run's curves and the legend, again, in the current mode.
    void RedrawGraph();
    void ShowRun(const ModelRun& run);
    void RestoreRunConditions(const CompletedRun& run, const std::string& aluminiumMm);
    bool ConditionsLocked() const { return running_ || !States().Fields; }

    CalculationState& state_;
    GraphCanvas& canvas_;
    OperatorMessages& messages_;
    MainFormView& view_;
    std::filesystem::path tableFile_;
    MainFormControls controls_;
    MainFormPhase phase_ = MainFormPhase::Editing;
    VerticalAxis verticalAxis_ = VerticalAxis::PhotonFluence;
    ComparedRuns graph_;
    bool running_ = false;
    std::optional<CompletedRun> lastRun_;
    // The table text this program last wrote to the table file, if any.
    std::optional<std::string> writtenTable_;
};

}  // namespace tubeline
