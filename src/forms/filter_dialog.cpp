#include "filter_dialog.h"

#include <QKeyEvent>

#include "model/material_file_reader.h"
#include "ui/form_widgets.h"
#include "ui/twips.h"

namespace tubeline {

FilterDialog::FilterDialog(MainFormLogic& logic, OperatorMessages& messages,
                           const std::filesystem::path& workingFolder)
    : logic_(logic),
      messages_(messages),
      workingFolder_(workingFolder),
      label1_(QStringLiteral("フィルターの種類"), this),
      file1_(QStringLiteral("*.ele;*.mix"), this),
      label4_(QStringLiteral("材質"), this),
      label5_(this),
      label2_(QStringLiteral("厚さ"), this),
      text2_(this),
      label3_(QStringLiteral("mm"), this),
      command1_(QStringLiteral("OK"), this),
      command2_(QStringLiteral("Cancel"), this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("任意フィルター設定"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(6120), Pixels(2640));
    PlaceLabel(label1_, "Label1", 360, 240, 1935, 240);
    label1_.setStyleSheet(QStringLiteral("color: #0000ff;"));
    Place(file1_, "File1", {120, 600, 2655, 1665});
    PlaceLabel(label4_, "Label4", 3000, 720, 495, 240);
    PlaceLabel(label5_, "Label5", 3600, 720, 2295, 300);
    label5_.setStyleSheet(QStringLiteral("background: white; border: 1px solid black;"));
    PlaceLabel(label2_, "Label2", 3000, 1200, 495, 240);
    Place(text2_, "Text2", {3600, 1200, 1215, 315});
    PlaceLabel(label3_, "Label3", 4920, 1200, 435, 300);
    Place(command1_, "Command1", {3360, 1800, 1095, 495});
    Place(command2_, "Command2", {4680, 1800, 1095, 495});
    for (QPushButton* button : {&command1_, &command2_}) {
        PaintLightYellow(*button);
        // Enter in the thickness moves the focus here; it does not press the button.
        button->setAutoDefault(false);
    }

    file1_.SetPath(workingFolder_);
    file1_.OnClick = [this](const std::string& fileName) { PreviewMaterial(fileName); };
    text2_.installEventFilter(this);
    connect(&command1_, &QPushButton::clicked, this, [this] { AddFilter(); });
    connect(&command2_, &QPushButton::clicked, this, &QWidget::hide);
}

void FilterDialog::Open() {
    label5_.clear();
    text2_.clear();
    file1_.Refresh();
    show();
    raise();
    activateWindow();
}

bool FilterDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &text2_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !text2_.text().isEmpty()) {
            command1_.setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FilterDialog::PreviewMaterial(const std::string& fileName) {
    try {
        label5_.setText(QString::fromStdString(ReadMaterialName(workingFolder_ / fileName)));
    } catch (const MaterialFileError& error) {
        label5_.clear();
        messages_.Warning(error.what());
        return;
    }
    text2_.setFocus();
}

void FilterDialog::AddFilter() {
    const std::string fileName = file1_.FileName();
    if (fileName.empty()) {
        messages_.Warning("フィルター材質が未選択です。");
        return;
    }
    if (text2_.text().isEmpty()) {
        messages_.Warning("フィルターの厚さを入力して下さい。");
        return;
    }
    if (const auto refusal =
            logic_.AddFilter(workingFolder_ / fileName, text2_.text().toStdString())) {
        messages_.Warning(*refusal);
        return;
    }
    hide();
}

}  // namespace tubeline
