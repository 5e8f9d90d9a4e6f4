#include "forms/spectrum_data_dialog.h"

#include <filesystem>

#include "model/spectrum_model.h"
#include "save_dialog_fixture.h"

namespace tubeline {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
namespace fs = std::filesystem;

class SpectrumDataDialogTest : public testing::SaveDialogTest<SpectrumDataDialog> {
  protected:
    SpectrumDataDialogTest() {
        dialog_ = std::make_unique<SpectrumDataDialog>(source_, messages_, folder_.Path());
        source_.Run = RunOf(RectificationMode::SinglePhaseFullWave);
    }

    static ExportedRun RunOf(RectificationMode rectification) {
        CalculationState state;
        state.Attenuation = testing::ShippedAttenuation();
        state.Conditions = {{100, 12, 2.5, 0.3, 0}, SpectrumModel::Tucker, rectification};
        const RunOutcome run = testing::RunModel(state);
        return {state.Conditions, state.Filters, std::get<ModelRun>(run).TableText};
    }
};

TEST_F(SpectrumDataDialogTest, PreviewShowsEveryLineOfTheFile) {
    dialog_->Open();
    ASSERT_TRUE(dialog_->isVisible());
    QListWidget& preview = Find<QListWidget>("previewList");
    ASSERT_EQ(preview.count(), 309);
    EXPECT_EQ(preview.item(0)->text(), "単相全波");
    EXPECT_EQ(preview.item(4)->text(), "Al フィルタ = 0.3 mm");
    EXPECT_EQ(preview.item(7)->text(), "");
    EXPECT_TRUE(preview.item(8)->text().startsWith("   keV,     -10"));

    // A run that completes while the dialog is open shows its own lines.
    source_.Run = RunOf(RectificationMode::ThreePhaseTwelvePulse);
    dialog_->FillPreview();
    EXPECT_EQ(preview.item(0)->text(), "三相12ピーク");
}

// The file holds the last run only: the dialog says so when the graph shows others too.
TEST_F(SpectrumDataDialogTest, SaysWhenTheGraphShowsMoreThanTheFileHolds) {
    dialog_->Open();
    const QLabel& note = Find<QLabel>("lastRunOnlyNote");
    EXPECT_TRUE(note.text().isEmpty());
    source_.Runs = 3;
    source_.LastRunPlace = 3;
    dialog_->ShowWhatIsLeftOut();
    EXPECT_EQ(note.text().toStdString(),
              "グラフには 3 つの計算が描かれています。保存するのは最後の計算 #3 "
              "のスペクトルだけです");
    // The last run's own curves taken off, an earlier run alone on the graph.
    source_.Runs = 1;
    source_.LastRunPlace = 0;
    dialog_->ShowWhatIsLeftOut();
    EXPECT_EQ(note.text().toStdString(),
              "グラフには 1 つの計算が描かれています。保存するのは、グラフに描かれていない最後の"
              "計算のスペクトルだけです");
}

TEST_F(SpectrumDataDialogTest, SavesShiftJisWithCrLfAndConfirms) {
    SaveAs(QStringLiteral("abc"));
    const fs::path saved = folder_ / "abc.csv";
    ASSERT_TRUE(fs::exists(saved)) << (messages_.Warnings.empty() ? "" : messages_.Warnings[0]);
    EXPECT_EQ(messages_.Informations,
              std::vector<std::string>{"データを " + saved.string() + " に保存しました"});
    EXPECT_FALSE(dialog_->isVisible());
    const std::string bytes = ReadBytes(saved);
    // 単相全波 in Shift-JIS.
    EXPECT_EQ(bytes.substr(0, 10), "\x92\x50\x91\x8a\x91\x53\x94\x67\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 309);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 309);
    EXPECT_NE(bytes.find(source_.Run->TableText.substr(0, 400)), std::string::npos);
}

TEST_F(SpectrumDataDialogTest, EmptyNameIsWarnedAndTheDialogStays) {
    SaveAs(QString());
    EXPECT_EQ(messages_.Warnings, std::vector<std::string>{"ファイル名を入力して下さい"});
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(SpectrumDataDialogTest, UnwritableFileIsReportedAndKeptIntact) {
    WriteBytes(folder_ / "kept.csv", "precious");
    SaveAs(QStringLiteral("kept"));
    EXPECT_EQ(messages_.Questions.size(), 1u);
    EXPECT_TRUE(messages_.Warnings.empty()) << "No, the default, writes nothing";
    EXPECT_EQ(ReadBytes(folder_ / "kept.csv"), "precious");
    fs::permissions(folder_ / "kept.csv", fs::perms::owner_read);
    messages_.ConfirmAnswer = true;
    SaveAs(QStringLiteral("kept"));
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("kept.csv に保存できません"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder_ / "kept.csv"), "precious");
    EXPECT_TRUE(dialog_->isVisible());

    SaveAs(QStringLiteral("../escape"));
    ASSERT_EQ(messages_.Warnings.size(), 2u);
    EXPECT_NE(messages_.Warnings[1].find("区切り文字「/」"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder_.Path().parent_path() / "escape.csv"));
}

TEST_F(SpectrumDataDialogTest, NothingOpensOrIsSavedWhileARunIsUnderWay) {
    source_.Running = true;
    dialog_->Open();
    EXPECT_FALSE(dialog_->isVisible());
    source_.Running = false;
    dialog_->Open();
    source_.Running = true;
    QTest::keyClicks(&NameField(), QStringLiteral("during"));
    OkButton().click();
    EXPECT_FALSE(fs::exists(folder_ / "during.csv"));
    EXPECT_TRUE(messages_.Informations.empty());
}

}  // namespace
}  // namespace tubeline
