#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "export_source.h"
#include "ui/folder_lists.h"
#include "ui/operator_messages.h"
#include "ui/secondary_window.h"

namespace tubeline {

// Form3: previews the last run's spectrum data with its conditions and saves it as a CSV file
// in a chosen folder.
class SpectrumDataDialog : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(SpectrumDataDialog)

  public:
    SpectrumDataDialog(const ExportSource& source, OperatorMessages& messages,
                       const std::filesystem::path& startFolder);

    // The main window's "スペクトルデータ保存": fills the preview and shows the dialog.
    void Open();
    // Shows the last run's lines; a run that completes while the dialog is open calls it.
    void FillPreview();

  private:
    void Save();

    const ExportSource& source_;
    OperatorMessages& messages_;
    QLabel explanation_;       // Label2
    QLabel previewHeading_;    // Label6
    QLabel previewSubtitle_;   // Label4
    QListWidget previewList_;  // List1
    QLabel folderHeading_;     // Label5
    DriveList driveList_;      // Drive1
    FolderList folderList_;    // Dir1
    QLabel fileListHeading_;   // Label3
    FileList fileList_;        // File1
    QLabel fileNameHeading_;   // Label1
    QLineEdit fileNameField_;  // Text1
    FolderPathLine folderPath_;
    QPushButton okButton_;      // Command1
    QPushButton cancelButton_;  // Command2
};

}  // namespace tubeline
