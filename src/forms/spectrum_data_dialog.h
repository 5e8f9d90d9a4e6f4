#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "model/calculation_state.h"
#include "ui/folder_lists.h"
#include "ui/operator_messages.h"

namespace tubeline {

// Form3: previews the spectrum data with its conditions and saves it as a CSV file in a
// chosen folder.
class SpectrumDataDialog : public QWidget {
  public:
    SpectrumDataDialog(const CalculationState& state, OperatorMessages& messages,
                       const std::filesystem::path& workingFolder,
                       const std::filesystem::path& tableFile);

    // The main window's "スペクトルデータ保存": fills the preview and shows the dialog. When the
    // table file cannot be read the operator is told why and nothing is shown.
    void Open();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Save();

    const CalculationState& state_;
    OperatorMessages& messages_;
    std::filesystem::path tableFile_;
    QLabel label2_;
    QLabel label6_;
    QLabel label4_;
    QListWidget list1_;
    QLabel label5_;
    DriveList drive1_;
    FolderList dir1_;
    QLabel label3_;
    FileList file1_;
    QLabel label1_;
    QLineEdit text1_;
    QPushButton command1_;
    QPushButton command2_;
};

}  // namespace tubeline
