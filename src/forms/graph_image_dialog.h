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

// The graph image dialog: saves what the graph area shows as a bitmap in a chosen folder.
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
    QLabel explanationFirstLine_;
    QLabel explanationSecondLine_;
    DriveList driveList_;
    FolderList folderList_;
    FileList fileList_;
    QLabel fileNameHeading_;
    QLineEdit fileNameField_;
    FolderPathLine folderPath_;
    QPushButton okButton_;
    QPushButton cancelButton_;
};

}  // namespace tubeline
