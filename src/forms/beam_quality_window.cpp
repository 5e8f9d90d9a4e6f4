#include "beam_quality_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>

#include "model/output_conditions.h"
#include "texts/beam_quality_report.h"
#include "texts/condition_messages.h"
#include "texts/match_messages.h"
#include "texts/notice_messages.h"
#include "texts/result_texts.h"
#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {
namespace {

// The light yellow of the beam-centre row, as the filter commands wear it.
const QColor kBeamCentreBackground(0xff, 0xff, 0xc0);

// An hourglass while a search of many model runs keeps the window busy.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

BeamQualityWindow::BeamQualityWindow(MainFormLogic& logic, OperatorMessages& messages)
    : logic_(logic),
      messages_(messages),
      conditionsHeading_(tr("計算条件（最後に計算したスペクトル）"), this),
      conditionsText_(this),
      tableHeading_(tr("角度ごとの線質（角度は線束中心から、－ は陰極側、＋ は陽極側）"), this),
      figureTable_(kAngleCount, static_cast<int>(kFigureColumnCount), this),
      absoluteOutputNote_(this),
      targetCaption_(tr("目標の半価層"), this),
      targetField_(this),
      targetUnit_(QStringLiteral("mm Al"), this),
      matchButton_(tr("半価層に合わせる"), this),
      copyButton_(tr("コピー"), this),
      closeButton_(tr("閉じる"), this),
      statusLine_(this) {
    setObjectName(QStringLiteral("BeamQualityWindow"));
    setWindowTitle(tr("線質の詳細"));
    setFont(InterfaceFont(9));
    LayOut();
    PressOnEnter({&matchButton_, &copyButton_, &closeButton_});
    SetEscapeButton(closeButton_);
    SetTabOrder({&targetField_, &matchButton_, &copyButton_, &closeButton_, &figureTable_});
    MoveFocusOnEnter(targetField_, matchButton_);
    connect(&matchButton_, &QPushButton::clicked, this, [this] { MatchTarget(); });
    connect(&copyButton_, &QPushButton::clicked, this, [this] { CopyTable(); });
    connect(&closeButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void BeamQualityWindow::LayOut() {
    // Wide enough for the thirteen columns of a run with an absolute output.
    setFixedSize(Pixels(19200), Pixels(8400));
    PlaceLabel(conditionsHeading_, "conditionsHeading", 240, 180);
    conditionsHeading_.setStyleSheet(QStringLiteral("color: #0000ff;"));
    PlaceLabel(conditionsText_, "conditionsText", 360, 480, 18600, 840);
    conditionsText_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceLabel(tableHeading_, "tableHeading", 240, 1440);
    tableHeading_.setStyleSheet(QStringLiteral("color: #0000ff;"));

    Place(figureTable_, "figureTable", {240, 1740, 18720, 4980});
    // The captions a size smaller than the cells, so that each fits its column.
    figureTable_.horizontalHeader()->setFont(InterfaceFont(8));
    PlaceLabel(absoluteOutputNote_, "absoluteOutputNote", 240, 6780, 18720, 300);
    figureTable_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    figureTable_.setSelectionMode(QAbstractItemView::NoSelection);
    figureTable_.setTabKeyNavigation(false);
    figureTable_.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    figureTable_.verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    figureTable_.setColumnCount(static_cast<int>(kFigureColumnCount + kAbsoluteOutputFigureCount));
    int column = 0;
    for (const char* caption : kFigureColumnCaptions) {
        // The table owns its items.
        figureTable_.setHorizontalHeaderItem(
            column++, std::make_unique<QTableWidgetItem>(tr(caption)).release());
    }
    for (const char* caption : kAbsoluteOutputCaptions) {
        figureTable_.setHorizontalHeaderItem(
            column++, std::make_unique<QTableWidgetItem>(tr(caption)).release());
    }
    for (int a = 1; a <= kAngleCount; ++a) {
        figureTable_.setVerticalHeaderItem(
            a - 1, std::make_unique<QTableWidgetItem>(Text(AngleCaption(a))).release());
    }
    figureTable_.setToolTip(
        tr("均等度 = 第1半価層 / 第2半価層。"
           "求められない値は — で示します"));

    PlaceLabel(targetCaption_, "targetCaption", 240, 7305);
    Place(targetField_, "targetField", {1560, 7260, 1095, 330});
    targetField_.setAlignment(Qt::AlignRight);
    PlaceLabel(targetUnit_, "targetUnit", 2760, 7305);
    Place(matchButton_, "matchButton", {3600, 7185, 2175, 495});
    matchButton_.setToolTip(
        tr("最後に計算した条件で目標の半価層になるアルミ付加フィルタの厚さを探し、"
           "リセットしてその条件と厚さを入力欄に入れます"));
    Place(copyButton_, "copyButton", {15000, 7185, 1815, 495});
    copyButton_.setToolTip(
        tr("表をタブ区切りの文字としてクリップボードに入れます（表計算ソフトに貼り付け"
           "られます）"));
    Place(closeButton_, "closeButton", {17145, 7185, 1815, 495});
    PlaceLabel(statusLine_, "statusLine", 240, 7860, 18720, 330);
}

void BeamQualityWindow::Open() {
    if (logic_.RunInProgress() || logic_.LastRun() == nullptr) {
        return;
    }
    ShowLastRun();
    ShowInFront(&targetField_);
}

void BeamQualityWindow::ShowLastRun() {
    const ExportedRun* run = logic_.LastRun();
    const AngleFigures* figures = logic_.LastRunFigures();
    if (run == nullptr || figures == nullptr) {
        return;
    }
    QStringList lines;
    for (const std::string& line : ConditionSummary(run->Conditions, run->Filters)) {
        lines.append(Text(line));
    }
    conditionsText_.setText(lines.join(QLatin1Char('\n')));
    const SpectrumModel model = run->Conditions.ModelChoice;
    const bool absoluteOutput = HasAbsoluteOutput(model);
    FillTable(*figures, absoluteOutput);
    absoluteOutputNote_.setText(absoluteOutput ? QString() : Text(NoAbsoluteOutputMessage(model)));
    statusLine_.clear();
}

void BeamQualityWindow::FillTable(const AngleFigures& figures, bool absoluteOutput) {
    QFont bold = figureTable_.font();
    bold.setBold(true);
    for (int a = 1; a <= kAngleCount; ++a) {
        int column = 0;
        const auto setCell = [&](const std::string& text) {
            auto item = std::make_unique<QTableWidgetItem>(Text(text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (a == kCentralAngleIndex) {
                item->setBackground(kBeamCentreBackground);
                item->setFont(bold);
            }
            figureTable_.setItem(a - 1, column++, item.release());
        };
        for (const std::string& cell : DisplayedFigures(figures[a])) {
            setCell(cell);
        }
        for (const std::string& cell : DisplayedAbsoluteOutput(figures[a])) {
            setCell(cell);
        }
    }
    for (std::size_t i = 0; i < kAbsoluteOutputFigureCount; ++i) {
        figureTable_.setColumnHidden(static_cast<int>(kFigureColumnCount + i), !absoluteOutput);
    }
    figureTable_.verticalHeaderItem(kCentralAngleIndex - 1)->setFont(bold);
}

void BeamQualityWindow::CopyTable() {
    const AngleFigures* figures = logic_.LastRunFigures();
    if (figures == nullptr) {
        return;
    }
    QGuiApplication::clipboard()->setText(Text(BeamQualityTsv(*figures)));
    statusLine_.setText(Text(NoticeMessage(Notice::BeamQualityTableCopied)));
}

void BeamQualityWindow::MatchTarget() {
    std::optional<AluminiumMatch> match;
    {
        const WaitCursor busy;
        match = logic_.MatchAddedAluminium(targetField_.text().toStdString());
    }
    if (!match) {
        return;
    }
    if (const auto* reached = std::get_if<HalfValueLayerReached>(&match->Result)) {
        statusLine_.setText(Text(HalfValueLayerMatchedMessage(
            logic_.Controls().Fields.AluminiumFilter, *reached->Figures.HalfValueLayerMm)));
        return;
    }
    statusLine_.clear();
    messages_.Warning(HalfValueLayerMatchMessage(match->Result, match->TargetMm,
                                                 AddedFilterSymbol(AddedFilter::Aluminium)));
}

}  // namespace tubeline
