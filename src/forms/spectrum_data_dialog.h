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

// The spectrum data dialog: previews the last run's spectrum data with its conditions and saves it
// as a CSV file in a chosen folder.
class SpectrumDataDialog : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(SpectrumDataDialog)

  public:
    SpectrumDataDialog(const ExportSource& source, OperatorMessages& messages,
                       const std::filesystem::path& startFolder);

    // The main window's "スペクトルデータ保存": fills the preview and shows the dialog.
    void Open();
    // Shows the last run's lines; a run that completes while the dialog is open calls it.
    void FillPreview();
    // Says that the file holds the last run only, when the graph shows others; the main window
    // calls it whenever the graph changes while the dialog is open.
    void ShowWhatIsLeftOut();

  private:
    void Save();

    const ExportSource& source_;
    OperatorMessages& messages_;
    QLabel explanation_;
    QLabel previewHeading_;
    QLabel lastRunOnlyNote_;
    QLabel previewSubtitle_;
    QListWidget previewList_;
    QLabel folderHeading_;
    DriveList driveList_;
    FolderList folderList_;
    QLabel fileListHeading_;
    FileList fileList_;
    QLabel fileNameHeading_;
    QLineEdit fileNameField_;
    FolderPathLine folderPath_;
    QPushButton okButton_;
    QPushButton cancelButton_;
};

}  // namespace tubeline
