#include "forms/spectrum_data_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "model/spectrum_model.h"
#include "support/recording_operator.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"

namespace tubeline {
namespace {

using testing::ReadBytes;
using testing::RecordedMessages;
using testing::ScratchFolder;
using testing::WriteBytes;

class SpectrumDataDialogTest : public ::testing::Test {
  protected:
    SpectrumDataDialogTest() : dialog_(state_, messages_, folder_.Path(), TableFile()) {
        state_.Attenuation = testing::ShippedAttenuation();
        state_.Conditions = {SpectrumModel::Tucker,
                             100,
                             12,
                             0.25,
                             0.3 * 0.1,
                             0,
                             RectificationMode::SinglePhaseFullWave};
        NoRunEffects none;
        ComputeChosenModel(state_, {TableFile()}, none);
    }
    std::filesystem::path TableFile() const { return folder_ / "B_SPCTL.temp"; }

    template <class Control>
    Control& Find(const char* name) {
        return testing::Find<Control>(dialog_, name);
    }
    void SaveAs(const QString& name) {
        QTest::keyClicks(&Find<QLineEdit>("Text1"), name);
        Find<QPushButton>("Command1").click();
    }

    ScratchFolder folder_;
    CalculationState state_;
    RecordedMessages messages_;
    SpectrumDataDialog dialog_;
};

TEST_F(SpectrumDataDialogTest, PreviewShowsEveryLineOfTheFile) {
    dialog_.Open();
    ASSERT_TRUE(dialog_.isVisible());
    QListWidget& preview = Find<QListWidget>("List1");
    ASSERT_EQ(preview.count(), 309);
    EXPECT_EQ(preview.item(0)->text(), "単相全波");
    EXPECT_EQ(preview.item(4)->text(), "Al フィルタ = 0.3 mm");
    EXPECT_EQ(preview.item(7)->text(), "");
    EXPECT_TRUE(preview.item(8)->text().startsWith("   keV,     -10"));
}

TEST_F(SpectrumDataDialogTest, SavesShiftJisWithCrLfAndConfirms) {
    dialog_.Open();
    SaveAs(QStringLiteral("abc"));
    const std::filesystem::path saved = folder_ / "abc.csv";
    ASSERT_TRUE(std::filesystem::exists(saved))
        << (messages_.Warnings.empty() ? "" : messages_.Warnings[0]);
    EXPECT_EQ(messages_.Informations,
              std::vector<std::string>{" データを " + saved.string() + " に保存しました "});
    EXPECT_FALSE(dialog_.isVisible());
    const std::string bytes = ReadBytes(saved);
    // 単相全波 in Shift-JIS.
    EXPECT_EQ(bytes.substr(0, 10), "\x92\x50\x91\x8a\x91\x53\x94\x67\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 309);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 309);
}

TEST_F(SpectrumDataDialogTest, EmptyNameIsWarnedAndTheDialogStays) {
    dialog_.Open();
    Find<QPushButton>("Command1").click();
    EXPECT_EQ(messages_.Warnings, std::vector<std::string>{"ファイル名を入力して下さい"});
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(SpectrumDataDialogTest, MissingTableFileIsExplainedAndNothingOpens) {
    std::filesystem::remove(TableFile());
    dialog_.Open();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("B_SPCTL.temp"), std::string::npos);
    EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(SpectrumDataDialogTest, UnwritableFileIsReportedAndKeptIntact) {
    WriteBytes(folder_ / "kept.csv", "precious");
    std::filesystem::permissions(folder_ / "kept.csv", std::filesystem::perms::owner_read);
    dialog_.Open();
    SaveAs(QStringLiteral("kept"));
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("kept.csv に保存できません"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder_ / "kept.csv"), "precious");
    EXPECT_TRUE(dialog_.isVisible());
}

}  // namespace
}  // namespace tubeline
