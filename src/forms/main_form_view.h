#pragma once

namespace tubeline {

// What the main window's logic needs from the window around it.
class MainFormView {
  public:
    virtual ~MainFormView() = default;
    // The controls or the graph changed: show them now.
    virtual void Refresh() = 0;
    // Lets pending window events run, as a model run does at its fixed points.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace tubeline
