#include "graph_image_dialog.h"

#include "export/spectrum_export.h"
#include "graph/graph_image_export.h"
#include "base/file_io.h"
#include "texts/file_messages.h"
#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {
namespace {

constexpr int kBmpExtensionLength = 4;  // ".bmp"

}  // namespace

GraphImageDialog::GraphImageDialog(const GraphCanvas& canvas, const ExportSource& source,
                                   OperatorMessages& messages,
                                   const std::filesystem::path& startFolder)
    : canvas_(canvas),
      source_(source),
      messages_(messages),
      explanationFirstLine_(tr("表示されているスペクトルの画像を"), this),
      explanationSecondLine_(tr("ビットマップ形式で保存します"), this),
      driveList_(this),
      folderList_(this),
      fileList_(QStringLiteral("*.bmp"), this),
      fileNameHeading_(tr("ファイル名（拡張子なしで入力）"), this),
      fileNameField_(this),
      folderPath_(this),
      okButton_(QStringLiteral("OK"), this),
      cancelButton_(QStringLiteral("Cancel"), this) {
    setObjectName(QStringLiteral("GraphImageDialog"));
    setWindowTitle(tr(" スペクトル画像保存"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(4470), Pixels(7875));
    PlaceLabel(explanationFirstLine_, "explanationFirstLine", 240, 120);
    PlaceLabel(explanationSecondLine_, "explanationSecondLine", 240, 420);
    Place(driveList_, "driveList", {240, 840, 3975, 330});
    Place(folderList_, "folderList", {240, 1260, 3975, 2400});
    Place(fileList_, "fileList", {240, 3780, 3975, 1800});
    PlaceLabel(fileNameHeading_, "fileNameHeading", 240, 5760);
    Place(fileNameField_, "fileNameField", {240, 6060, 3975, 330});
    Place(folderPath_, "folderPath", {240, 6420, 3975, 300});
    Place(okButton_, "okButton", {600, 6780, 1455, 495});
    Place(cancelButton_, "cancelButton", {2400, 6780, 1455, 495});
    PressOnEnter({&okButton_, &cancelButton_});
    SetEscapeButton(cancelButton_);

    LinkFolderLists(driveList_, folderList_, fileList_, folderPath_, startFolder);
    // Choosing an existing bitmap offers its name without ".bmp" for overwriting.
    const auto offerName = [this](const std::string& name) {
        fileNameField_.setText(QString::fromStdString(name).chopped(kBmpExtensionLength));
    };
    fileList_.OnClick = offerName;
    fileList_.OnSelect = offerName;
    // As in the data export: Enter in the name goes to OK, a second Enter saves.
    MoveFocusOnEnter(fileNameField_, okButton_);
    connect(&okButton_, &QPushButton::clicked, this, [this] { Save(); });
    connect(&cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void GraphImageDialog::Open() {
    if (source_.RunInProgress()) {
        return;
    }
    RefreshFolderLists(folderList_, fileList_);
    fileNameField_.clear();
    ShowInFront(&fileNameField_);
}

void GraphImageDialog::Save() {
    if (source_.RunInProgress()) {
        return;
    }
    std::filesystem::path path;
    try {
        path = SaveFilePath(fileList_.Path(), fileNameField_.text().toStdString(), ".bmp");
    } catch (const ExportError& error) {
        messages_.Warning(ExportMessage(error.Problem()));
        return;
    }
    if (!MayWrite(path, messages_)) {
        return;
    }
    try {
        SaveGraphImage(canvas_.Image(), path);
    } catch (const FileError& error) {
        messages_.Warning(GraphImageProblemMessage(error.Problem()));
        return;
    }
    messages_.Information(GraphImageSavedMessage(path));
    hide();
}

}  // namespace tubeline
