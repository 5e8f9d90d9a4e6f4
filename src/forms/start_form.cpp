#include "start_form.h"

#include <QCloseEvent>
#include <QPainter>
#include <QShortcut>

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

StartForm::StartForm(MainForm& mainForm)
    : mainForm_(mainForm),
      picture_(StartPicture()),
      titleShadow_(QStringLiteral("Tubeline"), this),
      title_(QStringLiteral("Tubeline"), this),
      purpose_(tr("診断Ｘ線スペクトルの近似計算"), this),
      purposeFirstLine_(tr("ヒール効果を考慮し"), this),
      purposeSecondLine_(tr("線束中心 ± 10° の範囲の 2° ごとの"), this),
      purposeThirdLine_(tr("Ｘ線スペクトルを近似計算"), this),
      pictureCaption_(QStringLiteral("Falkirk Wheel in Scotland"), this),
      tuckerButton_(tr("Tucker の式で計算"), this),
      birchButton_(tr("Birch の式で計算"), this),
      physicsButton_(tr("物理モデルで計算"), this),
      aboutButton_(tr("このプログラムについて"), this),
      exitButton_(tr("終了"), this) {
    setObjectName(QStringLiteral("StartForm"));
    setWindowTitle(tr("  Tubeline"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(13005), Pixels(8805));

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPointSize(40);
    title.setBold(true);
    title.setItalic(true);
    titleShadow_.setFont(title);
    title_.setFont(title);
    // The shadow first, the title over it, slightly up and to the left.
    PlaceLabel(titleShadow_, "titleShadow", 675, 435);
    PlaceLabel(title_, "title", 630, 390);
    SetTextColour(titleShadow_, "#000000");
    SetTextColour(title_, "#ffe080");

    purpose_.setFont(InterfaceFont(18));
    PlaceLabel(purpose_, "purpose", 660, 1740);
    SetTextColour(purpose_, "#ffffff");
    for (QLabel* line : {&purposeFirstLine_, &purposeSecondLine_, &purposeThirdLine_}) {
        line->setFont(InterfaceFont(12));
        SetTextColour(*line, "#e8f0ff");
    }
    PlaceLabel(purposeFirstLine_, "purposeFirstLine", 900, 2520);
    PlaceLabel(purposeSecondLine_, "purposeSecondLine", 900, 2940);
    PlaceLabel(purposeThirdLine_, "purposeThirdLine", 900, 3360);
    QFont caption = InterfaceFont(9);
    caption.setItalic(true);
    pictureCaption_.setFont(caption);
    PlaceLabel(pictureCaption_, "pictureCaption", 240, 8400);
    SetTextColour(pictureCaption_, "#f0f0f0");

    // The two published models, then the physics model, whose spectra are absolute.
    Place(tuckerButton_, "tuckerButton", {9840, 4740, 2880, 615});
    Place(birchButton_, "birchButton", {9840, 5520, 2880, 615});
    Place(physicsButton_, "physicsButton", {9840, 6300, 2880, 615});
    physicsButton_.setToolTip(
        tr("ターゲット内の電子と制動放射の断面積から計算し、mAs あたりの空気カーマも求めます"));
    // Between the models and the exit, a little apart from both.
    Place(aboutButton_, "aboutButton", {9840, 7050, 2880, 435});
    Place(exitButton_, "exitButton", {9840, 7620, 2880, 495});
    connect(&tuckerButton_, &QPushButton::clicked, this,
            [this] { ChooseModel(SpectrumModel::Tucker); });
    connect(&birchButton_, &QPushButton::clicked, this,
            [this] { ChooseModel(SpectrumModel::Birch); });
    connect(&physicsButton_, &QPushButton::clicked, this,
            [this] { ChooseModel(SpectrumModel::Physics); });
    connect(&exitButton_, &QPushButton::clicked, this, [this] { Exit(); });
    connect(&aboutButton_, &QPushButton::clicked, this, [this] { mainForm_.ShowAbout(); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { mainForm_.ShowAbout(); });
    PressOnEnter({&tuckerButton_, &birchButton_, &physicsButton_, &aboutButton_, &exitButton_});
}

void StartForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Enter chooses the first model straight away; Tab reaches the others.
    tuckerButton_.setFocus();
}

void StartForm::ChooseModel(SpectrumModel model) {
    mainForm_.Logic().ChooseModel(model);
    mainForm_.show();
    hide();
}

void StartForm::Exit() {
    mainForm_.Exit();
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
