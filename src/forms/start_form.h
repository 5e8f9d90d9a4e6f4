#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "main_form.h"

namespace tubeline {

// The start window: the title, what the program does, and the choice of model. Choosing
// a model prepares and shows the main window and hides this one for the rest of the run.
class StartForm : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(StartForm)

  public:
    explicit StartForm(MainForm& mainForm);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ChooseModel(SpectrumModel model);
    void Exit();

    MainForm& mainForm_;
    QImage picture_;
    QLabel titleShadow_;
    QLabel title_;
    QLabel purpose_;
    QLabel purposeFirstLine_;
    QLabel purposeSecondLine_;
    QLabel purposeThirdLine_;
    QLabel pictureCaption_;
    QPushButton tuckerButton_;
    QPushButton birchButton_;
    QPushButton physicsButton_;
    QPushButton aboutButton_;
    QPushButton exitButton_;
};

}  // namespace tubeline
