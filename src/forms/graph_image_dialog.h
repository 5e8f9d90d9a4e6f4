#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "graph/graph_canvas.h"
#include "ui/folder_lists.h"
#include "ui/operator_messages.h"

namespace tubeline {

// Form7: saves what the graph area shows as a bitmap in a chosen folder.
class GraphImageDialog : public QWidget {
  public:
    GraphImageDialog(const GraphCanvas& canvas, OperatorMessages& messages,
                     const std::filesystem::path& workingFolder);

    // The main window's "グラフ画像保存": refreshes the file list, empties the name, shows.
    void Open();

  private:
    void Save();

    const GraphCanvas& canvas_;
    OperatorMessages& messages_;
    QLabel label1_;
    QLabel label3_;
    DriveList drive1_;
    FolderList dir1_;
    FileList file1_;
    QLabel label2_;
    QLineEdit text1_;
    QPushButton command1_;
    QPushButton command2_;
};

}  // namespace tubeline
