#include "graph_image_dialog.h"

#include "graph/graph_image_export.h"
#include "model/file_io.h"
#include "ui/form_widgets.h"
#include "ui/twips.h"

namespace tubeline {

GraphImageDialog::GraphImageDialog(const GraphCanvas& canvas, OperatorMessages& messages,
                                   const std::filesystem::path& workingFolder)
    : canvas_(canvas),
      messages_(messages),
      label1_(QStringLiteral("表示されているスペクトルの画像を"), this),
      label3_(QStringLiteral("ビットマップ形式で保存します"), this),
      drive1_(this),
      dir1_(this),
      file1_(QStringLiteral("*.bmp"), this),
      label2_(QStringLiteral("ファイル名（拡張子なしで入力）"), this),
      text1_(this),
      command1_(QStringLiteral("OK"), this),
      command2_(QStringLiteral("Cancel"), this) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral(" スペクトル画像保存"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(4470), Pixels(7875));
    PlaceLabel(label1_, "Label1", 240, 120);
    PlaceLabel(label3_, "Label3", 240, 420);
    Place(drive1_, "Drive1", {240, 840, 3975, 330});
    Place(dir1_, "Dir1", {240, 1260, 3975, 2400});
    Place(file1_, "File1", {240, 3780, 3975, 1800});
    PlaceLabel(label2_, "Label2", 240, 5760);
    Place(text1_, "Text1", {240, 6060, 3975, 330});
    Place(command1_, "Command1", {600, 6780, 1455, 495});
    Place(command2_, "Command2", {2400, 6780, 1455, 495});

    LinkFolderLists(drive1_, dir1_, file1_, workingFolder);
    // Clicking an existing bitmap offers its name without ".bmp" for overwriting.
    file1_.OnClick = [this](const std::string& name) {
        text1_.setText(QString::fromStdString(name).chopped(4));
    };
    connect(&command1_, &QPushButton::clicked, this, [this] { Save(); });
    connect(&command2_, &QPushButton::clicked, this, &QWidget::hide);
}

void GraphImageDialog::Open() {
    RefreshFolderLists(dir1_, file1_);
    text1_.clear();
    show();
    raise();
    activateWindow();
}

void GraphImageDialog::Save() {
    const std::filesystem::path path = file1_.Path() / (text1_.text().toStdString() + ".bmp");
    try {
        SaveGraphImage(canvas_.Image(), path);
    } catch (const FileError& error) {
        messages_.Warning(" グラフ画像を " + path.string() + " に保存できません（" +
                          error.Reason() + "） ");
        return;
    }
    messages_.Information("グラフをBMP画像として保存しました。");
    hide();
}

}  // namespace tubeline
