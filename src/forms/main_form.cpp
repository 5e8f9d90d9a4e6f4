#include "main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <vector>

#include "graph/palette.h"
#include "graph/plot_geometry.h"
#include "icons.h"
#include "texts/condition_messages.h"
#include "texts/graph_texts.h"
#include "texts/result_texts.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {
namespace {

constexpr int kClientWidth = 17460;
constexpr int kClientHeight = 10110;

// "- 10" .. "10": the emission angle in degrees, a minus sign set apart.
QString AngleButtonCaption(int angleIndex) {
    const int degrees = static_cast<int>(EmissionAngleDegrees(angleIndex));
    return degrees < 0 ? QStringLiteral("- %1").arg(-degrees) : QString::number(degrees);
}

QString Caption(RectificationMode rectification) {
    return QString::fromStdString(RectificationCaption(rectification));
}

void SetTextKeepingCursor(QLineEdit& field, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    if (field.text() != wanted) {
        field.setText(wanted);
    }
}

}  // namespace

MainForm::MainForm(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
                   const FilePlaces& places, ProgramEnd& end)
    : logic_(state, canvas, messages, *this, places.WritableFolder),
      canvas_(canvas),
      messages_(messages),
      places_(places),
      end_(end),
      graphView_(canvas, this),
      pointerReading_(this),
      conditionsNote_(this),
      drawHeading_(tr("描画"), this),
      degreeLabel_(tr("度"), this),
      clearButton_(QStringLiteral("Clear"), this),
      axisFrame_(tr("グラフの縦軸"), this),
      photonFluenceOption_(tr("フルエンス"), &axisFrame_),
      energyFluenceOption_(tr("エネルギーフルエンス"), &axisFrame_),
      airKermaOption_(tr("空気カーマ"), &axisFrame_),
      conditionsHeading_(tr("照 射 条 件"), this),
      rectificationFrame_(tr("整流方式"), this),
      constantPotentialOption_(Caption(RectificationMode::ConstantPotential), &rectificationFrame_),
      threePhaseOption_(Caption(RectificationMode::ThreePhaseTwelvePulse), &rectificationFrame_),
      singlePhaseOption_(Caption(RectificationMode::SinglePhaseFullWave), &rectificationFrame_),
      tubeVoltageField_(this),
      targetAngleField_(this),
      inherentFiltrationField_(this),
      aluminiumFilterField_(this),
      copperFilterField_(this),
      distanceCaption_(QString::fromStdString(OutputCaption(OutputField::Distance)), this),
      distanceField_(this),
      distanceUnit_(QStringLiteral("mm"), this),
      outputFactorCaption_(QString::fromStdString(OutputCaption(OutputField::OutputFactor)), this),
      outputFactorField_(this),
      filterPanel_(this),
      filterPanelHeading_(tr("任意材質フィルタ"), &filterPanel_),
      filterLimitLabel_(tr("（最大３種類）"), &filterPanel_),
      filterListView_(&filterPanel_),
      setFilterButton_(tr("設定"), &filterPanel_),
      releaseFiltersButton_(tr("解除"), &filterPanel_),
      calculateButton_(tr("スペクトル計算"), this),
      resetButton_(tr("リセット"), this),
      editConditionsButton_(tr("条件変更"), this),
      saveSpectrumDataButton_(tr("スペクトルデータ保存"), this),
      saveGraphImageButton_(tr("グラフ画像保存"), this),
      showGeometryButton_(tr("計算点 模式図表示"), this),
      modelCaptionShadow_(this),
      modelCaption_(this),
      beamQualityButton_(tr("線質の詳細"), this),
      referenceDataHeading_(tr("参考データ"), this),
      halfValueLayerCaption_(QStringLiteral("Half Value Layer ="), this),
      halfValueLayerField_(this),
      halfValueLayerUnit_(QStringLiteral("mm Al"), this),
      fluenceCaption_(QStringLiteral("Fluence / 1[C/kg]"), this),
      fluenceEquals_(QStringLiteral(" ="), this),
      fluencePerExposureField_(this),
      fluenceUnit_(QStringLiteral("Photons / mm"), this),
      fluenceUnitSquare_(QStringLiteral("2"), this),
      beamCentreNote_(tr("線束中心にて"), this),
      tubeIcon_(this),
      exitButton_(this) {
    setObjectName(QStringLiteral("MainForm"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(kClientWidth), Pixels(kClientHeight));
    LayOutGraphColumn();
    LayOutConditions();
    LayOutOutputConditions();
    LayOutFilterPanel();
    LayOutCommands();
    LayOutResults();
    ConnectCommands();
    SetKeyboardOrder();
}

void MainForm::LayOutGraphColumn() {
    graphView_.setObjectName(QStringLiteral("graphView"));
    graphView_.setGeometry(TwipsRect(240, 240, 10935, 6375));
    // Under the graph, not in its picture: what the curves read at the pointer, then notes on
    // the conditions and the runs compared.
    PlaceLabel(pointerReading_, "pointerReading", 240, 6645, 10935, 210);
    PlaceLabel(conditionsNote_, "conditionsNote", 240, 6855, 10935, 210);
    graphView_.OnPointer = [this](std::optional<PlotReading> reading) {
        ShowPointerReading(reading);
    };
    PlaceLabel(drawHeading_, "drawHeading", 11760, 360);
    for (int a = 1; a <= kAngleCount; ++a) {
        const int offset = 480 * (a - 1);
        QPushButton& button = angleButtons_.emplace_back(AngleButtonCaption(a), this);
        Place(button, ("angleButton" + std::to_string(a)).c_str(), {11760, 840 + offset, 735, 375});
        LegendMark& mark = legendMarks_.emplace_back(QStringLiteral("legendMark%1").arg(a),
                                                     QColor(Qt::white), this);
        // A horizontal line 2 pixels wide from x 12720 to 13680 twips.
        mark.setGeometry(Pixels(12720), Pixels(1080 + offset) - 1, Pixels(13680 - 12720), 2);
    }
    PlaceLabel(degreeLabel_, "degreeLabel", 12000, 6120);
    Place(clearButton_, "clearButton", {12840, 6120, 975, 375});

    Place(axisFrame_, "axisFrame", {480, 7680, 1815, 1815});
    Place(photonFluenceOption_, "photonFluenceOption", {120, 480, 1620, 300});
    Place(energyFluenceOption_, "energyFluenceOption", {120, 840, 1620, 540});
    Place(airKermaOption_, "airKermaOption", {120, 1440, 1620, 300});
    // Longer captions widen the options and their frame into the gap before the rectification.
    WidenToFit(axisFrame_, {&photonFluenceOption_, &airKermaOption_});
    photonFluenceOption_.setToolTip(tr("光子束スペクトル"));
    energyFluenceOption_.setToolTip(tr("エネルギー束スペクトル"));
    airKermaOption_.setToolTip(tr("照射線量スペクトル"));
}

void MainForm::LayOutConditions() {
    PlaceLabel(conditionsHeading_, "conditionsHeading", 3120, 7080);
    Place(rectificationFrame_, "rectificationFrame", {2520, 7560, 1935, 1575});
    Place(constantPotentialOption_, "constantPotentialOption", {180, 360, 1620, 300});
    Place(threePhaseOption_, "threePhaseOption", {180, 720, 1620, 300});
    Place(singlePhaseOption_, "singlePhaseOption", {180, 1080, 1620, 300});
    // The layout was made for the Japanese captions; longer ones widen the options and their
    // frame to the right, into the free space before the field captions.
    WidenToFit(rectificationFrame_,
               {&constantPotentialOption_, &threePhaseOption_, &singlePhaseOption_});

    struct Row {
        QLineEdit& field;
        const char* name;
        int top;
        ConditionField condition;
        const char* unit;
    };
    const Row rows[] = {
        {tubeVoltageField_, "tubeVoltageField", 7200, ConditionField::TubeVoltage, "kV"},
        {targetAngleField_, "targetAngleField", 7680, ConditionField::TargetAngle,
         QT_TRANSLATE_NOOP("MainForm", "degree")},
        {inherentFiltrationField_, "inherentFiltrationField", 8160,
         ConditionField::InherentFiltration, "mm Al"},
        {aluminiumFilterField_, "aluminiumFilterField", 8640, ConditionField::AluminiumFilter,
         "mm"},
        {copperFilterField_, "copperFilterField", 9120, ConditionField::CopperFilter, "mm"}};
    constexpr int kFieldLeft = 7920;
    constexpr int kFieldWidth = 975;
    constexpr int kFieldHeight = 330;
    constexpr int kCaptionGap = 90;
    for (const Row& row : rows) {
        Place(row.field, row.name, {kFieldLeft, row.top, kFieldWidth, kFieldHeight});
        QLabel& caption = conditionLabels_.emplace_back(
            QString::fromStdString(ConditionCaption(row.condition)), this);
        caption.adjustSize();
        caption.move(Pixels(kFieldLeft - kCaptionGap) - caption.width(),
                     Pixels(row.top) + (Pixels(kFieldHeight) - caption.height()) / 2);
        QLabel& unit = conditionLabels_.emplace_back(tr(row.unit), this);
        unit.adjustSize();
        unit.move(Pixels(9000), Pixels(row.top) + (Pixels(kFieldHeight) - unit.height()) / 2);
    }
}

// One line under the rectification and the field captions, level with "条件変更": the distance
// and its unit, then the output factor clear of the button, each caption ending where its field
// begins.
void MainForm::LayOutOutputConditions() {
    constexpr int kTop = 9563;
    constexpr int kHeight = 330;
    constexpr int kCaptionGap = 90;
    constexpr int kDistanceLeft = 3360;
    constexpr int kOutputFactorLeft = 6600;
    // A label sized to its text, its left edge at `leftPixels`, centred on the line's height.
    const auto level = [](QLabel& label, const char* name, int leftPixels) {
        PlaceLabel(label, name, 0, kTop);
        label.move(leftPixels, Pixels(kTop) + (Pixels(kHeight) - label.height()) / 2);
    };
    // A caption ending just before the field it names.
    const auto caption = [&level](QLabel& label, const char* name, int fieldLeft) {
        level(label, name, 0);
        label.move(Pixels(fieldLeft - kCaptionGap) - label.width(), label.y());
    };
    Place(distanceField_, "distanceField", {kDistanceLeft, kTop, 975, kHeight});
    caption(distanceCaption_, "distanceCaption", kDistanceLeft);
    level(distanceUnit_, "distanceUnit", Pixels(kDistanceLeft + 1080));
    Place(outputFactorField_, "outputFactorField", {kOutputFactorLeft, kTop, 975, kHeight});
    caption(outputFactorCaption_, "outputFactorCaption", kOutputFactorLeft);
    const QString why =
        tr("物理モデルの mAs あたりの空気カーマを求める、焦点からの距離と、"
           "この管の出力とモデルの出力の比");
    for (QWidget* control : std::initializer_list<QWidget*>{
             &distanceCaption_, &distanceField_, &outputFactorCaption_, &outputFactorField_}) {
        control->setToolTip(why);
    }
}

void MainForm::LayOutFilterPanel() {
    Place(filterPanel_, "filterPanel", {9840, 7320, 2880, 2580});
    SetBackground(filterPanel_, QColor(0xc0, 0xff, 0xff));
    // Children of the panel are placed relative to it.
    PlaceLabel(filterPanelHeading_, "filterPanelHeading", 10440 - 9840, 7440 - 7320, 1920, 240);
    PlaceLabel(filterLimitLabel_, "filterLimitLabel", 10560 - 9840, 7800 - 7320, 1680, 240);
    Place(filterListView_, "filterListView", {9960 - 9840, 8160 - 7320, 2655, 975});
    Place(setFilterButton_, "setFilterButton", {10200 - 9840, 9240 - 7320, 975, 495});
    Place(releaseFiltersButton_, "releaseFiltersButton", {11520 - 9840, 9240 - 7320, 975, 495});
    PaintLightYellow(setFilterButton_);
    PaintLightYellow(releaseFiltersButton_);
}

void MainForm::LayOutCommands() {
    Place(calculateButton_, "calculateButton", {13800, 7080, 2775, 495});
    Place(resetButton_, "resetButton", {13800, 7800, 2775, 495});
    Place(saveSpectrumDataButton_, "saveSpectrumDataButton", {13800, 8520, 2775, 495});
    Place(saveGraphImageButton_, "saveGraphImageButton", {13800, 9240, 2775, 495});
    Place(showGeometryButton_, "showGeometryButton", {13800, 6600, 2775, 375});

    Place(tubeIcon_, "tubeIcon", {16740, 7080, 480, 480});
    tubeIcon_.setPixmap(TubeIcon());
    tubeIcon_.setToolTip(QStringLiteral(" Woo ! "));
    Place(exitButton_, "exitButton", {16680, 9120, 660, 660});
    exitButton_.setIcon(ExitSignIcon(tr("出口")));
    exitButton_.setIconSize(QSize(32, 32));
    exitButton_.setToolTip(tr("  --- bye ---  "));
    exitButton_.setAccessibleName(tr("出口"));
    Place(editConditionsButton_, "editConditionsButton", {7920, 9540, 1680, 375});
}

void MainForm::LayOutResults() {
    QFont shadowed(QStringLiteral("Liberation Serif"));
    shadowed.setPointSize(18);
    shadowed.setBold(true);
    shadowed.setItalic(true);
    for (QLabel* label : {&modelCaptionShadow_, &modelCaption_}) {
        label->setFont(shadowed);
    }
    PlaceLabel(modelCaptionShadow_, "modelCaptionShadow", 14670, 870, 2700, 540);
    PlaceLabel(modelCaption_, "modelCaption", 14640, 840, 2700, 540);
    modelCaptionShadow_.setStyleSheet(QStringLiteral("color: #808080;"));
    modelCaption_.setStyleSheet(QStringLiteral("color: #000080;"));

    // The one command that is not among the window's numbered controls, in the free band of
    // the result column above the reference data it enlarges on.
    Place(beamQualityButton_, "beamQualityButton", {14640, 2520, 1815, 435});
    beamQualityButton_.setToolTip(
        tr("最後に計算した線質を角度ごとに表示します（第2半価層、均等度、平均・実効"
           "エネルギーなど）"));
    PlaceLabel(referenceDataHeading_, "referenceDataHeading", 14640, 3240);
    referenceDataHeading_.setStyleSheet(QStringLiteral("color: #0000ff;"));
    PlaceLabel(halfValueLayerCaption_, "halfValueLayerCaption", 14640, 3720);
    Place(halfValueLayerField_, "halfValueLayerField", {14640, 4200, 1095, 405});
    PlaceLabel(halfValueLayerUnit_, "halfValueLayerUnit", 15840, 4260);
    PlaceLabel(fluenceCaption_, "fluenceCaption", 14640, 4920);
    PlaceLabel(fluenceEquals_, "fluenceEquals", 14640, 5400);
    Place(fluencePerExposureField_, "fluencePerExposureField", {15000, 5400, 1455, 330});
    PlaceLabel(fluenceUnit_, "fluenceUnit", 15000, 5760);
    // The small raised "2" of mm2 follows the unit's text wherever the font ends it.
    fluenceUnitSquare_.setFont(InterfaceFont(6.75));
    fluenceUnitSquare_.setObjectName(QStringLiteral("fluenceUnitSquare"));
    fluenceUnitSquare_.adjustSize();
    fluenceUnitSquare_.move(fluenceUnit_.geometry().right() + 1, fluenceUnit_.y() - 3);
    PlaceLabel(beamCentreNote_, "beamCentreNote", 15120, 6240);
    for (QLineEdit* result : {&halfValueLayerField_, &fluencePerExposureField_}) {
        result->setReadOnly(true);
        result->setAlignment(Qt::AlignRight);
    }
}

void MainForm::ConnectCommands() {
    const auto onClick = [this](QAbstractButton& button, auto command) {
        connect(&button, &QAbstractButton::clicked, this, command);
    };
    onClick(calculateButton_, [this] { Calculate(); });
    onClick(resetButton_, [this] { logic_.Reset(); });
    onClick(editConditionsButton_, [this] {
        logic_.EditConditions();
        // Where the conditions begin, not on the next command the button's disabling reaches.
        tubeVoltageField_.setFocus();
        tubeVoltageField_.selectAll();
    });
    onClick(clearButton_, [this] { logic_.Clear(); });
    onClick(showGeometryButton_, [this] { ShowGeometry(); });
    onClick(saveGraphImageButton_, [this] { OpenGraphImageDialog(); });
    onClick(saveSpectrumDataButton_, [this] { OpenSpectrumDataDialog(); });
    onClick(setFilterButton_, [this] { OpenFilterDialog(); });
    onClick(beamQualityButton_, [this] { OpenBeamQualityWindow(); });
    onClick(releaseFiltersButton_, [this] { logic_.ReleaseFilters(); });
    onClick(exitButton_, [this] { Exit(); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { ShowAbout(); });
    for (int a = 1; a <= kAngleCount; ++a) {
        onClick(AngleButton(a), [this, a] { logic_.ToggleAngle(a); });
    }
    onClick(constantPotentialOption_,
            [this] { logic_.ChooseRectification(RectificationMode::ConstantPotential); });
    onClick(threePhaseOption_,
            [this] { logic_.ChooseRectification(RectificationMode::ThreePhaseTwelvePulse); });
    onClick(singlePhaseOption_,
            [this] { logic_.ChooseRectification(RectificationMode::SinglePhaseFullWave); });
    onClick(photonFluenceOption_,
            [this] { logic_.ChooseVerticalAxis(VerticalAxis::PhotonFluence); });
    onClick(airKermaOption_, [this] { logic_.ChooseVerticalAxis(VerticalAxis::AirKerma); });
    onClick(energyFluenceOption_,
            [this] { logic_.ChooseVerticalAxis(VerticalAxis::EnergyFluence); });

    const auto onEdit = [this](QLineEdit& field, std::string ConditionTexts::*text) {
        connect(&field, &QLineEdit::textEdited, this, [this, text](const QString& typed) {
            // Typing that a run lets through is undone by the run's refresh: the fields show
            // what was computed.
            if (!logic_.RunInProgress()) {
                logic_.Fields().*text = typed.toStdString();
            }
        });
    };
    onEdit(tubeVoltageField_, &ConditionTexts::TubeVoltage);
    onEdit(targetAngleField_, &ConditionTexts::TargetAngle);
    onEdit(inherentFiltrationField_, &ConditionTexts::InherentFiltration);
    onEdit(aluminiumFilterField_, &ConditionTexts::AluminiumFilter);
    onEdit(copperFilterField_, &ConditionTexts::CopperFilter);
    const auto onOutputEdit = [this](QLineEdit& field, std::string OutputTexts::*text) {
        connect(&field, &QLineEdit::textEdited, this, [this, text](const QString& typed) {
            if (!logic_.RunInProgress()) {
                logic_.OutputFields().*text = typed.toStdString();
            }
        });
    };
    onOutputEdit(distanceField_, &OutputTexts::DistanceMm);
    onOutputEdit(outputFactorField_, &OutputTexts::OutputFactor);
    // Enter in a condition field calculates, as the command would.
    for (QLineEdit* field : ConditionEditors()) {
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (calculateButton_.isEnabled()) {
                Calculate();
            }
        });
    }
}

