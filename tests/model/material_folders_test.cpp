#include "model/material_folders.h"

#include <gtest/gtest.h>

#include "support/test_data.h"

namespace tubeline {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(MaterialFolders, TheFirstFolderHoldingANameGivesItAndNamesFindFilesByNameOrStem) {
    ScratchFolder root;
    fs::create_directories(root / "user");
    fs::create_directories(root / "shipped");
    for (const char* file : {"shipped/Pb.ele", "shipped/Air.mix", "shipped/Air.ele",
                             "shipped/notes.txt", "user/Pb.ele", "user/Mine.mix"}) {
        WriteBytes(root / file, "");
    }
    fs::create_directories(root / "shipped/Folder.ele");
    const std::vector<fs::path> folders{root / "user", root / "shipped", root / "missing"};

    EXPECT_EQ(ListMaterialFiles(folders),
              (std::vector<fs::path>{root / "shipped/Air.ele", root / "shipped/Air.mix",
                                     root / "user/Mine.mix", root / "user/Pb.ele"}));
    EXPECT_EQ(FindMaterialFile("Pb", folders), root / "user/Pb.ele");
    EXPECT_EQ(FindMaterialFile("Air.mix", folders), root / "shipped/Air.mix");
    EXPECT_EQ(FindMaterialFile("Air", folders), root / "shipped/Air.ele");
    EXPECT_EQ(FindMaterialFile("Au", folders), std::nullopt);
    EXPECT_EQ(FindMaterialFile("shipped/Pb.ele", folders), std::nullopt);
    EXPECT_EQ(FindMaterialFile("notes", folders), std::nullopt);
}

}  // namespace
}  // namespace tubeline
