#pragma once

#include "export/spectrum_export.h"

namespace tubeline {

// What the save dialogs ask of the main window: the last completed run, which an export
// describes, and whether a run is under way, during which no export may start.
class ExportSource {
  public:
    virtual ~ExportSource() = default;
    // Nothing before the first completed run.
    virtual const ExportedRun* LastRun() const = 0;
    virtual bool RunInProgress() const = 0;
    // How many runs the graph shows, and the last run's place among them (1 first; 0 when its
    // curves are not drawn), so that a dialog can say what of the graph its file leaves out.
    virtual int RunsOnGraph() const = 0;
    virtual int LastRunPlaceOnGraph() const = 0;
};

}  // namespace tubeline
