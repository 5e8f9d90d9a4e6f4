#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "main_form.h"

namespace tubeline {

// Form8, the start window: the title, what the program does, and the choice of model. Choosing
// a model prepares and shows the main window and hides this one for the rest of the run.
class StartForm : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(StartForm)

  public:
    explicit StartForm(MainForm& mainForm);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ChooseModel(SpectrumModel model);
    void Exit();

    MainForm& mainForm_;
    QImage picture_;
    QLabel titleShadow_;        // Label1
    QLabel title_;              // Label2
    QLabel purpose_;            // Label4
    QLabel purposeFirstLine_;   // Label5
    QLabel purposeSecondLine_;  // Label6
    QLabel purposeThirdLine_;   // Label7
    QLabel pictureCaption_;     // Label8
    QPushButton tuckerButton_;  // Command1
    QPushButton birchButton_;   // Command2
    QPushButton exitButton_;    // Command3
};

}  // namespace tubeline
