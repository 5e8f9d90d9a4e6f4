#include "base/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/messages.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

std::string ReasonOf(const fs::path& path, std::string_view bytes) {
    const std::string reason = testing::MessageOf([&] { ReplaceFileContents(path, bytes); });
    return reason.empty() ? "written" : reason;
}

TEST(ReplaceFileContents, CreatesAndReplacesWithoutLeavingPartFiles) {
    const ScratchFolder folder;
    ReplaceFileContents(folder / "a.csv", "first");
    ReplaceFileContents(folder / "a.csv", "second, longer");
    EXPECT_EQ(ReadBytes(folder / "a.csv"), "second, longer");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(ReplaceFileContents, WritesThroughASymbolicLink) {
    const ScratchFolder folder;
    WriteBytes(folder / "real.csv", "old");
    fs::create_symlink(folder / "real.csv", folder / "link.csv");
    ReplaceFileContents(folder / "link.csv", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    EXPECT_EQ(ReadBytes(folder / "real.csv"), "new");
}

TEST(ReplaceFileContents, FailuresLeaveTheOldFileIntact) {
    const ScratchFolder folder;
    EXPECT_EQ(ReasonOf(folder / "missing" / "a.csv", "x"), "ファイルまたはフォルダがありません");
    EXPECT_EQ(ReasonOf(folder.Path(), "x"), "フォルダです");
    EXPECT_EQ(ReasonOf("/dev/full", "x"), "ディスクの空き容量がありません");

    WriteBytes(folder / "kept.csv", "precious");
    fs::permissions(folder / "kept.csv", fs::perms::owner_read);
    const std::string reason = ReasonOf(folder / "kept.csv", "x");
    EXPECT_TRUE(reason == "アクセスが許可されていません" || reason == "読み取り専用のファイルです")
        << reason;
    EXPECT_EQ(ReadBytes(folder / "kept.csv"), "precious");
}

TEST(ReadTextFile, MissingFileSaysSo) {
    const ScratchFolder folder;
    try {
        ReadTextFile(folder / "none.dat");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.Problem().ErrorNumber, ENOENT);
        EXPECT_EQ(error.Problem().Path, folder / "none.dat");
        EXPECT_EQ(FileProblemReason(error.Problem()), "ファイルまたはフォルダがありません");
    }
}

TEST(ReplaceFileContents, KeepsThePermissionsOfTheReplacedFile) {
    const ScratchFolder folder;
    WriteBytes(folder / "shared.csv", "old");
    fs::permissions(folder / "shared.csv",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ReplaceFileContents(folder / "shared.csv", "new");
    EXPECT_EQ(fs::status(folder / "shared.csv").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(RemoveFileIfPresent, IgnoresAMissingFile) {
    const ScratchFolder folder;
    WriteBytes(folder / "t", "x");
    RemoveFileIfPresent(folder / "t");
    RemoveFileIfPresent(folder / "t");
    EXPECT_FALSE(fs::exists(folder / "t"));
}

TEST(RemoveFileIfItHolds, RemovesOnlyItsOwnContent) {
    const ScratchFolder folder;
    WriteBytes(folder / "t", "another program's table");
    RemoveFileIfItHolds(folder / "t", "this program's table");
    EXPECT_TRUE(fs::exists(folder / "t"));
    RemoveFileIfItHolds(folder / "t", "another program's table");
    EXPECT_FALSE(fs::exists(folder / "t"));
    RemoveFileIfItHolds(folder / "t", "another program's table");
}

}  // namespace
}  // namespace tubeline
