#include "forms/window_program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "model/attenuation_table_file.h"
#include "base/number_format.h"
#include "model/program_version.h"
#include "support/focus_mark_colour.h"
#include "support/image_probe.h"
#include "support/recording_operator.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"
#include "texts/notice_messages.h"
#include "ui/folder_lists.h"
#include "ui/qt_operator_messages.h"
#include "ui/window_language.h"

namespace tubeline {
namespace {

using testing::Find;
using testing::RecordedMessages;
using testing::RecordedProgramEnd;
using testing::ScratchFolder;
using testing::VisibleWindow;

// The working folder of a session: a copy of the shipped data.
class WindowSession : public ::testing::Test {
  protected:
    WindowSession() {
        std::filesystem::copy_file(testing::DataFolder() / kAttenuationTableFileName,
                                   folder_ / std::string(kAttenuationTableFileName));
    }

    QPushButton& Button(QWidget& window, const char* name) {
        return Find<QPushButton>(window, name);
    }

    ScratchFolder folder_;
    RecordedMessages messages_;
    RecordedProgramEnd end_;
};

TEST_F(WindowSession, AWholeSessionDrivenThroughTheControls) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    StartForm& startWindow = program.StartWindow();
    MainForm& mainWindow = program.MainWindow();
    startWindow.show();
    EXPECT_EQ(startWindow.windowTitle(), "  Tubeline");

    Button(startWindow, "birchButton").click();
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_FALSE(startWindow.isVisible());
    EXPECT_EQ(mainWindow.windowTitle(), "Diagnostic X-ray Spectrum by the Birch's formula");
    EXPECT_EQ(Find<QLabel>(mainWindow, "modelCaption").text(), "by Birch");
    EXPECT_EQ(Find<QLineEdit>(mainWindow, "targetAngleField").text(), "16");
    EXPECT_FALSE(Button(mainWindow, "saveSpectrumDataButton").isEnabled());
    EXPECT_FALSE(Find<QWidget>(mainWindow, "legendMark6").isVisible());

    QLineEdit& voltage = Find<QLineEdit>(mainWindow, "tubeVoltageField");
    voltage.selectAll();
    QTest::keyClicks(&voltage, QStringLiteral("80"));
    Find<QRadioButton>(mainWindow, "singlePhaseOption").click();
    EXPECT_EQ(program.State().Conditions.Rectification, RectificationMode::SinglePhaseFullWave);
    Button(mainWindow, "calculateButton").click();
    EXPECT_EQ(program.State().Conditions.TubeVoltage, 80);
    EXPECT_FALSE(Find<QLineEdit>(mainWindow, "halfValueLayerField").text().isEmpty());
    EXPECT_TRUE(
        Find<QLineEdit>(mainWindow, "fluencePerExposureField").text().contains(QLatin1Char('E')));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
    EXPECT_TRUE(Find<QWidget>(mainWindow, "legendMark6").isVisible());
    EXPECT_FALSE(voltage.isEnabled());
    EXPECT_FALSE(Find<QRadioButton>(mainWindow, "airKermaOption").isEnabled());
    EXPECT_TRUE(Button(mainWindow, "saveGraphImageButton").isEnabled());

    Button(mainWindow, "angleButton1").click();
    Button(mainWindow, "angleButton11").click();
    EXPECT_TRUE(Find<QWidget>(mainWindow, "legendMark1").isVisible());
    EXPECT_TRUE(Find<QWidget>(mainWindow, "legendMark11").isVisible());
    EXPECT_FALSE(Find<QWidget>(mainWindow, "legendMark5").isVisible());

    Button(mainWindow, "resetButton").click();
    EXPECT_TRUE(voltage.isEnabled());
    EXPECT_EQ(voltage.text(), "100");
    EXPECT_TRUE(Find<QLineEdit>(mainWindow, "halfValueLayerField").text().isEmpty());
    EXPECT_FALSE(Find<QWidget>(mainWindow, "legendMark1").isVisible());
    Find<QRadioButton>(mainWindow, "airKermaOption").click();
    EXPECT_EQ(mainWindow.Logic().VerticalAxisMode(), VerticalAxis::AirKerma);
    EXPECT_TRUE(Find<QRadioButton>(mainWindow, "airKermaOption").isChecked());

