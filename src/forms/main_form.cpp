#include "main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "graph/palette.h"
#include "graph/plot_geometry.h"
#include "icons.h"
#include "ui/twips.h"

namespace tubeline {
namespace {

constexpr int kClientWidth = 17460;
constexpr int kClientHeight = 10110;

constexpr const char* kAngleCaptions[kAngleCount] = {"- 10", "- 8", "- 6", "- 4", "- 2", "0",
                                                     "2",    "4",   "6",   "8",   "10"};

void SetTextKeepingCursor(QLineEdit& field, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    if (field.text() != wanted) {
        field.setText(wanted);
    }
}

}  // namespace

MainForm::MainForm(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
                   const std::filesystem::path& workingFolder, ProgramEnd& end)
    : logic_(state, canvas, messages, *this, workingFolder),
      canvas_(canvas),
      messages_(messages),
      workingFolder_(workingFolder),
      end_(end),
      picture3_(canvas, this),
      label16_(QStringLiteral("描画"), this),
      label18_(QStringLiteral("度"), this),
      command9_(QStringLiteral("Clear"), this),
      axisFrame_(QStringLiteral("グラフの縦軸"), this),
      option10_(QStringLiteral("フルエンス"), &axisFrame_),
      option12_(QStringLiteral("エネルギーフルエンス"), &axisFrame_),
      option11_(QStringLiteral("空気カーマ"), &axisFrame_),
      conditionsHeading_(QStringLiteral("照 射 条 件"), this),
      rectificationFrame_(QStringLiteral("整流方式"), this),
      option7_(QStringLiteral("定電圧"), &rectificationFrame_),
      option8_(QStringLiteral("三相12ピーク"), &rectificationFrame_),
      option9_(QStringLiteral("単相全波"), &rectificationFrame_),
      text1_(this),
      text5_(this),
      text2_(this),
      text3_(this),
      text4_(this),
      filterPanel_(this),
      label10_(QStringLiteral("任意材質フィルタ"), &filterPanel_),
      filterLimitLabel_(QStringLiteral("（最大３種類）"), &filterPanel_),
      picture1_(&filterPanel_),
      command4_(QStringLiteral("設定"), &filterPanel_),
      command5_(QStringLiteral("解除"), &filterPanel_),
      command1_(QStringLiteral("スペクトル計算"), this),
      command3_(QStringLiteral("リセット"), this),
      command7_(QStringLiteral("スペクトルデータ保存"), this),
      command8_(QStringLiteral("グラフ画像保存"), this),
      command6_(QStringLiteral("計算点 模式図表示"), this),
      label36_(this),
      label35_(this),
      label34_(QStringLiteral("参考データ"), this),
      label15_(QStringLiteral("Half Value Layer ="), this),
      text9_(this),
      label17_(QStringLiteral("mm Al"), this),
      label19_(QStringLiteral("Fluence / 1[C/kg]"), this),
      label12_(QStringLiteral(" ="), this),
      text11_(this),
      label20_(QStringLiteral("Photons / mm"), this),
      label21_(QStringLiteral("2"), this),
      label14_(QStringLiteral("線束中心にて"), this),
      picture2_(this),
      command2_(this) {
    setObjectName(QStringLiteral("Form2"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(kClientWidth), Pixels(kClientHeight));
    LayOutGraphColumn();
    LayOutConditions();
    LayOutFilterPanel();
    LayOutCommands();
    LayOutResults();
    ConnectCommands();
}

void MainForm::LayOutGraphColumn() {
    picture3_.setObjectName(QStringLiteral("Picture3"));
    picture3_.setGeometry(TwipsRect(240, 240, 10935, 6375));
    PlaceLabel(label16_, "Label16", 11760, 360);
    for (int a = 1; a <= kAngleCount; ++a) {
        const int offset = 480 * (a - 1);
        QPushButton& button =
            angleButtons_.emplace_back(QString::fromUtf8(kAngleCaptions[a - 1]), this);
        Place(button, ("Command" + std::to_string(10 + a)).c_str(),
              {11760, 840 + offset, 735, 375});
        LegendMark& mark =
            legendMarks_.emplace_back(QStringLiteral("Line%1").arg(a), QColor(Qt::white), this);
        // A horizontal line 2 pixels wide from x 12720 to 13680 twips.
        mark.setGeometry(Pixels(12720), Pixels(1080 + offset) - 1, Pixels(13680 - 12720), 2);
    }
    PlaceLabel(label18_, "Label18", 12000, 6120);
    Place(command9_, "Command9", {12840, 6120, 975, 375});

    Place(axisFrame_, "Frame4", {480, 7680, 1815, 1815});
    Place(option10_, "Option10", {120, 480, 1620, 300});
    Place(option12_, "Option12", {120, 840, 1620, 540});
    Place(option11_, "Option11", {120, 1440, 1620, 300});
    option10_.setToolTip(QStringLiteral("光子束スペクトル"));
    option12_.setToolTip(QStringLiteral("エネルギー束スペクトル"));
    option11_.setToolTip(QStringLiteral("照射線量スペクトル"));
}

void MainForm::LayOutConditions() {
    PlaceLabel(conditionsHeading_, "Label22", 3120, 7080);
    Place(rectificationFrame_, "Frame1", {2520, 7560, 1935, 1575});
    Place(option7_, "Option7", {180, 360, 1620, 300});
    Place(option8_, "Option8", {180, 720, 1620, 300});
    Place(option9_, "Option9", {180, 1080, 1620, 300});

    struct Row {
        QLineEdit& field;
        const char* name;
        int top;
        const char* caption;
        const char* unit;
    };
    const Row rows[] = {{text1_, "Text1", 7200, "Ｘ線管電圧", "kV"},
                        {text5_, "Text5", 7680, "ターゲット角度", "degree"},
                        {text2_, "Text2", 8160, "固有ろ過（Al 当量）", "mm Al"},
                        {text3_, "Text3", 8640, "アルミ付加フィルタ", "mm"},
                        {text4_, "Text4", 9120, "銅付加フィルタ", "mm"}};
    constexpr int kFieldLeft = 7920;
    constexpr int kFieldWidth = 975;
    constexpr int kFieldHeight = 330;
    constexpr int kCaptionGap = 90;
    for (const Row& row : rows) {
        Place(row.field, row.name, {kFieldLeft, row.top, kFieldWidth, kFieldHeight});
        QLabel& caption = conditionLabels_.emplace_back(QString::fromUtf8(row.caption), this);
        caption.adjustSize();
        caption.move(Pixels(kFieldLeft - kCaptionGap) - caption.width(),
                     Pixels(row.top) + (Pixels(kFieldHeight) - caption.height()) / 2);
        QLabel& unit = conditionLabels_.emplace_back(QString::fromUtf8(row.unit), this);
        unit.adjustSize();
        unit.move(Pixels(9000), Pixels(row.top) + (Pixels(kFieldHeight) - unit.height()) / 2);
    }
}

void MainForm::LayOutFilterPanel() {
    Place(filterPanel_, "Shape1", {9840, 7320, 2880, 2580});
    SetBackground(filterPanel_, QColor(0xc0, 0xff, 0xff));
    // Children of the panel are placed relative to it.
    PlaceLabel(label10_, "Label10", 10440 - 9840, 7440 - 7320, 1920, 240);
    PlaceLabel(filterLimitLabel_, "Label1", 10560 - 9840, 7800 - 7320, 1680, 240);
    Place(picture1_, "Picture1", {9960 - 9840, 8160 - 7320, 2655, 975});
    Place(command4_, "Command4", {10200 - 9840, 9240 - 7320, 975, 495});
    Place(command5_, "Command5", {11520 - 9840, 9240 - 7320, 975, 495});
    PaintLightYellow(command4_);
    PaintLightYellow(command5_);
}

void MainForm::LayOutCommands() {
    Place(command1_, "Command1", {13800, 7080, 2775, 495});
    Place(command3_, "Command3", {13800, 7800, 2775, 495});
    Place(command7_, "Command7", {13800, 8520, 2775, 495});
    Place(command8_, "Command8", {13800, 9240, 2775, 495});
    Place(command6_, "Command6", {13800, 6600, 2775, 375});

    Place(picture2_, "Picture2", {16740, 7080, 480, 480});
    picture2_.setPixmap(TubeIcon());
    picture2_.setToolTip(QStringLiteral(" Woo ! "));
    Place(command2_, "Command2", {16680, 9120, 660, 660});
    command2_.setIcon(ExitSignIcon());
    command2_.setIconSize(QSize(32, 32));
    command2_.setToolTip(QStringLiteral("  --- bye ---  "));
}

void MainForm::LayOutResults() {
    QFont shadowed(QStringLiteral("Liberation Serif"));
    shadowed.setPointSize(18);
    shadowed.setBold(true);
    shadowed.setItalic(true);
    for (QLabel* label : {&label36_, &label35_}) {
        label->setFont(shadowed);
    }
    PlaceLabel(label36_, "Label36", 14670, 870, 2700, 540);
    PlaceLabel(label35_, "Label35", 14640, 840, 2700, 540);
    label36_.setStyleSheet(QStringLiteral("color: #808080;"));
    label35_.setStyleSheet(QStringLiteral("color: #000080;"));

    PlaceLabel(label34_, "Label34", 14640, 3240);
    label34_.setStyleSheet(QStringLiteral("color: #0000ff;"));
    PlaceLabel(label15_, "Label15", 14640, 3720);
    Place(text9_, "Text9", {14640, 4200, 1095, 405});
    PlaceLabel(label17_, "Label17", 15840, 4260);
    PlaceLabel(label19_, "Label19", 14640, 4920);
    PlaceLabel(label12_, "Label12", 14640, 5400);
    Place(text11_, "Text11", {15000, 5400, 1455, 330});
    PlaceLabel(label20_, "Label20", 15000, 5760);
    // The small raised "2" of mm2 follows the unit's text wherever the font ends it.
    label21_.setFont(InterfaceFont(6.75));
    label21_.setObjectName(QStringLiteral("Label21"));
    label21_.adjustSize();
    label21_.move(label20_.geometry().right() + 1, label20_.y() - 3);
    PlaceLabel(label14_, "Label14", 15120, 6240);
    for (QLineEdit* result : {&text9_, &text11_}) {
        result->setReadOnly(true);
        result->setAlignment(Qt::AlignRight);
    }
}

void MainForm::ConnectCommands() {
    const auto onClick = [this](QAbstractButton& button, auto command) {
        connect(&button, &QAbstractButton::clicked, this, command);
    };
    onClick(command1_, [this] { logic_.Calculate(); });
    onClick(command3_, [this] { logic_.Reset(); });
    onClick(command9_, [this] { logic_.Clear(); });
    onClick(command6_, [this] { ShowGeometry(); });
    onClick(command8_, [this] { OpenGraphImageDialog(); });
    onClick(command7_, [this] { OpenSpectrumDataDialog(); });
    onClick(command4_, [this] { OpenFilterDialog(); });
    onClick(command5_, [this] { logic_.ReleaseFilters(); });
    onClick(command2_, [this] { Exit(); });
    for (int a = 1; a <= kAngleCount; ++a) {
        onClick(angleButtons_[a - 1], [this, a] { logic_.DrawAngle(a); });
    }
    onClick(option7_, [this] { logic_.ChooseRectification(RectificationMode::ConstantPotential); });
    onClick(option8_,
            [this] { logic_.ChooseRectification(RectificationMode::ThreePhaseTwelvePulse); });
    onClick(option9_,
            [this] { logic_.ChooseRectification(RectificationMode::SinglePhaseFullWave); });
    onClick(option10_, [this] { logic_.ChooseVerticalAxis(VerticalAxis::PhotonFluence); });
    onClick(option11_, [this] { logic_.ChooseVerticalAxis(VerticalAxis::AirKerma); });
    onClick(option12_, [this] { logic_.ChooseVerticalAxis(VerticalAxis::EnergyFluence); });

    const auto onEdit = [this](QLineEdit& field, std::string ConditionTexts::*text) {
        connect(&field, &QLineEdit::textEdited, this, [this, text](const QString& typed) {
            logic_.Fields().*text = typed.toStdString();
        });
    };
    onEdit(text1_, &ConditionTexts::TubeVoltage);
    onEdit(text5_, &ConditionTexts::TargetAngle);
    onEdit(text2_, &ConditionTexts::InherentFiltration);
    onEdit(text3_, &ConditionTexts::AluminiumFilter);
    onEdit(text4_, &ConditionTexts::CopperFilter);
}

void MainForm::SetLegendColours() {
    for (int a = 1; a <= kAngleCount; ++a) {
        SetBackground(legendMarks_[a - 1], PaletteColour(AngleCurveColour(a)));
    }
}

void MainForm::Refresh() {
    const MainFormControls& c = logic_.Controls();
    const CalculationState& state = logic_.State();
    setWindowTitle(QString::fromStdString(c.Caption));
    label35_.setText(QString::fromStdString(c.ModelCaption));
    label36_.setText(QString::fromStdString(c.ModelCaption));

    SetTextKeepingCursor(text1_, c.Fields.TubeVoltage);
    SetTextKeepingCursor(text5_, c.Fields.TargetAngle);
    SetTextKeepingCursor(text2_, c.Fields.InherentFiltration);
    SetTextKeepingCursor(text3_, c.Fields.AluminiumFilter);
    SetTextKeepingCursor(text4_, c.Fields.CopperFilter);
    for (QLineEdit* field : {&text1_, &text5_, &text2_, &text3_, &text4_}) {
        field->setEnabled(c.FieldsEnabled);
    }
    for (QRadioButton* option :
         {&option7_, &option8_, &option9_, static_cast<QRadioButton*>(&option10_),
          static_cast<QRadioButton*>(&option11_), static_cast<QRadioButton*>(&option12_)}) {
        option->setEnabled(c.OptionsEnabled);
    }
    option7_.setChecked(state.Conditions.Rectification == RectificationMode::ConstantPotential);
    option8_.setChecked(state.Conditions.Rectification == RectificationMode::ThreePhaseTwelvePulse);
    option9_.setChecked(state.Conditions.Rectification == RectificationMode::SinglePhaseFullWave);
    option10_.setChecked(logic_.VerticalAxisMode() == VerticalAxis::PhotonFluence);
    option11_.setChecked(logic_.VerticalAxisMode() == VerticalAxis::AirKerma);
    option12_.setChecked(logic_.VerticalAxisMode() == VerticalAxis::EnergyFluence);

    command4_.setEnabled(c.SetFilterEnabled);
    command5_.setEnabled(c.ReleaseFiltersEnabled);
    picture1_.SetLines(c.FilterList);
    command7_.setEnabled(c.ExportsEnabled);
    command8_.setEnabled(c.ExportsEnabled);
    for (int a = 1; a <= kAngleCount; ++a) {
        angleButtons_[a - 1].setEnabled(c.AngleButtonsEnabled);
        legendMarks_[a - 1].setVisible(c.LegendVisible[a]);
    }
    SetTextKeepingCursor(text9_, c.HalfValueLayer);
    SetTextKeepingCursor(text11_, c.FluencePerExposure);
    picture3_.update();
}

void MainForm::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void MainForm::ShowGeometry() {
    if (!form4_) {
        form4_ = std::make_unique<GeometryForm>();
    }
    form4_->show();
    form4_->raise();
    form4_->activateWindow();
}

void MainForm::OpenGraphImageDialog() {
    if (!form7_) {
        form7_ = std::make_unique<GraphImageDialog>(canvas_, messages_, workingFolder_);
    }
    form7_->Open();
}

void MainForm::OpenSpectrumDataDialog() {
    // A table file left by an earlier run must not be exported as this run's data.
    if (!logic_.TableFileCurrent()) {
        messages_.Warning(" 最後の計算のスペクトル表ファイル " + logic_.TableFile().string() +
                          " を書き込めなかったため、スペクトルデータを保存できません ");
        return;
    }
    if (!form3_) {
        form3_ = std::make_unique<SpectrumDataDialog>(logic_.State(), messages_, workingFolder_,
                                                      logic_.TableFile());
    }
    form3_->Open();
}

void MainForm::OpenFilterDialog() {
    if (!form1_) {
        form1_ = std::make_unique<FilterDialog>(logic_, messages_, workingFolder_);
    }
    form1_->Open();
}

void MainForm::Exit() {
    RunExitSequence(logic_.TableFile(), end_);
}

void MainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Exit();
}

}  // namespace tubeline
