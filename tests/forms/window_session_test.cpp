#include "forms/window_program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "model/attenuation_table_file.h"
#include "support/recording_operator.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"
#include "texts/messages.h"
#include "ui/folder_lists.h"
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
    StartForm& form8 = program.StartWindow();
    MainForm& form2 = program.MainWindow();
    form8.show();
    EXPECT_EQ(form8.windowTitle(), "  Tubeline");

    Button(form8, "Command2").click();
    EXPECT_TRUE(form2.isVisible());
    EXPECT_FALSE(form8.isVisible());
    EXPECT_EQ(form2.windowTitle(), "Diagnostic X-ray Spectrum by the Birch's formula");
    EXPECT_EQ(Find<QLabel>(form2, "Label35").text(), "by Birch");
    EXPECT_EQ(Find<QLineEdit>(form2, "Text5").text(), "16");
    EXPECT_FALSE(Button(form2, "Command7").isEnabled());
    EXPECT_FALSE(Find<QWidget>(form2, "Line6").isVisible());

    QLineEdit& voltage = Find<QLineEdit>(form2, "Text1");
    voltage.selectAll();
    QTest::keyClicks(&voltage, QStringLiteral("80"));
    Find<QRadioButton>(form2, "Option9").click();
    EXPECT_EQ(program.State().Conditions.Rectification, RectificationMode::SinglePhaseFullWave);
    Button(form2, "Command1").click();
    EXPECT_EQ(program.State().Conditions.TubeVoltage, 80);
    EXPECT_FALSE(Find<QLineEdit>(form2, "Text9").text().isEmpty());
    EXPECT_TRUE(Find<QLineEdit>(form2, "Text11").text().contains(QLatin1Char('E')));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
    EXPECT_TRUE(Find<QWidget>(form2, "Line6").isVisible());
    EXPECT_FALSE(voltage.isEnabled());
    EXPECT_FALSE(Find<QRadioButton>(form2, "Option11").isEnabled());
    EXPECT_TRUE(Button(form2, "Command8").isEnabled());

    Button(form2, "Command11").click();
    Button(form2, "Command21").click();
    EXPECT_TRUE(Find<QWidget>(form2, "Line1").isVisible());
    EXPECT_TRUE(Find<QWidget>(form2, "Line11").isVisible());
    EXPECT_FALSE(Find<QWidget>(form2, "Line5").isVisible());

    Button(form2, "Command3").click();
    EXPECT_TRUE(voltage.isEnabled());
    EXPECT_EQ(voltage.text(), "100");
    EXPECT_TRUE(Find<QLineEdit>(form2, "Text9").text().isEmpty());
    EXPECT_FALSE(Find<QWidget>(form2, "Line1").isVisible());
    Find<QRadioButton>(form2, "Option11").click();
    EXPECT_EQ(form2.Logic().VerticalAxisMode(), VerticalAxis::AirKerma);
    EXPECT_TRUE(Find<QRadioButton>(form2, "Option11").isChecked());

    Button(form2, "Command1").click();
    EXPECT_FALSE(Find<QLineEdit>(form2, "Text9").text().isEmpty());
    EXPECT_TRUE(messages_.Warnings.empty());

    Button(form2, "Command2").click();
    EXPECT_EQ(end_.Ends, 1);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
}

TEST_F(WindowSession, FiltersAndBothExportsThroughTheMainWindow) {
    std::filesystem::copy_file(testing::DataFolder() / "Cu.ele", folder_ / "Cu.ele");
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "Command1").click();
    MainForm& form2 = program.MainWindow();

    Button(form2, "Command4").click();
    QWidget& form1 = VisibleWindow("Form1");
    auto& materials = Find<QListWidget>(form1, "File1");
    ASSERT_EQ(materials.count(), 1);
    materials.setCurrentRow(0);
    QTest::keyClicks(&Find<QLineEdit>(form1, "Text2"), QStringLiteral("0.1"));
    Button(form1, "Command1").click();
    EXPECT_FALSE(form1.isVisible());
    EXPECT_EQ(program.State().Filters.FilterCount, 1);

    Button(form2, "Command1").click();
    EXPECT_FALSE(Button(form2, "Command4").isEnabled());
    EXPECT_FALSE(Button(form2, "Command5").isEnabled());

    Button(form2, "Command7").click();
    QWidget& form3 = VisibleWindow("Form3");
    EXPECT_EQ(Find<QListWidget>(form3, "List1").count(), 310);
    QTest::keyClicks(&Find<QLineEdit>(form3, "Text1"), QStringLiteral("spectra"));
    Button(form3, "Command1").click();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "spectra.csv"));

    Button(form2, "Command8").click();
    QWidget& form7 = VisibleWindow("Form7");
    QTest::keyClicks(&Find<QLineEdit>(form7, "Text1"), QStringLiteral("graph"));
    Button(form7, "Command1").click();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "graph.bmp"));
    EXPECT_EQ(messages_.Informations.size(), 2u);
    EXPECT_TRUE(messages_.Warnings.empty());

    // Exports stay where they are when the program ends.
    Button(form2, "Command2").click();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "spectra.csv"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "graph.bmp"));
}

