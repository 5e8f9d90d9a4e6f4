#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>

#include "forms/export_source.h"
#include "support/recording_operator.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"

namespace tubeline::testing {

// The run to export, whether a run is under way and what the graph shows, as the main window
// would say.
class FakeExportSource : public ExportSource {
  public:
    const ExportedRun* LastRun() const override { return Run ? &*Run : nullptr; }
    bool RunInProgress() const override { return Running; }
    int RunsOnGraph() const override { return Runs; }
    int LastRunPlaceOnGraph() const override { return LastRunPlace; }
    std::optional<ExportedRun> Run;
    bool Running = false;
    // The graph shows the run alone unless a test says otherwise.
    int Runs = 1;
    int LastRunPlace = 1;
};

// What the tests of both save dialogs share: a scratch folder to save into, the messages an
// operator would see, and the dialog's controls found and used by their names.
template <class Dialog>
class SaveDialogTest : public ::testing::Test {
  protected:
    template <class Control>
    Control& Find(const char* name) {
        return testing::Find<Control>(*dialog_, name);
    }
    QLineEdit& NameField() { return Find<QLineEdit>("fileNameField"); }
    QPushButton& OkButton() { return Find<QPushButton>("okButton"); }
    // Opens the dialog, types the name and presses OK.
    void SaveAs(const QString& name) {
        dialog_->Open();
        QTest::keyClicks(&NameField(), name);
        OkButton().click();
    }

    ScratchFolder folder_;
    RecordedMessages messages_;
    FakeExportSource source_;
    std::unique_ptr<Dialog> dialog_;
};

}  // namespace tubeline::testing