    Button(mainWindow, "calculateButton").click();
    EXPECT_FALSE(Find<QLineEdit>(mainWindow, "halfValueLayerField").text().isEmpty());
    EXPECT_TRUE(messages_.Warnings.empty());

    Button(mainWindow, "exitButton").click();
    EXPECT_EQ(end_.Ends, 1);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
}

TEST_F(WindowSession, FiltersAndBothExportsThroughTheMainWindow) {
    std::filesystem::copy_file(testing::DataFolder() / "Cu.ele", folder_ / "Cu.ele");
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    MainForm& mainWindow = program.MainWindow();

    Button(mainWindow, "setFilterButton").click();
    QWidget& filterDialog = VisibleWindow("FilterDialog");
    auto& materials = Find<QListWidget>(filterDialog, "materialList");
    ASSERT_EQ(materials.count(), 1);
    materials.setCurrentRow(0);
    QTest::keyClicks(&Find<QLineEdit>(filterDialog, "thicknessField"), QStringLiteral("0.1"));
    Button(filterDialog, "okButton").click();
    EXPECT_FALSE(filterDialog.isVisible());
    EXPECT_EQ(program.State().Filters.FilterCount, 1);

    Button(mainWindow, "calculateButton").click();
    EXPECT_FALSE(Button(mainWindow, "setFilterButton").isEnabled());
    EXPECT_FALSE(Button(mainWindow, "releaseFiltersButton").isEnabled());

    Button(mainWindow, "saveSpectrumDataButton").click();
    QWidget& dataDialog = VisibleWindow("SpectrumDataDialog");
    EXPECT_EQ(Find<QListWidget>(dataDialog, "previewList").count(), 310);
    QTest::keyClicks(&Find<QLineEdit>(dataDialog, "fileNameField"), QStringLiteral("spectra"));
    Button(dataDialog, "okButton").click();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "spectra.csv"));

    Button(mainWindow, "saveGraphImageButton").click();
    QWidget& imageDialog = VisibleWindow("GraphImageDialog");
    QTest::keyClicks(&Find<QLineEdit>(imageDialog, "fileNameField"), QStringLiteral("graph"));
    Button(imageDialog, "okButton").click();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "graph.bmp"));
    EXPECT_EQ(messages_.Informations.size(), 2u);
    EXPECT_TRUE(messages_.Warnings.empty());

    // Exports stay where they are when the program ends.
    Button(mainWindow, "exitButton").click();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "spectra.csv"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "graph.bmp"));
}

TEST_F(WindowSession, AFilterDialogLeftOpenAcrossARunAddsNothing) {
    std::filesystem::copy_file(testing::DataFolder() / "Cu.ele", folder_ / "Cu.ele");
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    MainForm& mainWindow = program.MainWindow();
    Button(mainWindow, "setFilterButton").click();
    QWidget& filterDialog = VisibleWindow("FilterDialog");
    Find<QListWidget>(filterDialog, "materialList").setCurrentRow(0);
    QTest::keyClicks(&Find<QLineEdit>(filterDialog, "thicknessField"), QStringLiteral("0.1"));

    Button(mainWindow, "calculateButton").click();
    Button(filterDialog, "okButton").click();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("リセット"), std::string::npos);
    EXPECT_EQ(program.State().Filters.FilterCount, 0);
    Button(mainWindow, "saveSpectrumDataButton").click();
    EXPECT_EQ(Find<QListWidget>(VisibleWindow("SpectrumDataDialog"), "previewList").item(6)->text(),
              "任意フィルタ (-)");
}

