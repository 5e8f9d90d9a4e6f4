#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <vector>

#include "main_form_logic.h"
#include "ui/folder_lists.h"
#include "ui/operator_messages.h"
#include "ui/secondary_window.h"

namespace tubeline {

// The filter dialog: chooses a material file of the material folders and a thickness, and adds the
// filter. Hidden, not destroyed, between uses, so the list keeps its selection.
class FilterDialog : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(FilterDialog)

  public:
    FilterDialog(MainFormLogic& logic, OperatorMessages& messages,
                 std::vector<std::filesystem::path> materialFolders);

    // The main window's "設定": empties the thickness and shows, the material last chosen
    // highlighted and named, or none.
    void Open();

  private:
    // Names the material of the file; throws MaterialFileError when it cannot be read.
    void ShowMaterial(const std::string& fileName);
    // Shows the material's name; false, with the reason told, when its file cannot be read.
    bool PreviewMaterial(const std::string& fileName);
    // Adds the material named in the dialog, nothing else.
    void AddFilter();

    MainFormLogic& logic_;
    OperatorMessages& messages_;
    QLabel materialListHeading_;
    FileList materialList_;
    QLabel materialCaption_;
    QLabel materialName_;
    QLabel thicknessCaption_;
    QLineEdit thicknessField_;
    QLabel thicknessUnit_;
    QPushButton okButton_;
    QPushButton cancelButton_;
    // The file whose material the dialog names; empty when it names none.
    std::string shownFile_;
};

}  // namespace tubeline
