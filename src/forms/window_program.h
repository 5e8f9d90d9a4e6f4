#pragma once

#include <filesystem>

#include "graph/graph_canvas.h"
#include "main_form.h"
#include "model/calculation_state.h"
#include "places/file_places.h"
#include "program_end.h"
#include "start_form.h"
#include "ui/operator_messages.h"

namespace tubeline {

// The whole window program: the calculation state and the graph for the run, the main window
// and the start window.
class WindowProgram {
  public:
    WindowProgram(OperatorMessages& messages, ProgramEnd& end, const FilePlaces& places);
    // Everything in the working folder, as when started from a folder holding the data.
    WindowProgram(OperatorMessages& messages, ProgramEnd& end,
                  const std::filesystem::path& workingFolder);

    // The start window's load: reads the attenuation table of the data folder, makes the folder
    // for the table file where missing and colours the legend marks. When the table cannot be
    // read, the message names the file and the problem, and nothing may be shown; a folder that
    // cannot be made is told, and each run then reports its table file.
    bool Load();

    StartForm& StartWindow() { return startForm_; }
    MainForm& MainWindow() { return mainForm_; }
    const CalculationState& State() const { return state_; }
    const GraphCanvas& Canvas() const { return canvas_; }

  private:
    OperatorMessages& messages_;
    FilePlaces places_;
    CalculationState state_;
    GraphCanvas canvas_;
    MainForm mainForm_;
    StartForm startForm_;
};

}  // namespace tubeline
