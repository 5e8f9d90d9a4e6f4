#include "forms/graph_image_dialog.h"

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "base/save_locations.h"
#include "graph/graph_frame.h"
#include "save_dialog_fixture.h"
#include "support/focus_mark_colour.h"
#include "support/image_probe.h"

namespace tubeline {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
namespace fs = std::filesystem;

class GraphImageDialogTest : public testing::SaveDialogTest<GraphImageDialog> {
  protected:
    GraphImageDialogTest() {
        dialog_ = std::make_unique<GraphImageDialog>(canvas_, source_, messages_, folder_.Path());
        PaintGraphFrame(canvas_, VerticalAxis::PhotonFluence);
        canvas_.Line({1200, 300}, {4000, 1500}, 12);
    }

    GraphCanvas canvas_;
};

TEST_F(GraphImageDialogTest, SavesTheGraphAsABitmapThatReadsBackTheSame) {
    SaveAs(QStringLiteral("graph"));
    EXPECT_EQ(messages_.Informations,
              std::vector<std::string>{"グラフをBMP画像として " + (folder_ / "graph.bmp").string() +
                                       " に保存しました。"});
    EXPECT_FALSE(dialog_->isVisible());
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString((folder_ / "graph.bmp").string()), "BMP"));
    EXPECT_EQ(saved.size(), QSize(725, 421));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), canvas_.Image());

    SaveAs(QStringLiteral("graph.bmp"));
    EXPECT_TRUE(fs::exists(folder_ / "graph.bmp.bmp"));
}

TEST_F(GraphImageDialogTest, ChoosingAnExistingBitmapOffersItsNameAndReplacesItOnlyOnYes) {
    WriteBytes(folder_ / "result.bmp", "old");
    WriteBytes(folder_ / "notes.txt", "not a bitmap");
    dialog_->Open();
    FileList& files = Find<FileList>("fileList");
    ASSERT_EQ(files.count(), 1);
    EXPECT_EQ(files.item(0)->text(), "result.bmp");
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {},
                      files.visualItemRect(files.item(0)).center());
    EXPECT_EQ(NameField().text(), "result");
    OkButton().click();
    EXPECT_EQ(messages_.Questions,
              std::vector<std::string>{"ファイル " + (folder_ / "result.bmp").string() +
                                       " はすでにあります。置き換えますか？"});
    EXPECT_EQ(ReadBytes(folder_ / "result.bmp"), "old") << "No, the default, keeps it";
    EXPECT_TRUE(dialog_->isVisible());
    messages_.ConfirmAnswer = true;
    OkButton().click();
    EXPECT_EQ(ReadBytes(folder_ / "result.bmp").substr(0, 2), "BM");
    EXPECT_TRUE(messages_.Warnings.empty());

    // With the keys: the list takes the focus with a current row but nothing chosen (as Qt
    // does), and Space chooses.
    dialog_->Open();
    files.clearSelection();
    files.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(files.FileName(), "");
    EXPECT_EQ(NameField().text(), "");
    QTest::keyClick(&files, Qt::Key_Space);
    EXPECT_EQ(NameField().text(), "result");
}

TEST_F(GraphImageDialogTest, AnEmptyNameSavesDotBmp) {
    SaveAs(QString());
    EXPECT_TRUE(fs::exists(folder_ / ".bmp"));
}

TEST_F(GraphImageDialogTest, ANameThatWouldLeaveTheFolderIsRefused) {
    const testing::ScratchFolder elsewhere;
    for (const QString& name : {QString::fromStdString((elsewhere / "outside").string()),
                                QStringLiteral("../outside"), QStringLiteral("sub/inside")}) {
        messages_.Warnings.clear();
        SaveAs(name);
        ASSERT_EQ(messages_.Warnings.size(), 1u) << name.toStdString();
        EXPECT_EQ(messages_.Warnings[0],
                  "ファイル名に区切り文字「/」は使えません。保存フォルダは一覧で選んで下さい");
        EXPECT_TRUE(dialog_->isVisible());
    }
    EXPECT_FALSE(fs::exists(elsewhere / "outside.bmp"));
    EXPECT_FALSE(fs::exists(folder_.Path().parent_path() / "outside.bmp"));
}