std::array<QLineEdit*, 7> MainForm::ConditionEditors() {
    return {&tubeVoltageField_,     &targetAngleField_,  &inherentFiltrationField_,
            &aluminiumFilterField_, &copperFilterField_, &distanceField_,
            &outputFactorField_};
}

void MainForm::SetLegendColours() {
    for (int a = 1; a <= kAngleCount; ++a) {
        SetBackground(LegendMarkOf(a), PaletteColour(AngleCurveColour(a)));
    }
}

void MainForm::Refresh() {
    const MainFormControls& c = logic_.Controls();
    const ControlStates enabled = logic_.States();
    const CalculationState& state = logic_.State();
    setWindowTitle(QString::fromStdString(c.Caption));
    modelCaption_.setText(QString::fromStdString(c.ModelCaption));
    modelCaptionShadow_.setText(QString::fromStdString(c.ModelCaption));

    SetTextKeepingCursor(tubeVoltageField_, c.Fields.TubeVoltage);
    SetTextKeepingCursor(targetAngleField_, c.Fields.TargetAngle);
    SetTextKeepingCursor(inherentFiltrationField_, c.Fields.InherentFiltration);
    SetTextKeepingCursor(aluminiumFilterField_, c.Fields.AluminiumFilter);
    SetTextKeepingCursor(copperFilterField_, c.Fields.CopperFilter);
    SetTextKeepingCursor(distanceField_, c.Output.DistanceMm);
    SetTextKeepingCursor(outputFactorField_, c.Output.OutputFactor);
    for (QLineEdit* field : ConditionEditors()) {
        field->setEnabled(enabled.Fields);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{&distanceCaption_, &distanceField_, &distanceUnit_,
                                         &outputFactorCaption_, &outputFactorField_}) {
        control->setVisible(c.OutputShown);
    }
    for (QRadioButton* option : {&constantPotentialOption_, &threePhaseOption_, &singlePhaseOption_,
                                 static_cast<QRadioButton*>(&photonFluenceOption_),
                                 static_cast<QRadioButton*>(&airKermaOption_),
                                 static_cast<QRadioButton*>(&energyFluenceOption_)}) {
        option->setEnabled(enabled.Options);
    }
    constantPotentialOption_.setChecked(state.Conditions.Rectification ==
                                        RectificationMode::ConstantPotential);
    threePhaseOption_.setChecked(state.Conditions.Rectification ==
                                 RectificationMode::ThreePhaseTwelvePulse);
    singlePhaseOption_.setChecked(state.Conditions.Rectification ==
                                  RectificationMode::SinglePhaseFullWave);
    photonFluenceOption_.setChecked(logic_.VerticalAxisMode() == VerticalAxis::PhotonFluence);
    airKermaOption_.setChecked(logic_.VerticalAxisMode() == VerticalAxis::AirKerma);
    energyFluenceOption_.setChecked(logic_.VerticalAxisMode() == VerticalAxis::EnergyFluence);

    const std::string note = c.ConditionsNote.empty() || c.GraphNote.empty()
                                 ? c.ConditionsNote + c.GraphNote
                                 : c.ConditionsNote + "　" + c.GraphNote;
    conditionsNote_.setText(QString::fromStdString(note));
    setFilterButton_.setEnabled(enabled.SetFilter);
    releaseFiltersButton_.setEnabled(enabled.ReleaseFilters);
    filterListView_.SetLines(c.FilterList);
    saveSpectrumDataButton_.setEnabled(enabled.Exports);
    saveGraphImageButton_.setEnabled(enabled.Exports);
    // Like the exports, it describes the last completed run.
    beamQualityButton_.setEnabled(enabled.Exports);
    editConditionsButton_.setEnabled(enabled.EditConditions);
    for (int a = 1; a <= kAngleCount; ++a) {
        AngleButton(a).setEnabled(enabled.AngleButtons);
        LegendMarkOf(a).setVisible(c.LegendVisible[a]);
    }
    SetTextKeepingCursor(halfValueLayerField_, c.HalfValueLayer);
    SetTextKeepingCursor(fluencePerExposureField_, c.FluencePerExposure);
    graphView_.update();
    if (spectrumDataDialog_ && spectrumDataDialog_->isVisible()) {
        spectrumDataDialog_->ShowWhatIsLeftOut();
    }
}

