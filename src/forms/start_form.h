#pragma once

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "main_form.h"

namespace tubeline {

// Form8, the start window: the title, what the program does, and the choice of model. Choosing
// a model prepares and shows the main window and hides this one for the rest of the run.
class StartForm : public QWidget {
  public:
    explicit StartForm(MainForm& form2);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ChooseModel(SpectrumModel model);
    void Exit();

    MainForm& form2_;
    QImage picture_;
    QLabel label1_;
    QLabel label2_;
    QLabel label4_;
    QLabel label5_;
    QLabel label6_;
    QLabel label7_;
    QLabel label8_;
    QPushButton command1_;
    QPushButton command2_;
    QPushButton command3_;
};

}  // namespace tubeline
