#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "export_source.h"
#include "graph/graph_canvas.h"
#include "ui/folder_lists.h"
#include "ui/operator_messages.h"
#include "ui/secondary_window.h"

namespace tubeline {

// Form7: saves what the graph area shows as a bitmap in a chosen folder.
class GraphImageDialog : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(GraphImageDialog)

  public:
    GraphImageDialog(const GraphCanvas& canvas, const ExportSource& source,
                     OperatorMessages& messages, const std::filesystem::path& startFolder);

    // The main window's "グラフ画像保存": refreshes the file list, empties the name, shows.
    void Open();

  private:
    void Save();

    const GraphCanvas& canvas_;
    const ExportSource& source_;
    OperatorMessages& messages_;
    QLabel explanationFirstLine_;   // Label1
    QLabel explanationSecondLine_;  // Label3
    DriveList driveList_;           // Drive1
    FolderList folderList_;         // Dir1
    FileList fileList_;             // File1
    QLabel fileNameHeading_;        // Label2
    QLineEdit fileNameField_;       // Text1
    FolderPathLine folderPath_;
    QPushButton okButton_;      // Command1
    QPushButton cancelButton_;  // Command2
};

}  // namespace tubeline
