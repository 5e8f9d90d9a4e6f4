#include "places/file_places.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_io.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::WriteBytes;

// A scratch tree with an install prefix holding the data, an empty working folder and a home.
class FilePlacesTest : public ::testing::Test {
  protected:
    FilePlacesTest() {
        for (const char* folder : {"prefix/bin", "prefix/share/tubeline", "work", "home"}) {
            fs::create_directories(root_ / folder);
        }
        WriteBytes(root_ / "prefix/share/tubeline/Att_Coeff2020.dat", "installed");
        sources_.WorkingFolder = root_ / "work";
        sources_.Executable = root_ / "prefix/bin/tubeline";
        sources_.Home = root_ / "home";
    }

    fs::path Home() const { return sources_.Home; }
    void WriteUserDirs(const std::string& documentsLine) {
        fs::create_directories(Home() / ".config");
        WriteBytes(Home() / ".config/user-dirs.dirs",
                   "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n" +
                       documentsLine + "\n");
    }

    ScratchFolder root_;
    PlaceSources sources_;
};

TEST_F(FilePlacesTest, AWorkingFolderWithTheTableIsEverythingAsBefore) {
    WriteBytes(sources_.WorkingFolder / "Att_Coeff2020.dat", "here");
    const FilePlaces places = DecideFilePlaces(sources_);
    EXPECT_EQ(places.DataFolder, sources_.WorkingFolder);
    EXPECT_EQ(places.WritableFolder, sources_.WorkingFolder);
    EXPECT_EQ(places.MaterialFolders, std::vector<fs::path>{sources_.WorkingFolder});
    EXPECT_EQ(places.SaveStartFolder, sources_.WorkingFolder);
    EXPECT_EQ(DecideDataFolder(sources_), sources_.WorkingFolder);
}

TEST_F(FilePlacesTest, InstalledDataIsReadBesideTheExecutableAndWritingGoesToTheUser) {
    const fs::path installed = root_ / "prefix/share/tubeline";
    EXPECT_EQ(InstalledDataFolder(sources_.Executable), installed);
    sources_.DataHome = (root_ / "data-home").string();

    const FilePlaces places = DecideFilePlaces(sources_);
    EXPECT_EQ(places.DataFolder, installed);
    EXPECT_EQ(places.WritableFolder, root_ / "data-home/tubeline");
    EXPECT_EQ(places.MaterialFolders,
              (std::vector<fs::path>{root_ / "data-home/tubeline", installed}));
    EXPECT_EQ(places.SaveStartFolder, Home());
    EXPECT_EQ(DecideDataFolder(sources_), installed);
    // Nothing is created by deciding.
    EXPECT_FALSE(fs::exists(places.WritableFolder));
}

TEST_F(FilePlacesTest, WithoutTheTableAnywhereTheWorkingFolderStaysToReportIt) {
    fs::remove(root_ / "prefix/share/tubeline/Att_Coeff2020.dat");
    EXPECT_EQ(DecideFilePlaces(sources_).DataFolder, sources_.WorkingFolder);
    // An unknown executable has no install prefix.
    WriteBytes(root_ / "prefix/share/tubeline/Att_Coeff2020.dat", "installed");
    sources_.Executable.clear();
    EXPECT_EQ(DecideFilePlaces(sources_).WritableFolder, sources_.WorkingFolder);
}

TEST_F(FilePlacesTest, TheProgramsWithoutWindowsReadTheDataNamedByTheVariableFirst) {
    WriteBytes(sources_.WorkingFolder / "Att_Coeff2020.dat", "here");
    sources_.DataVariable = (root_ / "elsewhere").string();
    EXPECT_EQ(DecideDataFolder(sources_), root_ / "elsewhere");
    // The window keeps its own rule.
    EXPECT_EQ(DecideFilePlaces(sources_).DataFolder, sources_.WorkingFolder);
}

