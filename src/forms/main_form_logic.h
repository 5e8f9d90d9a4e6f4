#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "graph/graph_canvas.h"
#include "graph/vertical_axis.h"
#include "main_form_controls.h"
#include "main_form_view.h"
#include "model/calculation_state.h"
#include "ui/operator_messages.h"

namespace tubeline {

// The main window's commands on the program-wide calculation state, the graph and the
// controls, without any window: each method is one control's event.
class MainFormLogic {
  public:
    MainFormLogic(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
                  MainFormView& view, std::filesystem::path workingFolder);

    const MainFormControls& Controls() const { return controls_; }
    // The operator's typing goes straight into the field texts.
    ConditionTexts& Fields() { return controls_.Fields; }
    const CalculationState& State() const { return state_; }
    VerticalAxis VerticalAxisMode() const { return verticalAxis_; }

    // A model button of the start window: model number, captions, preparation, target angle.
    void ChooseModel(SpectrumModel model);
    void PrepareMainForm();
    void DrawGraphFrame();

    void Calculate();                                           // Command1 "スペクトル計算"
    void Reset();                                               // Command3 "リセット"
    void Clear();                                               // Command9 "Clear"
    void DrawAngle(int angleIndex);                             // Command11 .. Command21
    void ChooseVerticalAxis(VerticalAxis axis);                 // Option10 .. Option12
    void ChooseRectification(RectificationMode rectification);  // Option7 .. Option9

    // The filter dialog's OK once a material file is chosen and a thickness typed: adds the
    // filter and its line in the list, or returns why the file or thickness was refused.
    std::optional<std::string> AddFilter(const std::filesystem::path& materialFile,
                                         std::string_view thicknessText);
    void ReleaseFilters();  // Command5 "解除"

    // Deletes the table file, ignoring a missing one; the window then ends the program.
    void RemoveTableFile() const;

    const std::filesystem::path& TableFile() const { return tableFile_; }
    // Whether the table file holds the last completed run: false before any run and after a run
    // whose table could not be written.
    bool TableFileCurrent() const { return tableFileCurrent_; }
    bool HasCompletedRun() const { return hasCompletedRun_; }

  private:
    void SetDefaultFieldTexts();

    CalculationState& state_;
    GraphCanvas& canvas_;
    OperatorMessages& messages_;
    MainFormView& view_;
    std::filesystem::path tableFile_;
    MainFormControls controls_;
    VerticalAxis verticalAxis_ = VerticalAxis::PhotonFluence;
    bool running_ = false;
    bool hasCompletedRun_ = false;
    bool tableFileCurrent_ = false;
};

}  // namespace tubeline