void MainForm::ShowPointerReading(std::optional<PlotReading> reading) {
    if (!reading) {
        pointerReading_.clear();
        graphView_.setToolTip(QString());
        return;
    }
    const std::vector<RunReading> runs =
        logic_.Graph().ReadingsAt(reading->EnergyKeV, logic_.VerticalAxisMode());
    const QString line = QString::fromStdString(PointerReadingText(reading->EnergyKeV, runs));
    const QString shown =
        pointerReading_.fontMetrics().elidedText(line, Qt::ElideRight, pointerReading_.width());
    pointerReading_.setText(shown);
    // What does not fit on the line is there in full, a run a line, when the pointer rests.
    graphView_.setToolTip(
        shown == line ? QString()
                      : QString::fromStdString(PointerReadingText(reading->EnergyKeV, runs, "\n")));
}

void MainForm::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void MainForm::Calculate() {
    logic_.Calculate();
    if (spectrumDataDialog_ && spectrumDataDialog_->isVisible()) {
        spectrumDataDialog_->FillPreview();
    }
    if (beamQualityWindow_ && beamQualityWindow_->isVisible()) {
        beamQualityWindow_->ShowLastRun();
    }
    // An exit asked for while the run let events through.
    if (exitRequested_) {
        Exit();
    }
}

