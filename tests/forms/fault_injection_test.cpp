// What the operator sees and what is on disk when the file system or the input works against
// the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "forms/window_program.h"
#include "model/attenuation_table_file.h"
#include "support/recording_operator.h"
#include "support/restricted_process.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"

namespace tubeline {
namespace {

using testing::Find;
using testing::ReadBytes;
using testing::RecordedMessages;
using testing::RecordedProgramEnd;
using testing::ScratchFolder;
using testing::VisibleWindow;
using testing::WriteBytes;
namespace fs = std::filesystem;

class FaultInjection : public ::testing::Test {
  protected:
    FaultInjection() { CopyData(folder_.Path()); }

    static void CopyData(const fs::path& folder) {
        fs::copy_file(testing::DataFolder() / kAttenuationTableFileName,
                      folder / std::string(kAttenuationTableFileName));
        fs::copy_file(testing::DataFolder() / "Al.ele", folder / "Al.ele");
    }

    // Starts the program in the folder with the model chosen.
    std::unique_ptr<WindowProgram> Start(const fs::path& folder) {
        auto program = std::make_unique<WindowProgram>(messages_, end_, folder);
        if (!program->Load()) {
            return nullptr;
        }
        Find<QPushButton>(program->StartWindow(), "tuckerButton").click();
        return program;
    }

    void SetField(MainForm& mainWindow, const char* name, const QString& text) {
        QLineEdit& field = Find<QLineEdit>(mainWindow, name);
        field.selectAll();
        field.del();
        QTest::keyClicks(&field, text);
    }

    std::string LoadFailure(const std::string& content) {
        WriteBytes(folder_ / std::string(kAttenuationTableFileName), content);
        WindowProgram program(messages_, end_, folder_.Path());
        EXPECT_FALSE(program.Load());
        EXPECT_FALSE(program.StartWindow().isVisible());
        return messages_.Warnings.empty() ? "" : messages_.Warnings.back();
    }

