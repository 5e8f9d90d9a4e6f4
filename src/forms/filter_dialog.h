#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "main_form_logic.h"
#include "ui/folder_lists.h"
#include "ui/operator_messages.h"

namespace tubeline {

// Form1: chooses a material file of the working folder and a thickness, and adds the filter.
// Hidden, not destroyed, between uses, so the list keeps its selection.
class FilterDialog : public QWidget {
  public:
    FilterDialog(MainFormLogic& logic, OperatorMessages& messages,
                 const std::filesystem::path& workingFolder);

    // The main window's "設定": empties the material name and the thickness, then shows.
    void Open();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PreviewMaterial(const std::string& fileName);
    void AddFilter();

    MainFormLogic& logic_;
    OperatorMessages& messages_;
    std::filesystem::path workingFolder_;
    QLabel label1_;
    FileList file1_;
    QLabel label4_;
    QLabel label5_;
    QLabel label2_;
    QLineEdit text2_;
    QLabel label3_;
    QPushButton command1_;
    QPushButton command2_;
};

}  // namespace tubeline