TEST_F(WindowSession, TheKeyboardAloneChoosesAModelAndCalculates) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    StartForm& startWindow = program.StartWindow();
    startWindow.show();
    QApplication::setActiveWindow(&startWindow);
    EXPECT_EQ(QApplication::focusWidget(), &Button(startWindow, "tuckerButton"))
        << "the first model has the focus";
    QTest::keyClick(&Button(startWindow, "birchButton"), Qt::Key_Return);
    MainForm& mainWindow = program.MainWindow();
    ASSERT_TRUE(mainWindow.isVisible());
    QApplication::setActiveWindow(&mainWindow);
    EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>(mainWindow, "tubeVoltageField"));

    // Tab follows the layout from the fields to the commands.
    std::vector<QString> visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited,
              (std::vector<QString>{"targetAngleField", "inherentFiltrationField",
                                    "aluminiumFilterField", "copperFilterField", "setFilterButton",
                                    "releaseFiltersButton", "calculateButton", "resetButton"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Find<QLineEdit>(mainWindow, "halfValueLayerField").text().isEmpty());
    EXPECT_TRUE(Button(mainWindow, "saveSpectrumDataButton").isEnabled());

    // After the commands, Tab goes on to the graph's column.
    Button(mainWindow, "saveGraphImageButton").setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Button(mainWindow, "angleButton1"));

    // "条件変更" opens the conditions as they are, at the tube voltage, so that the next Enter
    // calculates rather than opens a save dialog; Enter in a field calculates at once.
    QTest::keyClick(&Button(mainWindow, "editConditionsButton"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>(mainWindow, "tubeVoltageField"));
    QLineEdit& aluminium = Find<QLineEdit>(mainWindow, "aluminiumFilterField");
    ASSERT_TRUE(aluminium.isEnabled());
    EXPECT_EQ(Find<QLineEdit>(mainWindow, "tubeVoltageField").text(), "100");
    const QString before = Find<QLineEdit>(mainWindow, "halfValueLayerField").text();
    aluminium.setFocus();
    aluminium.selectAll();
    QTest::keyClicks(&aluminium, QStringLiteral("2"));
    QTest::keyClick(&aluminium, Qt::Key_Return);
    EXPECT_FALSE(aluminium.isEnabled()) << "computed";
    EXPECT_GT(Find<QLineEdit>(mainWindow, "halfValueLayerField").text().toDouble(),
              before.toDouble());
}

// Tab reaches each group of options, and the option wears the focus mark as clearly as a button
// does.
TEST_F(WindowSession, TheOptionsWearTheFocusMark) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    MainForm& mainWindow = program.MainWindow();
    QApplication::setActiveWindow(&mainWindow);
    Find<QLineEdit>(mainWindow, "tubeVoltageField").setFocus();
    std::vector<QString> visited;
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, (std::vector<QString>{"singlePhaseOption", "airKermaOption"}));
    QWidget& option = *QApplication::focusWidget();
    const QImage image = option.grab().toImage();
    EXPECT_GT(testing::CountColour(image, image.rect(), testing::kFocusMarkColour), 50);
    // Around the caption, clear of the circle.
    const int circle = option.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    EXPECT_EQ(
        testing::CountColour(image, QRect(0, 0, circle, image.height()), testing::kFocusMarkColour),
        0);
}

TEST_F(WindowSession, InEnglishEveryCaptionFitsAndMessagesFollow) {
    ASSERT_TRUE(SpeakWindowLanguage(Language::English));
    {
        WindowProgram program(messages_, end_, folder_.Path());
        ASSERT_TRUE(program.Load());
        EXPECT_EQ(program.StartWindow().windowTitle(), "Tubeline");
        Button(program.StartWindow(), "tuckerButton").click();
        MainForm& mainWindow = program.MainWindow();
        EXPECT_EQ(mainWindow.windowTitle(), "Tubeline — Tucker's formula");
        EXPECT_EQ(Button(mainWindow, "calculateButton").text(), "Calculate spectra");
        EXPECT_EQ(Button(mainWindow, "exitButton").accessibleName(), "EXIT");
        EXPECT_FALSE(Button(mainWindow, "exitButton").toolTip().isEmpty());
        EXPECT_EQ(Find<QRadioButton>(mainWindow, "photonFluenceOption").text(), "Photon fluence");
        for (const char* option : {"constantPotentialOption", "threePhaseOption",
                                   "singlePhaseOption", "photonFluenceOption", "airKermaOption"}) {
            const QRadioButton& button = Find<QRadioButton>(mainWindow, option);
            EXPECT_GE(button.width(), button.sizeHint().width()) << option;
            EXPECT_LE(button.geometry().right(), button.parentWidget()->width()) << option;
        }
        Find<QLineEdit>(mainWindow, "targetAngleField").setText(QStringLiteral("5"));
        Find<QLineEdit>(mainWindow, "targetAngleField").textEdited(QStringLiteral("5"));
        Button(mainWindow, "calculateButton").click();
        ASSERT_EQ(messages_.Warnings.size(), 1u);
        EXPECT_EQ(messages_.Warnings[0], "The target angle is below the minimum (12 degrees)");
    }
    SpeakWindowLanguage(Language::Japanese);
    EXPECT_EQ(NoticeMessage(Notice::NoFileName), "ファイル名を入力して下さい");
}