    ScratchFolder folder_;
    RecordedMessages messages_;
    RecordedProgramEnd end_;
};

TEST_F(FaultInjection, ReadOnlyWorkingFolderRunsAndStillExportsTheRun) {
    testing::MakeReadOnlyFolder(folder_.Path());
    const testing::WithoutSuperuserRights unprivileged;
    auto program = Start(folder_.Path());
    ASSERT_TRUE(program);
    MainForm& mainWindow = program->MainWindow();
    Find<QPushButton>(mainWindow, "calculateButton").click();

    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_EQ(messages_.Warnings[0], "スペクトル表ファイル " + (folder_ / "B_SPCTL.temp").string() +
                                         " を書き込めません（アクセスが許可されていません）");
    EXPECT_FALSE(Find<QLineEdit>(mainWindow, "halfValueLayerField").text().isEmpty());
    EXPECT_FALSE(Find<QLineEdit>(mainWindow, "tubeVoltageField").isEnabled());
    EXPECT_FALSE(fs::exists(folder_ / "B_SPCTL.temp"));

    // The run still holds its own table lines for the export.
    Find<QPushButton>(mainWindow, "saveSpectrumDataButton").click();
    EXPECT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_EQ(Find<QListWidget>(VisibleWindow("SpectrumDataDialog"), "previewList").count(), 309);
}

TEST_F(FaultInjection, StaleTableFileIsNeverExportedAsTheNewRun) {
    auto program = Start(folder_.Path());
    ASSERT_TRUE(program);
    MainForm& mainWindow = program->MainWindow();
    Find<QPushButton>(mainWindow, "calculateButton").click();
    const std::string firstTable = ReadBytes(folder_ / "B_SPCTL.temp");
    Find<QPushButton>(mainWindow, "resetButton").click();
    // The old table stays on disk but can no longer be replaced.
    fs::permissions(folder_ / "B_SPCTL.temp", fs::perms::owner_read);
    SetField(mainWindow, "tubeVoltageField", QStringLiteral("60"));
    Find<QPushButton>(mainWindow, "calculateButton").click();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_EQ(ReadBytes(folder_ / "B_SPCTL.temp"), firstTable);
    Find<QPushButton>(mainWindow, "saveSpectrumDataButton").click();
    const QListWidget& preview =
        Find<QListWidget>(VisibleWindow("SpectrumDataDialog"), "previewList");
    ASSERT_EQ(preview.count(), 309);
    EXPECT_EQ(preview.item(1)->text(), "管電圧 = 60 kV");
    // Row 60 keV: zero at 60 kV, not the first run's 100-kV value.
    EXPECT_EQ(preview.item(8 + 120)->text().toStdString(),
              "0060.0, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, "
              "0.00000, 0.00000, 0.00000");
    EXPECT_EQ(firstTable.find(preview.item(8 + 100)->text().toStdString()), std::string::npos);
}

TEST_F(FaultInjection, AttenuationFileMissingShortOrNotANumber) {
    const std::string table = ReadBytes(folder_ / std::string(kAttenuationTableFileName));
    const std::string shortByOneRecord = table.substr(0, table.rfind('\n', table.size() - 2) + 1);
    EXPECT_NE(LoadFailure(shortByOneRecord).find("2093 個しかありません（レコード 300"),
              std::string::npos);
    std::string notANumber = table;
    notANumber.replace(notANumber.find("3.198895E+03"), 12, "3.19889SE+03");
    EXPECT_NE(LoadFailure(notANumber).find("の 2 行目、レコード 2 の第 3 項目「3.19889SE+03」"),
              std::string::npos);
    fs::remove(folder_ / std::string(kAttenuationTableFileName));
    WindowProgram program(messages_, end_, folder_.Path());
    EXPECT_FALSE(program.Load());
    EXPECT_NE(messages_.Warnings.back().find("を読めません（ファイルまたはフォルダがありません）"),
              std::string::npos);
}

TEST_F(FaultInjection, MaterialFileChangedBetweenTheClickAndOk) {
    auto program = Start(folder_.Path());
    ASSERT_TRUE(program);
    Find<QPushButton>(program->MainWindow(), "setFilterButton").click();
    QWidget& filterDialog = VisibleWindow("FilterDialog");
    Find<QListWidget>(filterDialog, "materialList").setCurrentRow(0);
    WriteBytes(folder_ / "Al.ele", "Al\n2.7\n200\n");
    QTest::keyClicks(&Find<QLineEdit>(filterDialog, "thicknessField"), QStringLiteral("1"));
    Find<QPushButton>(filterDialog, "okButton").click();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("データ行数 200 は 1 から 120 までの整数ではありません"),
              std::string::npos);
    EXPECT_EQ(program->State().Filters.FilterCount, 0);
    EXPECT_TRUE(filterDialog.isVisible());
    filterDialog.hide();
}

TEST_F(FaultInjection, ExportsIntoAMissingFolderOntoAFullDeviceOrPastTheSizeLimit) {
    auto program = Start(folder_.Path());
    ASSERT_TRUE(program);
    MainForm& mainWindow = program->MainWindow();
    Find<QPushButton>(mainWindow, "calculateButton").click();
    WriteBytes(folder_ / "kept.csv", "precious");
    messages_.ConfirmAnswer = true;  // the files there are to be replaced
    fs::create_symlink("/dev/full", folder_ / "full.csv");
    fs::create_directory(folder_ / "gone");

    Find<QPushButton>(mainWindow, "saveSpectrumDataButton").click();
    QWidget& dataDialog = VisibleWindow("SpectrumDataDialog");
    const auto saveAs = [&](const QString& name) {
        QLineEdit& field = Find<QLineEdit>(dataDialog, "fileNameField");
        field.clear();
        QTest::keyClicks(&field, name);
        Find<QPushButton>(dataDialog, "okButton").click();
    };
    // A folder opened in the dialog and removed before OK.
    FolderList& folders = Find<FolderList>(dataDialog, "folderList");
    const QList<QListWidgetItem*> gone =
        folders.findItems(QStringLiteral("gone"), Qt::MatchEndsWith);
    ASSERT_EQ(gone.size(), 1);
    emit folders.itemActivated(gone[0]);
    fs::remove(folder_ / "gone");
    saveAs(QStringLiteral("data"));
    emit folders.itemActivated(folders.item(folders.count() - 2));
    ASSERT_EQ(Find<FileList>(dataDialog, "fileList").Path(), fs::canonical(folder_.Path()));
    saveAs(QStringLiteral("full"));
    {
        const testing::FileSizeLimit limit(4096);
        saveAs(QStringLiteral("kept"));
    }
    ASSERT_EQ(messages_.Warnings.size(), 3u);
    EXPECT_NE(messages_.Warnings[0].find("ファイルまたはフォルダがありません"), std::string::npos);
    EXPECT_NE(messages_.Warnings[1].find("ディスクの空き容量がありません"), std::string::npos);
    EXPECT_NE(messages_.Warnings[2].find("ファイルの大きさが上限を超えます"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder_ / "kept.csv"), "precious");
    EXPECT_TRUE(dataDialog.isVisible());
    EXPECT_TRUE(messages_.Informations.empty());

    saveAs(QStringLiteral("kept"));
    EXPECT_EQ(messages_.Informations.size(), 1u);
    EXPECT_GT(ReadBytes(folder_ / "kept.csv").size(), 30000u);
    dataDialog.hide();
}

TEST_F(FaultInjection, AMegabyteOfTextPastedIntoAField) {
    auto program = Start(folder_.Path());
    ASSERT_TRUE(program);
    MainForm& mainWindow = program->MainWindow();
    const QString megabyte(1 << 20, QLatin1Char('9'));
    const struct {
        const char* field;
        const char* message;
    } cases[] = {{"tubeVoltageField", "Ｘ線管電圧の値が数値の範囲を超えています"},
                 {"targetAngleField", "ターゲット角度の値が数値の範囲を超えています"},
                 {"aluminiumFilterField", "アルミ付加フィルタの値が数値の範囲を超えています"}};
    for (const auto& c : cases) {
        // Reset leaves the target angle as it is.
        Find<QPushButton>(mainWindow, "resetButton").click();
        SetField(mainWindow, "targetAngleField", QStringLiteral("12"));
        messages_.Warnings.clear();
        QLineEdit& field = Find<QLineEdit>(mainWindow, c.field);
        field.selectAll();
        field.insert(megabyte);
        // The field keeps what a line edit holds at most; that many nines is beyond any double.
        EXPECT_EQ(field.text().size(), field.maxLength());
        Find<QPushButton>(mainWindow, "calculateButton").click();
        EXPECT_EQ(messages_.Warnings, std::vector<std::string>{c.message}) << c.field;
        EXPECT_TRUE(Find<QLineEdit>(mainWindow, "tubeVoltageField").isEnabled());
    }
}

struct OddText {
    const char* Text;
    // What calculating with it in each field does: "" for a completed run, else the start of
    // the message shown.
    const char* Voltage;
    const char* Angle;
    const char* Filter;
};

TEST_F(FaultInjection, OddNumbersInEveryField) {
    const OddText cases[] = {
        {"NaN", "Ｘ線管電圧の値「NaN」は数値では", "ターゲット角度の値「NaN」は数値では",
         "の値「NaN」は数値では"},
        {"inf", "Ｘ線管電圧の値「inf」は数値では", "ターゲット角度の値「inf」は数値では",
         "の値「inf」は数値では"},
        {"-0", "", "ターゲット角度が最小限度", ""},
        {"&HFFFFFFFFFFFFFFFF", "", "ターゲット角度が最大限度", "ろ過が厚すぎるため"},
        {"1e-400", "", "ターゲット角度が最小限度", ""},
        {"-1e-400", "", "ターゲット角度が最小限度", ""},
        {"-1e-300", "", "ターゲット角度が最小限度", "の値が負です"},
        {"1e400", "Ｘ線管電圧の値が数値の範囲", "ターゲット角度の値が数値の範囲",
         "の値が数値の範囲"},
    };
    auto program = Start(folder_.Path());
    ASSERT_TRUE(program);
    MainForm& mainWindow = program->MainWindow();
    for (const OddText& odd : cases) {
        const struct {
            const char* field;
            const char* expected;
        } fields[] = {{"tubeVoltageField", odd.Voltage},
                      {"targetAngleField", odd.Angle},
                      {"inherentFiltrationField", odd.Filter},
                      {"aluminiumFilterField", odd.Filter},
                      {"copperFilterField", odd.Filter}};
        for (const auto& field : fields) {
            Find<QPushButton>(mainWindow, "resetButton").click();
            SetField(mainWindow, "targetAngleField", QStringLiteral("12"));
            messages_.Warnings.clear();
            SetField(mainWindow, field.field, QString::fromLatin1(odd.Text));
            Find<QPushButton>(mainWindow, "calculateButton").click();
            const std::string seen = messages_.Warnings.empty() ? "" : messages_.Warnings[0];
            EXPECT_NE(seen.find(field.expected), std::string::npos)
                << odd.Text << " in " << field.field << ": " << seen;
            EXPECT_EQ(seen.empty(), std::string(field.expected).empty())
                << odd.Text << " in " << field.field << ": " << seen;
            for (const char* result : {"halfValueLayerField", "fluencePerExposureField"}) {
                const QString shown = Find<QLineEdit>(mainWindow, result).text().toLower();
                EXPECT_FALSE(shown.contains(QLatin1String("nan")) ||
                             shown.contains(QLatin1String("inf")))
                    << odd.Text << " in " << field.field;
            }
        }
    }
}

}  // namespace
}  // namespace tubeline
