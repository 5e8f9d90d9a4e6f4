#include "forms/beam_quality_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "base/number_format.h"
#include "forms/window_program.h"
#include "model/attenuation_table_file.h"
#include "model/tungsten_lines_file.h"
#include "model/tungsten_target_file.h"
#include "support/recording_operator.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"
#include "texts/beam_quality_report.h"
#include "texts/result_texts.h"

namespace tubeline {
namespace {

using testing::Find;
using testing::VisibleWindow;

// The window program in a copy of the shipped table and the physics model's data, Tucker's model
// chosen.
class BeamQualityWindowTest : public ::testing::Test {
  protected:
    BeamQualityWindowTest() {
        for (const std::string_view file :
             {kAttenuationTableFileName, kTungstenTargetFileName, kTungstenLinesFileName}) {
            std::filesystem::copy_file(testing::DataFolder() / file, folder_ / std::string(file));
        }
        EXPECT_TRUE(program_.Load());
        Find<QPushButton>(program_.StartWindow(), "tuckerButton").click();
    }

    QPushButton& MainButton(const char* name) {
        return Find<QPushButton>(program_.MainWindow(), name);
    }
    QString MainText(const char* name) {
        return Find<QLineEdit>(program_.MainWindow(), name).text();
    }
    // Calculates and opens the beam-quality window.
    QWidget& CalculateAndOpen() {
        MainButton("calculateButton").click();
        MainButton("beamQualityButton").click();
        return VisibleWindow("BeamQualityWindow");
    }
    const BeamQualityFigures& CentreFigures() {
        return *(*program_.MainWindow().Logic().LastRunFigures())[kCentralAngleIndex];
    }

