#include "forms/graph_image_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <filesystem>

#include "graph/graph_frame.h"
#include "support/recording_operator.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"

namespace tubeline {
namespace {

using testing::ReadBytes;
using testing::RecordedMessages;
using testing::ScratchFolder;
using testing::WriteBytes;

class GraphImageDialogTest : public ::testing::Test {
  protected:
    GraphImageDialogTest() : dialog_(canvas_, messages_, folder_.Path()) {
        PaintGraphFrame(canvas_, VerticalAxis::PhotonFluence);
        canvas_.Line({1200, 300}, {4000, 1500}, 12);
    }

    template <class Control>
    Control& Find(const char* name) {
        return testing::Find<Control>(dialog_, name);
    }
    void SaveAs(const QString& name) {
        dialog_.Open();
        QTest::keyClicks(&Find<QLineEdit>("Text1"), name);
        Find<QPushButton>("Command1").click();
    }

    ScratchFolder folder_;
    GraphCanvas canvas_;
    RecordedMessages messages_;
    GraphImageDialog dialog_;
};

TEST_F(GraphImageDialogTest, SavesTheGraphAsABitmapThatReadsBackTheSame) {
    SaveAs(QStringLiteral("graph"));
    EXPECT_EQ(messages_.Informations,
              std::vector<std::string>{"グラフをBMP画像として保存しました。"});
    EXPECT_FALSE(dialog_.isVisible());
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString((folder_ / "graph.bmp").string()), "BMP"));
    EXPECT_EQ(saved.size(), QSize(725, 421));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), canvas_.Image());

    SaveAs(QStringLiteral("graph.bmp"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "graph.bmp.bmp"));
}

TEST_F(GraphImageDialogTest, ClickingAnExistingBitmapOffersItsNameAndOverwrites) {
    WriteBytes(folder_ / "result.bmp", "old");
    WriteBytes(folder_ / "notes.txt", "not a bitmap");
    dialog_.Open();
    FileList& files = Find<FileList>("File1");
    ASSERT_EQ(files.count(), 1);
    EXPECT_EQ(files.item(0)->text(), "result.bmp");
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {},
                      files.visualItemRect(files.item(0)).center());
    EXPECT_EQ(Find<QLineEdit>("Text1").text(), "result");
    Find<QPushButton>("Command1").click();
    EXPECT_EQ(ReadBytes(folder_ / "result.bmp").substr(0, 2), "BM");
    EXPECT_TRUE(messages_.Warnings.empty());
}

TEST_F(GraphImageDialogTest, AnEmptyNameSavesDotBmp) {
    SaveAs(QString());
    EXPECT_TRUE(std::filesystem::exists(folder_ / ".bmp"));
}

TEST_F(GraphImageDialogTest, AFileThatCannotBeWrittenIsReportedAndKept) {
    WriteBytes(folder_ / "kept.bmp", "precious");
    std::filesystem::permissions(folder_ / "kept.bmp", std::filesystem::perms::owner_read);
    SaveAs(QStringLiteral("kept"));
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("kept.bmp に保存できません"), std::string::npos);
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(ReadBytes(folder_ / "kept.bmp"), "precious");

    SaveAs(QStringLiteral("missing/graph"));
    ASSERT_EQ(messages_.Warnings.size(), 2u);
    EXPECT_NE(messages_.Warnings[1].find("ファイルまたはフォルダがありません"), std::string::npos);
}

TEST_F(GraphImageDialogTest, FolderListMovesTheFileList) {
    std::filesystem::create_directory(folder_ / "sub");
    WriteBytes(folder_ / "sub" / "inner.bmp", "x");
    dialog_.Open();
    FolderList& folders = Find<FolderList>("Dir1");
    QListWidgetItem* sub = nullptr;
    for (int i = 0; i < folders.count(); ++i) {
        if (folders.item(i)->text().trimmed() == "sub") {
            sub = folders.item(i);
        }
    }
    ASSERT_NE(sub, nullptr);
    emit folders.itemActivated(sub);
    EXPECT_EQ(Find<FileList>("File1").Path(), std::filesystem::canonical(folder_ / "sub"));
    ASSERT_EQ(Find<FileList>("File1").count(), 1);
    SaveAs(QStringLiteral("here"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "sub" / "here.bmp"));
}

TEST(MountedVolumes, RootComesFirstAndVirtualFileSystemsAreLeftOut) {
    const auto volumes = MountedVolumes();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "/");
    EXPECT_EQ(std::count(volumes.begin(), volumes.end(), std::filesystem::path("/proc")), 0);
}

}  // namespace
}  // namespace tubeline