TEST_F(WindowSession, AFilterDialogLeftOpenAcrossARunAddsNothing) {
    std::filesystem::copy_file(testing::DataFolder() / "Cu.ele", folder_ / "Cu.ele");
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "Command1").click();
    MainForm& form2 = program.MainWindow();
    Button(form2, "Command4").click();
    QWidget& form1 = VisibleWindow("Form1");
    Find<QListWidget>(form1, "File1").setCurrentRow(0);
    QTest::keyClicks(&Find<QLineEdit>(form1, "Text2"), QStringLiteral("0.1"));

    Button(form2, "Command1").click();
    Button(form1, "Command1").click();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("リセット"), std::string::npos);
    EXPECT_EQ(program.State().Filters.FilterCount, 0);
    Button(form2, "Command7").click();
    EXPECT_EQ(Find<QListWidget>(VisibleWindow("Form3"), "List1").item(6)->text(),
              "任意フィルタ (-)");
}

TEST_F(WindowSession, TheKeyboardAloneChoosesAModelAndCalculates) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    StartForm& form8 = program.StartWindow();
    form8.show();
    QApplication::setActiveWindow(&form8);
    QTest::keyClick(&Button(form8, "Command2"), Qt::Key_Return);
    MainForm& form2 = program.MainWindow();
    ASSERT_TRUE(form2.isVisible());
    QApplication::setActiveWindow(&form2);
    EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>(form2, "Text1"));

    // Tab follows the layout from the fields to the commands.
    std::vector<QString> visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, (std::vector<QString>{"Text5", "Text2", "Text3", "Text4", "Command4",
                                             "Command5", "Command1", "Command3"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Find<QLineEdit>(form2, "Text9").text().isEmpty());
    EXPECT_TRUE(Button(form2, "Command7").isEnabled());
}

TEST_F(WindowSession, InEnglishEveryCaptionFitsAndMessagesFollow) {
    ASSERT_TRUE(SpeakWindowLanguage(Language::English));
    {
        WindowProgram program(messages_, end_, folder_.Path());
        ASSERT_TRUE(program.Load());
        Button(program.StartWindow(), "Command1").click();
        MainForm& form2 = program.MainWindow();
        EXPECT_EQ(Button(form2, "Command1").text(), "Calculate spectra");
        for (const char* option : {"Option7", "Option8", "Option9", "Option10", "Option11"}) {
            const QRadioButton& button = Find<QRadioButton>(form2, option);
            EXPECT_GE(button.width(), button.sizeHint().width()) << option;
            EXPECT_LE(button.geometry().right(), button.parentWidget()->width()) << option;
        }
        Find<QLineEdit>(form2, "Text5").setText(QStringLiteral("5"));
        Find<QLineEdit>(form2, "Text5").textEdited(QStringLiteral("5"));
        Button(form2, "Command1").click();
        ASSERT_EQ(messages_.Warnings.size(), 1u);
        EXPECT_EQ(messages_.Warnings[0], "The target angle is below the minimum (12 degrees)");
    }
    SpeakWindowLanguage(Language::Japanese);
    EXPECT_EQ(NoticeMessage(Notice::NoFileName), "ファイル名を入力して下さい");
}

TEST_F(WindowSession, RejectionShowsTheWarningAndResetsTheAngleField) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "Command1").click();
    QLineEdit& angle = Find<QLineEdit>(program.MainWindow(), "Text5");
    angle.clear();
    QTest::keyClicks(&angle, QStringLiteral("11.99"));
    Button(program.MainWindow(), "Command1").click();
    EXPECT_EQ(messages_.Warnings,
              std::vector<std::string>{"ターゲット角度が最小限度 (12度) 以下です"});
    EXPECT_EQ(angle.text(), "12");
    EXPECT_TRUE(angle.isEnabled());
}

TEST_F(WindowSession, GeometryWindowShowsAndHides) {
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "Command1").click();
    Button(program.MainWindow(), "Command6").click();
    QWidget* form4 = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "Form4") {
            form4 = window;
        }
    }
    ASSERT_NE(form4, nullptr);
    EXPECT_TRUE(form4->isVisible());
    EXPECT_EQ(form4->windowTitle(), " Geometry");
    Button(*form4, "Command1").click();
    EXPECT_FALSE(form4->isVisible());
    Button(program.MainWindow(), "Command6").click();
    EXPECT_TRUE(form4->isVisible());
    EXPECT_EQ(end_.Ends, 0);
}

TEST_F(WindowSession, ExitFromTheStartWindowAndClosingByTheFrame) {
    {
        WindowProgram program(messages_, end_, folder_.Path());
        ASSERT_TRUE(program.Load());
        program.StartWindow().show();
        Button(program.StartWindow(), "Command3").click();
        EXPECT_EQ(end_.Ends, 1);
    }
    WindowProgram program(messages_, end_, folder_.Path());
    ASSERT_TRUE(program.Load());
    Button(program.StartWindow(), "Command1").click();
    Button(program.MainWindow(), "Command1").click();
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
        Button(program.StartWindow(), "Command1").click();
        Button(program.MainWindow(), "Command1").click();
        EXPECT_TRUE(std::filesystem::exists(user / "data/tubeline/B_SPCTL.temp"));
        EXPECT_FALSE(std::filesystem::exists(folder_ / "B_SPCTL.temp"));
        Button(program.MainWindow(), "Command7").click();
        QWidget& form3 = VisibleWindow("Form3");
        EXPECT_EQ(Find<FileList>(form3, "File1").Path(),
                  std::filesystem::canonical(user / "Documents"));
        form3.hide();
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
    Button(program.StartWindow(), "Command1").click();
    Button(program.MainWindow(), "Command1").click();
    EXPECT_FALSE(Find<QLineEdit>(program.MainWindow(), "Text9").text().isEmpty());
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
