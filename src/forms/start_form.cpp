#include "start_form.h"

#include <QCloseEvent>
#include <QPainter>

#include "start_picture.h"
#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {
namespace {

void SetTextColour(QLabel& label, const char* colour) {
    label.setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
}

}  // namespace

StartForm::StartForm(MainForm& form2)
    : form2_(form2),
      picture_(StartPicture()),
      label1_(QStringLiteral("Tubeline"), this),
      label2_(QStringLiteral("Tubeline"), this),
      label4_(QStringLiteral("診断Ｘ線スペクトルの近似計算"), this),
      label5_(QStringLiteral("ヒール効果を考慮し"), this),
      label6_(QStringLiteral("線束中心 ± 10° の範囲の 2° ごとの"), this),
      label7_(QStringLiteral("Ｘ線スペクトルを近似計算"), this),
      label8_(QStringLiteral("Falkirk Wheel in Scotland"), this),
      command1_(QStringLiteral("Tucker の式で計算"), this),
      command2_(QStringLiteral("Birch の式で計算"), this),
      command3_(QStringLiteral("終了"), this) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("  Tubeline"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(13005), Pixels(8805));

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPointSize(40);
    title.setBold(true);
    title.setItalic(true);
    label1_.setFont(title);
    label2_.setFont(title);
    // The shadow first, the title over it, slightly up and to the left.
    PlaceLabel(label1_, "Label1", 675, 435);
    PlaceLabel(label2_, "Label2", 630, 390);
    SetTextColour(label1_, "#000000");
    SetTextColour(label2_, "#ffe080");

    label4_.setFont(InterfaceFont(18));
    PlaceLabel(label4_, "Label4", 660, 1740);
    SetTextColour(label4_, "#ffffff");
    for (QLabel* line : {&label5_, &label6_, &label7_}) {
        line->setFont(InterfaceFont(12));
        SetTextColour(*line, "#e8f0ff");
    }
    PlaceLabel(label5_, "Label5", 900, 2520);
    PlaceLabel(label6_, "Label6", 900, 2940);
    PlaceLabel(label7_, "Label7", 900, 3360);
    QFont caption = InterfaceFont(9);
    caption.setItalic(true);
    label8_.setFont(caption);
    PlaceLabel(label8_, "Label8", 240, 8400);
    SetTextColour(label8_, "#f0f0f0");

    Place(command1_, "Command1", {9840, 5520, 2880, 615});
    Place(command2_, "Command2", {9840, 6300, 2880, 615});
    Place(command3_, "Command3", {9840, 7620, 2880, 495});
    connect(&command1_, &QPushButton::clicked, this,
            [this] { ChooseModel(SpectrumModel::Tucker); });
    connect(&command2_, &QPushButton::clicked, this, [this] { ChooseModel(SpectrumModel::Birch); });
    connect(&command3_, &QPushButton::clicked, this, [this] { Exit(); });
    PressOnEnter({&command1_, &command2_, &command3_});
}

void StartForm::ChooseModel(SpectrumModel model) {
    form2_.Logic().ChooseModel(model);
    form2_.show();
    hide();
}

void StartForm::Exit() {
    form2_.Exit();
}

void StartForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void StartForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Exit();
}

}  // namespace tubeline
