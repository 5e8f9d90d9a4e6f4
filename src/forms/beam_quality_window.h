#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "main_form_logic.h"
#include "ui/operator_messages.h"
#include "ui/secondary_window.h"

namespace tubeline {

// The beam quality of the last completed run: its conditions, the figures of the eleven angles
// (the beam centre highlighted), a copy of the table for a spreadsheet, and the search for the
// added aluminium that reaches a target half-value layer.
class BeamQualityWindow : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(BeamQualityWindow)

  public:
    BeamQualityWindow(MainFormLogic& logic, OperatorMessages& messages);

    // The main window's "線質の詳細": shows the last completed run; nothing before the first
    // or while a run is under way.
    void Open();
    // Shows the last completed run; a run that completes while the window is open calls it.
    void ShowLastRun();

  private:
    void LayOut();
    // The quality's columns, and the absolute output's after them for a run that has one.
    void FillTable(const AngleFigures& figures, bool absoluteOutput);
    void CopyTable();
    void MatchTarget();

    MainFormLogic& logic_;
    OperatorMessages& messages_;
    QLabel conditionsHeading_;
    QLabel conditionsText_;
    QLabel tableHeading_;
    QTableWidget figureTable_;
    QLabel absoluteOutputNote_;  // why a relative model's run has no absolute output
    QLabel targetCaption_;
    QLineEdit targetField_;
    QLabel targetUnit_;
    QPushButton matchButton_;
    QPushButton copyButton_;
    QPushButton closeButton_;
    QLabel statusLine_;
};

}  // namespace tubeline
