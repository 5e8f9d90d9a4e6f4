#pragma once

#include <filesystem>

#include "graph/graph_canvas.h"
#include "main_form.h"
#include "model/calculation_state.h"
#include "program_end.h"
#include "start_form.h"
#include "ui/operator_messages.h"

namespace tubeline {

// The whole window program: the calculation state and the graph for the run, the main window
// and the start window.
class WindowProgram {
  public:
    WindowProgram(OperatorMessages& messages, ProgramEnd& end,
                  const std::filesystem::path& workingFolder);

    // The start window's load: reads the attenuation table of the working folder and colours
    // the legend marks. When the table cannot be read, the message names the file and the
    // problem, and nothing may be shown.
    bool Load();

    StartForm& StartWindow() { return startForm_; }
    MainForm& MainWindow() { return mainForm_; }
    const CalculationState& State() const { return state_; }
    const GraphCanvas& Canvas() const { return canvas_; }

  private:
    OperatorMessages& messages_;
    std::filesystem::path workingFolder_;
    CalculationState state_;
    GraphCanvas canvas_;
    MainForm mainForm_;
    StartForm startForm_;
};

}  // namespace tubeline
