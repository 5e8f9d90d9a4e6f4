#include "spectrum_data_dialog.h"

#include <QKeyEvent>

#include "export/spectrum_export.h"
#include "ui/form_widgets.h"
#include "ui/twips.h"

namespace tubeline {

SpectrumDataDialog::SpectrumDataDialog(const CalculationState& state, OperatorMessages& messages,
                                       const std::filesystem::path& workingFolder,
                                       const std::filesystem::path& tableFile)
    : state_(state),
      messages_(messages),
      tableFile_(tableFile),
      label2_(QStringLiteral("計算した光子数スペクトルデータを csv 形式でファイルに保存します"),
              this),
      label6_(QStringLiteral("ファイルに保存する内容"), this),
      label4_(QStringLiteral("( Relative  photon fluence spectra data )"), this),
      list1_(this),
      label5_(QStringLiteral("保存フォルダを指定して下さい"), this),
      drive1_(this),
      dir1_(this),
      label3_(QStringLiteral("既存ファイル (.csv)"), this),
      file1_(QStringLiteral("*.csv"), this),
      label1_(QStringLiteral("保存ファイル名（拡張子なしで入力）"), this),
      text1_(this),
      command1_(QStringLiteral("OK"), this),
      command2_(QStringLiteral("Cancel"), this) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral(" スペクトルデータ保存"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(15270), Pixels(8130));
    label2_.setFont(InterfaceFont(10.5));
    PlaceLabel(label2_, "Label2", 240, 180);
    PlaceLabel(label6_, "Label6", 240, 660);
    PlaceLabel(label4_, "Label4", 240, 960);
    Place(list1_, "List1", {240, 1260, 8520, 6600});
    list1_.setFont(QFont(QStringLiteral("IPAGothic"), 9));
    PlaceLabel(label5_, "Label5", 9120, 660);
    Place(drive1_, "Drive1", {9120, 960, 5880, 330});
    Place(dir1_, "Dir1", {9120, 1380, 5880, 2400});
    PlaceLabel(label3_, "Label3", 9120, 3900);
    Place(file1_, "File1", {9120, 4200, 5880, 1500});
    PlaceLabel(label1_, "Label1", 9120, 5880);
    Place(text1_, "Text1", {9120, 6180, 5880, 330});
    Place(command1_, "Command1", {9720, 7080, 1695, 495});
    Place(command2_, "Command2", {12360, 7080, 1695, 495});
    command1_.setAutoDefault(false);

    LinkFolderLists(drive1_, dir1_, file1_, workingFolder);
    text1_.installEventFilter(this);
    connect(&command1_, &QPushButton::clicked, this, [this] { Save(); });
    connect(&command2_, &QPushButton::clicked, this, &QWidget::hide);
}

void SpectrumDataDialog::Open() {
    std::vector<std::string> lines;
    try {
        lines = SpectrumExportLines(state_.Conditions, state_.Filters, tableFile_);
    } catch (const ExportError& error) {
        messages_.Warning(error.what());
        return;
    }
    list1_.clear();
    for (const std::string& line : lines) {
        list1_.addItem(QString::fromStdString(line));
    }
    RefreshFolderLists(dir1_, file1_);
    text1_.clear();
    show();
    raise();
    activateWindow();
    text1_.setFocus();
}

bool SpectrumDataDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &text1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            command1_.setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpectrumDataDialog::Save() {
    if (text1_.text().isEmpty()) {
        messages_.Warning("ファイル名を入力して下さい");
        return;
    }
    const std::filesystem::path path = ExportFilePath(file1_.Path(), text1_.text().toStdString());
    try {
        WriteSpectrumExport(path, state_.Conditions, state_.Filters, tableFile_);
    } catch (const ExportError& error) {
        messages_.Warning(error.what());
        return;
    }
    messages_.Information(ExportSavedMessage(path));
    hide();
}

}  // namespace tubeline