TEST_F(GraphImageDialogTest, AFileThatCannotBeWrittenIsReportedAndKept) {
    WriteBytes(folder_ / "kept.bmp", "precious");
    fs::permissions(folder_ / "kept.bmp", fs::perms::owner_read);
    messages_.ConfirmAnswer = true;
    SaveAs(QStringLiteral("kept"));
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_EQ(messages_.Warnings[0], "グラフ画像を " + (folder_ / "kept.bmp").string() +
                                         " に保存できません（読み取り専用のファイルです）");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(ReadBytes(folder_ / "kept.bmp"), "precious");
}

TEST_F(GraphImageDialogTest, ThePathLineShowsWhereTheFileGoes) {
    fs::create_directory(folder_ / "sub");
    WriteBytes(folder_ / "sub" / "inner.bmp", "x");
    dialog_->Open();
    FolderList& folders = Find<FolderList>("folderList");
    const QLabel& pathLine = Find<QLabel>("folderPath");
    EXPECT_EQ(pathLine.toolTip().toStdString(), fs::canonical(folder_.Path()).string());
    QListWidgetItem* sub = nullptr;
    for (int i = 0; i < folders.count(); ++i) {
        if (folders.item(i)->text().trimmed() == "sub") {
            sub = folders.item(i);
        }
    }
    ASSERT_NE(sub, nullptr);
    // A single click only highlights: the file still goes where the path line says.
    QTest::mouseClick(folders.viewport(), Qt::LeftButton, {}, folders.visualItemRect(sub).center());
    EXPECT_EQ(pathLine.toolTip().toStdString(), fs::canonical(folder_.Path()).string());
    QTest::mouseDClick(folders.viewport(), Qt::LeftButton, {},
                       folders.visualItemRect(sub).center());
    EXPECT_EQ(pathLine.toolTip().toStdString(), fs::canonical(folder_ / "sub").string());
    ASSERT_EQ(Find<FileList>("fileList").count(), 1);
    SaveAs(QStringLiteral("here"));
    EXPECT_TRUE(fs::exists(folder_ / "sub" / "here.bmp"));
}

TEST_F(GraphImageDialogTest, KeyboardAloneSavesAndEscapeCancels) {
    dialog_->show();
    dialog_->Open();
    EXPECT_EQ(dialog_->focusWidget(), &NameField()) << "typing goes into the name at once";
    QTest::keyClicks(&NameField(), QStringLiteral("keys"));
    QTest::keyClick(&NameField(), Qt::Key_Return);
    EXPECT_FALSE(fs::exists(folder_ / "keys.bmp")) << "the first Enter only moves to OK";
    EXPECT_EQ(dialog_->focusWidget(), &OkButton());
    QTest::keyClick(&OkButton(), Qt::Key_Return);
    EXPECT_TRUE(fs::exists(folder_ / "keys.bmp"));

    // The file list shows it has the keyboard.
    dialog_->Open();
    FileList& files = Find<FileList>("fileList");
    QApplication::setActiveWindow(dialog_.get());
    files.setFocus();
    const QImage focused = files.grab().toImage();
    EXPECT_GT(testing::CountColour(focused, focused.rect(), testing::kFocusMarkColour),
              focused.width() + focused.height());

    dialog_->Open();
    QTest::keyClick(&NameField(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(GraphImageDialogTest, NothingIsSavedWhileARunIsUnderWay) {
    dialog_->Open();
    source_.Running = true;
    QTest::keyClicks(&NameField(), QStringLiteral("during"));
    OkButton().click();
    EXPECT_FALSE(fs::exists(folder_ / "during.bmp"));
    source_.Running = false;
    OkButton().click();
    EXPECT_TRUE(fs::exists(folder_ / "during.bmp"));
}

TEST(SaveLocations, RootHomeAndMountsPeopleSaveTo) {
    const std::vector<fs::path> places = SaveLocations();
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(places.front(), "/");
    if (const char* home = std::getenv("HOME"); home != nullptr && fs::path(home) != "/") {
        EXPECT_NE(std::find(places.begin(), places.end(), fs::path(home)), places.end());
    }
    for (const fs::path& place : places) {
        for (const char* system : {"/proc", "/sys", "/dev", "/run"}) {
            EXPECT_FALSE(place == system || place.string().starts_with(std::string(system) + "/"))
                << place;
        }
    }
}

}  // namespace
}  // namespace tubeline