void MainForm::ShowGeometry() {
    if (!geometryWindow_) {
        geometryWindow_ = std::make_unique<GeometryForm>();
    }
    geometryWindow_->ShowInFront();
}

void MainForm::OpenGraphImageDialog() {
    if (!graphImageDialog_) {
        graphImageDialog_ =
            std::make_unique<GraphImageDialog>(canvas_, logic_, messages_, places_.SaveStartFolder);
    }
    graphImageDialog_->Open();
}

void MainForm::OpenSpectrumDataDialog() {
    if (!spectrumDataDialog_) {
        spectrumDataDialog_ =
            std::make_unique<SpectrumDataDialog>(logic_, messages_, places_.SaveStartFolder);
    }
    spectrumDataDialog_->Open();
}

void MainForm::OpenFilterDialog() {
    if (logic_.RunInProgress()) {
        return;
    }
    if (!filterDialog_) {
        filterDialog_ = std::make_unique<FilterDialog>(logic_, messages_, places_.MaterialFolders);
    }
    filterDialog_->Open();
}

void MainForm::OpenBeamQualityWindow() {
    if (!beamQualityWindow_) {
        beamQualityWindow_ = std::make_unique<BeamQualityWindow>(logic_, messages_);
    }
    beamQualityWindow_->Open();
}