TEST_F(FilePlacesTest, TheModuleReadsDataBesideItsPackageOrUnderItsPrefix) {
    const fs::path package = root_ / "prefix/lib/python3.11/site-packages/tubeline";
    const std::vector<fs::path> installed = ModuleDataFolders(package);
    EXPECT_EQ(installed,
              (std::vector<fs::path>{package / "data", root_ / "prefix/share/tubeline"}));
    EXPECT_EQ(DecideDataFolder(sources_, installed), root_ / "prefix/share/tubeline");
    fs::create_directories(package / "data");
    WriteBytes(package / "data/Att_Coeff2020.dat", "beside");
    EXPECT_EQ(DecideDataFolder(sources_, installed), package / "data");

    sources_.DataHome = (root_ / "data-home").string();
    EXPECT_EQ(MaterialFoldersFor(sources_, package / "data"),
              (std::vector<fs::path>{root_ / "data-home/tubeline", package / "data"}));
    EXPECT_EQ(MaterialFoldersFor(sources_, sources_.WorkingFolder),
              std::vector<fs::path>{sources_.WorkingFolder});
}

TEST_F(FilePlacesTest, TheUserDataFolderFollowsTheXdgRule) {
    EXPECT_EQ(UserDataFolder(sources_), Home() / ".local/share/tubeline");
    // A relative XDG_DATA_HOME is invalid and ignored.
    sources_.DataHome = "relative/data";
    EXPECT_EQ(UserDataFolder(sources_), Home() / ".local/share/tubeline");
    sources_.DataHome = "/var/lib/someone";
    EXPECT_EQ(UserDataFolder(sources_), fs::path("/var/lib/someone/tubeline"));
}

TEST_F(FilePlacesTest, SaveDialogsStartInTheDocumentsFolder) {
    // Neither user-dirs.dirs nor ~/Documents: the home folder.
    EXPECT_EQ(DocumentsFolder(sources_), Home());
    fs::create_directory(Home() / "Documents");
    EXPECT_EQ(DocumentsFolder(sources_), Home() / "Documents");

    // user-dirs.dirs names it relative to $HOME or absolutely; the last assignment counts.
    fs::create_directory(Home() / "書類");
    WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/書類\"");
    EXPECT_EQ(DocumentsFolder(sources_), Home() / "書類");
    fs::create_directories(root_ / "shared docs");
    WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/書類\"\n  XDG_DOCUMENTS_DIR=\"" +
                  (root_ / "shared docs").string() + "\"");
    EXPECT_EQ(DocumentsFolder(sources_), root_ / "shared docs");

    // A folder named there that does not exist falls back to ~/Documents.
    WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Gone\"");
    EXPECT_EQ(DocumentsFolder(sources_), Home() / "Documents");

    // $XDG_CONFIG_HOME holds the file when it is set.
    sources_.ConfigHome = (root_ / "config").string();
    fs::create_directories(root_ / "config");
    WriteBytes(root_ / "config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/書類\"\n");
    EXPECT_EQ(DocumentsFolder(sources_), Home() / "書類");
    EXPECT_EQ(DecideFilePlaces(sources_).SaveStartFolder, Home() / "書類");
}

TEST_F(FilePlacesTest, CreatingTheWritableFolderMakesItOrSaysWhyNot) {
    const fs::path folder = root_ / "data-home/tubeline";
    CreateFolder(folder);
    EXPECT_TRUE(fs::is_directory(folder));
    CreateFolder(folder);

    WriteBytes(root_ / "a-file", "");
    try {
        CreateFolder(root_ / "a-file/tubeline");
        FAIL() << "a folder inside a file was created";
    } catch (const FileError& error) {
        EXPECT_EQ(error.Problem().Path, root_ / "a-file/tubeline");
        EXPECT_NE(error.Problem().ErrorNumber, 0);
    }
}

TEST(ProcessPlaceSources, NamesThisProgramAndItsWorkingFolder) {
    const PlaceSources sources = ProcessPlaceSources();
    EXPECT_EQ(sources.WorkingFolder, fs::current_path());
    EXPECT_TRUE(sources.Executable.is_absolute());
    EXPECT_EQ(sources.Executable.filename(), "base_tests");
    EXPECT_FALSE(sources.Home.empty());
}

}  // namespace
}  // namespace tubeline