// Under the graph, the pointer's energy reads every drawn curve, named by run and angle.
TEST_F(WindowSession, ThePointerReadsEveryDrawnCurve) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    MainForm& mainWindow = program.MainWindow();
    Button(mainWindow, "calculateButton").click();
    Button(mainWindow, "angleButton1").click();
    const SpectrumTable hard = program.State().Spectra;
    Button(mainWindow, "editConditionsButton").click();
    QLineEdit& voltage = Find<QLineEdit>(mainWindow, "tubeVoltageField");
    voltage.selectAll();
    QTest::keyClicks(&voltage, QStringLiteral("60"));
    Button(mainWindow, "calculateButton").click();
    const SpectrumTable soft = program.State().Spectra;

    // The pointer's pixel at 59.9 keV lies on the step of the 60-keV bin (59.75 to 60.25 keV).
    QWidget& graph = Find<QWidget>(mainWindow, "graphView");
    const QPoint pixel = GraphCanvas::ToPixel({1000 + 30 * 60, 1000}) + QPoint(2, 2);
    QMouseEvent move(QEvent::MouseMove, pixel, graph.mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&graph, &move);
    constexpr int kBin = 120;
    const auto relative = [](const SpectrumTable& spectra, int angle) {
        return FormatFixed(spectra.PhotonSpectrum[angle][kBin] / spectra.SpectrumPeak, 3);
    };
    EXPECT_EQ(Find<QLabel>(mainWindow, "pointerReading").text().toStdString(),
              "59.9 keV の相対値　#1 0° " + relative(hard, 6) + ", -10° " + relative(hard, 1) +
                  "; #2 0° " + relative(soft, 6));
    EXPECT_EQ(relative(soft, 6), "0.000") << "beyond the 60-kV beam's end";
}

// Qt's own buttons speak the window's language too.
TEST_F(WindowSession, MessageBoxButtonsSpeakJapanese) {
    ASSERT_TRUE(SpeakQtLanguage(Language::Japanese));
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const QMessageBox::StandardButton button : {QMessageBox::Yes, QMessageBox::No}) {
            buttons << box->button(button)->text();
        }
        box->button(QMessageBox::No)->click();
    });
    QtOperatorMessages messages;
    EXPECT_FALSE(messages.Confirm("置き換えますか？"));
    SpeakQtLanguage(Language::English);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}));
}

// "このプログラムについて", from the start window's button or F1 in the main window, in the
// window's language: the version, the licence, the data's sources and where the validation is.
TEST_F(WindowSession, AboutNamesVersionLicenceDataAndValidation) {
    const auto aboutText = [this](Language language) {
        SpeakWindowLanguage(language);
        WindowProgram program(messages_, end_, folder_.Path());
        EXPECT_TRUE(program.Load());
        program.StartWindow().show();
        Button(program.StartWindow(), "aboutButton").click();
        const QString text = Find<QLabel>(VisibleWindow("AboutWindow"), "paragraphs").text();
        VisibleWindow("AboutWindow").hide();
        return text.toStdString();
    };
    const std::string english = aboutText(Language::English);
    const std::string japanese = aboutText(Language::Japanese);
    const std::string version(kProgramVersion);
    EXPECT_NE(japanese.find("バージョン " + version), std::string::npos);
    EXPECT_NE(english.find("Version " + version), std::string::npos);
    for (const std::string& text : {japanese, english}) {
        for (const char* fact : {"MIT", "xraylib", "BSD", "SpekPy", "docs/validation.md"}) {
            EXPECT_NE(text.find(fact), std::string::npos) << fact << " in\n" << text;
        }
    }
}

TEST_F(WindowSession, RejectionShowsTheWarningAndResetsTheAngleField) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    QLineEdit& angle = Find<QLineEdit>(program.MainWindow(), "targetAngleField");
    angle.clear();
    QTest::keyClicks(&angle, QStringLiteral("11.99"));
    Button(program.MainWindow(), "calculateButton").click();
    EXPECT_EQ(messages_.Warnings,
              std::vector<std::string>{"ターゲット角度が最小限度 (12度) 以下です"});
    EXPECT_EQ(angle.text(), "12");
    EXPECT_TRUE(angle.isEnabled());
}

