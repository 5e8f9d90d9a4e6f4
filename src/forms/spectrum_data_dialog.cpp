#include "spectrum_data_dialog.h"

#include "export/spectrum_export.h"
#include "texts/file_messages.h"
#include "texts/graph_texts.h"
#include "texts/notice_messages.h"
#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {

SpectrumDataDialog::SpectrumDataDialog(const ExportSource& source, OperatorMessages& messages,
                                       const std::filesystem::path& startFolder)
    : source_(source),
      messages_(messages),
      explanation_(tr("計算した光子数スペクトルデータを csv 形式でファイルに保存します"), this),
      previewHeading_(tr("ファイルに保存する内容"), this),
      lastRunOnlyNote_(this),
      previewSubtitle_(QStringLiteral("( Relative  photon fluence spectra data )"), this),
      previewList_(this),
      folderHeading_(tr("保存フォルダを指定して下さい"), this),
      driveList_(this),
      folderList_(this),
      fileListHeading_(tr("既存ファイル (.csv)"), this),
      fileList_(QStringLiteral("*.csv"), this),
      fileNameHeading_(tr("保存ファイル名（拡張子なしで入力）"), this),
      fileNameField_(this),
      folderPath_(this),
      okButton_(QStringLiteral("OK"), this),
      cancelButton_(QStringLiteral("Cancel"), this) {
    setObjectName(QStringLiteral("SpectrumDataDialog"));
    setWindowTitle(tr(" スペクトルデータ保存"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(15270), Pixels(8130));
    explanation_.setFont(InterfaceFont(10.5));
    PlaceLabel(explanation_, "explanation", 240, 180);
    PlaceLabel(previewHeading_, "previewHeading", 240, 660);
    PlaceLabel(previewSubtitle_, "previewSubtitle", 240, 960);
    // Beside the preview's headings, which leave the right half of its width free.
    PlaceLabel(lastRunOnlyNote_, "lastRunOnlyNote", 3960, 630, 4800, 600);
    lastRunOnlyNote_.setWordWrap(true);
    lastRunOnlyNote_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lastRunOnlyNote_.setStyleSheet(QStringLiteral("color: #c00000;"));
    Place(previewList_, "previewList", {240, 1260, 8520, 6600});
    previewList_.setFont(QFont(QStringLiteral("IPAGothic"), 9));
    PlaceLabel(folderHeading_, "folderHeading", 9120, 660);
    Place(driveList_, "driveList", {9120, 960, 5880, 330});
    Place(folderList_, "folderList", {9120, 1380, 5880, 2400});
    PlaceLabel(fileListHeading_, "fileListHeading", 9120, 3900);
    Place(fileList_, "fileList", {9120, 4200, 5880, 1500});
    PlaceLabel(fileNameHeading_, "fileNameHeading", 9120, 5880);
    Place(fileNameField_, "fileNameField", {9120, 6180, 5880, 330});
    Place(folderPath_, "folderPath", {9120, 6570, 5880, 300});
    Place(okButton_, "okButton", {9720, 7080, 1695, 495});
    Place(cancelButton_, "cancelButton", {12360, 7080, 1695, 495});
    PressOnEnter({&okButton_, &cancelButton_});
    SetEscapeButton(cancelButton_);
    SetTabOrder({&driveList_, &folderList_, &fileList_, &fileNameField_, &okButton_, &cancelButton_,
                 &previewList_});

    LinkFolderLists(driveList_, folderList_, fileList_, folderPath_, startFolder);
    MoveFocusOnEnter(fileNameField_, okButton_);
    connect(&okButton_, &QPushButton::clicked, this, [this] { Save(); });
    connect(&cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void SpectrumDataDialog::Open() {
    if (source_.RunInProgress() || source_.LastRun() == nullptr) {
        return;
    }
    FillPreview();
    RefreshFolderLists(folderList_, fileList_);
    fileNameField_.clear();
    ShowInFront(&fileNameField_);
}

void SpectrumDataDialog::FillPreview() {
    const ExportedRun* run = source_.LastRun();
    ShowWhatIsLeftOut();
    previewList_.clear();
    if (run == nullptr) {
        return;
    }
    for (const std::string& line : SpectrumExportLines(*run)) {
        previewList_.addItem(QString::fromStdString(line));
    }
}

void SpectrumDataDialog::ShowWhatIsLeftOut() {
    const int runs = source_.RunsOnGraph();
    const int place = source_.LastRunPlaceOnGraph();
    const bool othersShown = runs > (place > 0 ? 1 : 0);
    lastRunOnlyNote_.setText(othersShown ? QString::fromStdString(LastRunOnlyNote(runs, place))
                                         : QString());
}

void SpectrumDataDialog::Save() {
    const ExportedRun* run = source_.LastRun();
    if (source_.RunInProgress() || run == nullptr) {
        return;
    }
    if (fileNameField_.text().isEmpty()) {
        messages_.Warning(NoticeMessage(Notice::NoFileName));
        return;
    }
    std::filesystem::path path;
    try {
        path = SaveFilePath(fileList_.Path(), fileNameField_.text().toStdString(), ".csv");
        if (!MayWrite(path, messages_)) {
            return;
        }
        WriteSpectrumExport(path, *run);
    } catch (const ExportError& error) {
        messages_.Warning(ExportMessage(error.Problem()));
        return;
    }
    messages_.Information(SpectrumDataSavedMessage(path));
    hide();
}

}  // namespace tubeline