    testing::ScratchFolder folder_;
    testing::RecordedMessages messages_;
    testing::RecordedProgramEnd end_;
    WindowProgram program_{messages_, end_, folder_.Path()};
};

TEST_F(BeamQualityWindowTest, TheCommandIsEnabledWithTheExports) {
    QPushButton& command = MainButton("beamQualityButton");
    QPushButton& export7 = MainButton("saveSpectrumDataButton");
    const auto expect = [&](bool enabled, const char* after) {
        EXPECT_EQ(command.isEnabled(), enabled) << after;
        EXPECT_EQ(export7.isEnabled(), enabled) << after;
    };
    expect(false, "the model's choice");
    MainButton("calculateButton").click();
    expect(true, "a run");
    MainButton("clearButton").click();
    expect(true, "Clear, which leaves the last run to describe");
    MainButton("resetButton").click();
    expect(false, "リセット");
    command.click();
    EXPECT_THROW(VisibleWindow("BeamQualityWindow"), std::runtime_error);
}

TEST_F(BeamQualityWindowTest, TheTableShowsTheLastRunWithTheMainWindowsFigures) {
    QWidget& window = CalculateAndOpen();
    auto& table = Find<QTableWidget>(window, "figureTable");
    ASSERT_EQ(table.rowCount(), kAngleCount);
    EXPECT_EQ(table.verticalHeaderItem(0)->text(), "-10°");
    EXPECT_EQ(table.item(5, 0)->text(), MainText("halfValueLayerField"));
    EXPECT_EQ(table.item(5, 7)->text(), MainText("fluencePerExposureField"));
    EXPECT_NE(table.item(5, 0)->background(), table.item(4, 0)->background());
    EXPECT_TRUE(Find<QLabel>(window, "conditionsText").text().contains("管電圧 = 100 kV"));

    // A run that completes while the window is open shows itself.
    MainButton("resetButton").click();
    QLineEdit& voltage = Find<QLineEdit>(program_.MainWindow(), "tubeVoltageField");
    voltage.selectAll();
    QTest::keyClicks(&voltage, QStringLiteral("60"));
    MainButton("calculateButton").click();
    EXPECT_EQ(table.item(5, 0)->text(), MainText("halfValueLayerField"));
    EXPECT_TRUE(Find<QLabel>(window, "conditionsText").text().contains("管電圧 = 60 kV"));
}

// The absolute output's columns belong to the physics model's runs; a relative model's run says
// why it has none.
TEST_F(BeamQualityWindowTest, OnlyThePhysicsModelShowsTheAbsoluteOutput) {
    constexpr int kAt1m = static_cast<int>(kFigureColumnCount);  // the first absolute column
    constexpr int kAtDistance = kAt1m + 2;
    const auto absoluteColumnsShown = [](const QTableWidget& table) {
        return !table.isColumnHidden(kAt1m) && !table.isColumnHidden(kAtDistance);
    };
    QWidget& tucker = CalculateAndOpen();
    EXPECT_FALSE(absoluteColumnsShown(Find<QTableWidget>(tucker, "figureTable")));
    EXPECT_EQ(Find<QLabel>(tucker, "absoluteOutputNote").text().toStdString(),
              NoAbsoluteOutputMessage(SpectrumModel::Tucker));
    tucker.hide();

    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Find<QPushButton>(program.StartWindow(), "physicsButton").click();
    QLineEdit& distance = Find<QLineEdit>(program.MainWindow(), "distanceField");
    ASSERT_TRUE(distance.isVisible());
    distance.selectAll();
    QTest::keyClicks(&distance, QStringLiteral("2000"));
    Find<QPushButton>(program.MainWindow(), "calculateButton").click();
    Find<QPushButton>(program.MainWindow(), "beamQualityButton").click();
    QWidget& physics = VisibleWindow("BeamQualityWindow");
    const auto& table = Find<QTableWidget>(physics, "figureTable");
    EXPECT_TRUE(absoluteColumnsShown(table));
    EXPECT_TRUE(Find<QLabel>(physics, "absoluteOutputNote").text().isEmpty());
    EXPECT_TRUE(Find<QLabel>(physics, "conditionsText").text().contains("距離 = 2000 mm"));
    // At twice the distance a quarter of the air kerma at 1 m.
    const BeamQualityFigures& centre =
        *(*program.MainWindow().Logic().LastRunFigures())[kCentralAngleIndex];
    EXPECT_EQ(table.item(kCentralAngleIndex - 1, kAt1m)->text().toStdString(),
              FormatFixed(*centre.AirKermaPerMasAt1mMicrogray, 2));
    EXPECT_EQ(table.item(kCentralAngleIndex - 1, kAtDistance)->text().toStdString(),
              FormatFixed(*centre.AirKermaPerMasAt1mMicrogray / 4, 2));
}

TEST_F(BeamQualityWindowTest, CopyPutsEveryDigitOnTheClipboard) {
    QWidget& window = CalculateAndOpen();
    QApplication::clipboard()->clear();
    Find<QPushButton>(window, "copyButton").click();
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 13) << "twelve lines, each ended";
    EXPECT_TRUE(lines[0].startsWith("angle_deg\thvl1_mm_al\thvl2_mm_al\t"));
    const QStringList centre = lines[6].split(QLatin1Char('\t'));
    ASSERT_EQ(centre.size(), 11);
    EXPECT_EQ(centre[0], "0");
    const double layer = centre[1].toDouble();
    EXPECT_EQ(layer, *CentreFigures().HalfValueLayerMm);
    EXPECT_EQ(QString::fromStdString(FormatFixed(layer, 2)), MainText("halfValueLayerField"));
    EXPECT_FALSE(Find<QLabel>(window, "statusLine").text().isEmpty());
}

TEST_F(BeamQualityWindowTest, TheKeyboardMatchesATargetAndTheMainWindowIsReadyToCalculate) {
    QWidget& window = CalculateAndOpen();
    QApplication::setActiveWindow(&window);
    auto& target = Find<QLineEdit>(window, "targetField");
    ASSERT_EQ(QApplication::focusWidget(), &target);
    QTest::keyClicks(&target, QStringLiteral("4"));
    QTest::keyClick(&target, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), &Find<QPushButton>(window, "matchButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    const QString aluminium = MainText("aluminiumFilterField");
    EXPECT_GT(aluminium.toDouble(), 0);
    EXPECT_TRUE(Find<QLabel>(window, "statusLine").text().contains(aluminium));
    EXPECT_TRUE(MainText("halfValueLayerField").isEmpty());
    EXPECT_TRUE(Find<QLineEdit>(program_.MainWindow(), "aluminiumFilterField").isEnabled());
    MainButton("calculateButton").click();
    EXPECT_NEAR(*CentreFigures().HalfValueLayerMm, 4, 0.01);
    EXPECT_TRUE(messages_.Warnings.empty());
}

TEST_F(BeamQualityWindowTest, AnUnreachableTargetIsToldAndChangesNothing) {
    QWidget& window = CalculateAndOpen();
    QTest::keyClicks(&Find<QLineEdit>(window, "targetField"), QStringLiteral("1"));
    Find<QPushButton>(window, "matchButton").click();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    // Without added aluminium the unfiltered layer is the one shown.
    EXPECT_NE(messages_.Warnings[0].find("1.00 mm Al"), std::string::npos);
    EXPECT_NE(messages_.Warnings[0].find(MainText("halfValueLayerField").toStdString() + " mm Al"),
              std::string::npos);
    EXPECT_FALSE(MainText("halfValueLayerField").isEmpty());
    EXPECT_EQ(MainText("aluminiumFilterField"), "0");
    EXPECT_TRUE(MainButton("saveSpectrumDataButton").isEnabled());
}

}  // namespace
}  // namespace tubeline