TEST_F(WindowSession, GeometryWindowShowsAndHides) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    Button(program.MainWindow(), "showGeometryButton").click();
    QWidget* geometryWindow = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "GeometryForm") {
            geometryWindow = window;
        }
    }
    ASSERT_NE(geometryWindow, nullptr);
    EXPECT_TRUE(geometryWindow->isVisible());
    EXPECT_EQ(geometryWindow->windowTitle(), " 計算点 模式図");
    EXPECT_EQ(Button(*geometryWindow, "closeButton").text(), "閉じる");
    Button(*geometryWindow, "closeButton").click();
    EXPECT_FALSE(geometryWindow->isVisible());
    Button(program.MainWindow(), "showGeometryButton").click();
    EXPECT_TRUE(geometryWindow->isVisible());
    EXPECT_EQ(end_.Ends, 0);
}

TEST_F(WindowSession, ExitFromTheStartWindowAndClosingByTheFrame) {
    {
        WindowProgram program(messages_, end_, folder_.Path());
        ASSERT_TRUE(program.Load());
        program.StartWindow().show();
        Button(program.StartWindow(), "exitButton").click();
        EXPECT_EQ(end_.Ends, 1);
    }
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "tuckerButton").click();
    Button(program.MainWindow(), "calculateButton").click();
    ASSERT_TRUE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
    program.MainWindow().close();
    EXPECT_EQ(end_.Ends, 2);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
}

TEST_F(WindowSession, InstalledDataIsReadWhereItIsAndWritingGoesToTheUsersFolders) {
    // folder_ plays the installed data folder.
    ScratchFolder user;
    std::filesystem::create_directory(user / "Documents");
    const FilePlaces places{folder_.Path(),
                            user / "data/tubeline",
                            {user / "data/tubeline", folder_.Path()},
                            user / "Documents"};
    {
        WindowProgram program(messages_, end_, places);
        ASSERT_TRUE(program.Load());
        EXPECT_TRUE(std::filesystem::is_directory(user / "data/tubeline"));
        Button(program.StartWindow(), "tuckerButton").click();
        Button(program.MainWindow(), "calculateButton").click();
        EXPECT_TRUE(std::filesystem::exists(user / "data/tubeline/B_SPCTL.temp"));
        EXPECT_FALSE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
        Button(program.MainWindow(), "saveSpectrumDataButton").click();
        QWidget& dataDialog = VisibleWindow("SpectrumDataDialog");
        EXPECT_EQ(Find<FileList>(dataDialog, "fileList").Path(),
                  std::filesystem::canonical(user / "Documents"));
        dataDialog.hide();
        EXPECT_TRUE(messages_.Warnings.empty());
    }

    // A folder that cannot be made is told once; the program still starts and computes, and
    // each run reports its table file.
    testing::WriteBytes(user / "file", "");
    WindowProgram program(messages_, end_,
                          {folder_.Path(), user / "file/tubeline", {folder_.Path()}, user.Path()});
    ASSERT_TRUE(program.Load());
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_EQ(messages_.Warnings[0], "作業用フォルダ " + (user / "file/tubeline").string() +
                                         " を作成できません（途中にフォルダでないファイルがあり"
                                         "ます）。スペクトル表ファイルは書き込まれません。");
    Button(program.StartWindow(), "tuckerButton").click();
    Button(program.MainWindow(), "calculateButton").click();
    EXPECT_FALSE(Find<QLineEdit>(program.MainWindow(), "halfValueLayerField").text().isEmpty());
    ASSERT_EQ(messages_.Warnings.size(), 2u);
    EXPECT_NE(messages_.Warnings[1].find("スペクトル表ファイル"), std::string::npos);
}

TEST_F(WindowSession, MissingDataStopsBeforeAnyWindow) {
    std::filesystem::remove(folder_ / std::string(kAttenuationTableFileName));
    WindowProgram program(messages_, end_, folder_.Path());
    EXPECT_FALSE(program.Load());
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("Att_Coeff2020.dat を読めません"), std::string::npos);
    EXPECT_FALSE(program.StartWindow().isVisible());
    EXPECT_FALSE(program.MainWindow().isVisible());
}

}  // namespace
}  // namespace tubeline