void MainForm::ShowAbout() {
    if (!aboutWindow_) {
        aboutWindow_ = std::make_unique<AboutWindow>();
    }
    aboutWindow_->ShowInFront();
}

void MainForm::Exit() {
    if (logic_.RunInProgress()) {
        exitRequested_ = true;
        return;
    }
    logic_.RemoveOwnTableFile();
    end_.EndProgram();
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (logic_.RunInProgress()) {
        exitRequested_ = true;
        event->ignore();
        return;
    }
    event->accept();
    Exit();
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The conditions are where a session starts.
    tubeVoltageField_.setFocus();
}

void MainForm::SetKeyboardOrder() {
    // Tab reads the conditions panel first, from left to right (the axis and rectification
    // options, the fields, the physics model's distance and output factor, "条件変更", the filter
    // panel, the commands), then the graph's column (the angle buttons down it, "Clear"), the
    // result column, the geometry view and the exit.
    std::vector<QWidget*> order{
        &photonFluenceOption_,     &energyFluenceOption_,  &airKermaOption_,
        &constantPotentialOption_, &threePhaseOption_,     &singlePhaseOption_,
        &tubeVoltageField_,        &targetAngleField_,     &inherentFiltrationField_,
        &aluminiumFilterField_,    &copperFilterField_,    &distanceField_,
        &outputFactorField_,       &editConditionsButton_, &setFilterButton_,
        &releaseFiltersButton_,    &calculateButton_,      &resetButton_,
        &saveSpectrumDataButton_,  &saveGraphImageButton_};
    for (QPushButton& button : angleButtons_) {
        order.push_back(&button);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             &clearButton_, &beamQualityButton_, &halfValueLayerField_, &fluencePerExposureField_,
             &showGeometryButton_, &exitButton_}) {
        order.push_back(control);
    }
    SetTabOrder(order);
    for (QPushButton& button : angleButtons_) {
        PressOnEnter({&button});
    }
    PressOnEnter({&clearButton_, &beamQualityButton_, &showGeometryButton_, &setFilterButton_,
                  &releaseFiltersButton_, &calculateButton_, &resetButton_, &editConditionsButton_,
                  &saveSpectrumDataButton_, &saveGraphImageButton_, &exitButton_});
}

}  // namespace tubeline
