#include "model/material_file_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/messages.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

// A valid file: three rows from 1 keV to 200 keV with an edge at 10 keV in between.
constexpr const char* kValidRows =
    "0.001,1,2,7,10,0\n"
    "0.01,0.5,1,2.5,4,0\n"
    "0.01,0.5,1,10.5,12,0\n"
    "0.2,0.1,0.2,0.2,0.5,0\n";

std::string FileText(const std::string& header, const std::string& rows = kValidRows) {
    return "Lead, pure\n" + header + rows;
}

std::string RefusalOf(const std::string& text) {
    const std::string message = testing::MessageOf([&] { ParseMaterialFile(text, "Pb.ele"); });
    return message.empty() ? "accepted" : message;
}

TEST(ParseMaterialFile, ReadsNameDensityAndRows) {
    const MaterialFile material = ParseMaterialFile(FileText("11.35\n4\n"), "Pb.ele");
    EXPECT_EQ(material.Name, "Lead, pure");
    EXPECT_EQ(material.Density, 11.35);
    ASSERT_EQ(material.Table.size(), 4u);
    // The total is the sum of the three partial coefficients; fields 5 and 6 are not used.
    EXPECT_EQ(material.Table[0].Total, 10);
    EXPECT_EQ(material.Table[2].Energy, 0.01);
    EXPECT_EQ(material.Table[2].Coherent, 0.5);
    EXPECT_EQ(material.Table[2].Incoherent, 1);
    EXPECT_EQ(material.Table[2].Photoelectric, 10.5);
    EXPECT_EQ(material.Table[2].Total, 12);
}

TEST(ParseMaterialFile, BlanksTabsCommasAndLineEndsAllSeparate) {
    const MaterialFile commas = ParseMaterialFile(FileText("11.35,4\n"), "a");
    const MaterialFile blanks = ParseMaterialFile(
        "Lead, pure\r\n 11.35 \r\n4\r\n0.001 1\t2 7  10 0\r\n0.01, 0.5 ,1\t2.5 4 0\r\n"
        "0.01 0.5 1 10.5\n12 0 0.2 0.1 0.2 0.2 0.5 0",
        "b");
    EXPECT_EQ(blanks.Name, commas.Name);
    EXPECT_EQ(blanks.Density, commas.Density);
    ASSERT_EQ(blanks.Table.size(), commas.Table.size());
    for (std::size_t k = 0; k < commas.Table.size(); ++k) {
        EXPECT_EQ(blanks.Table[k].Energy, commas.Table[k].Energy) << k;
        EXPECT_EQ(blanks.Table[k].Total, commas.Table[k].Total) << k;
    }
}

TEST(ParseMaterialFile, NothingAfterTheLastRowIsRead) {
    const MaterialFile material =
        ParseMaterialFile(FileText("11.35\n4\n", std::string(kValidRows) + "junk,,\n"), "a");
    EXPECT_EQ(material.Table.size(), 4u);
    EXPECT_EQ(
        ParseMaterialFile(FileText("1\n2\n", "0.001,1,1,1,0,0\n0.2,1,1,1,0,0\n"), "b").Table.size(),
        2u);
}

TEST(ParseMaterialFile, NameLineMayBeShiftJisOrCarryAByteOrderMark) {
    // 鉛 in Shift-JIS, then a UTF-8 file saved with a byte-order mark.
    EXPECT_EQ(ParseMaterialFile("\x89\x94 Pb\n11.35\n4\n" + std::string(kValidRows), "a").Name,
              "鉛 Pb");
    EXPECT_EQ(ParseMaterialFile("\xEF\xBB\xBF鉛\n11.35\n4\n" + std::string(kValidRows), "b").Name,
              "鉛");
    EXPECT_EQ(RefusalOf("\x89\n11.35\n4\n" + std::string(kValidRows)),
              "材質ファイル Pb.ele の 1 行目（材質名）は UTF-8 でも Shift-JIS でもありません。");
}

TEST(ParseMaterialFile, RefusesABadDensityOrRowCount) {
    EXPECT_EQ(RefusalOf("Pb\n"),
              "材質ファイル Pb.ele のデータが途中で終わっています（密度がありません）。");
    EXPECT_EQ(RefusalOf(FileText("heavy\n4\n")),
              "材質ファイル Pb.ele の 2 行目、密度「heavy」は数値ではありません。");
    EXPECT_EQ(RefusalOf(FileText("0\n4\n")),
              "材質ファイル Pb.ele の密度 0 は正の数ではありません。");
    EXPECT_NE(RefusalOf(FileText("-11.35\n4\n")).find("密度 -11.35 は正の数ではありません"),
              std::string::npos);
    EXPECT_EQ(RefusalOf("Pb\n11.35\n"),
              "材質ファイル Pb.ele のデータが途中で終わっています（データ行数がありません）。");
    for (const char* count : {"121", "0", "-4", "2.5"}) {
        EXPECT_EQ(RefusalOf(FileText(std::string("11.35\n") + count + "\n")),
                  std::string("材質ファイル Pb.ele のデータ行数 ") + count +
                      " は 1 から 120 までの整数ではありません。");
    }
    EXPECT_EQ(RefusalOf(FileText("11.35\nfour\n")),
              "材質ファイル Pb.ele の 3 行目、データ行数「four」は数値ではありません。");
}

TEST(ParseMaterialFile, RefusesFewerRowsThanAnnouncedOrAFieldThatIsNoNumber) {
    EXPECT_EQ(RefusalOf(FileText("11.35\n5\n")),
              "材質ファイル Pb.ele のデータが途中で終わっています（5 "
              "行のデータのうちデータ行 5 の第 1 項目がありません）。");
    EXPECT_NE(RefusalOf(FileText("11.35\n2\n", "0.001,1,2,7,10,0\n0.2,1,1"))
                  .find("データ行 2 の第 4 項目がありません"),
              std::string::npos);
    EXPECT_EQ(RefusalOf(FileText("11.35\n4\n", "0.001,1,2,7,10,0\n0.01,0.5,1,2.5,n/a,0\n")),
              "材質ファイル Pb.ele の 5 行目、データ行 2 の第 5 項目「n/a」は数値ではありません。");
    EXPECT_EQ(RefusalOf("Lead\r\n11.35\r\n4\r\n0.001,1,2,7,10,0\r\n0.01,0.5,1,2.5,n/a,0\r\n"),
              "材質ファイル Pb.ele の 5 行目、データ行 2 の第 5 項目「n/a」は数値ではありません。");
    EXPECT_NE(
        RefusalOf(FileText("11.35\n4\n", "0.001,1,,7,10,0\n")).find("データ行 1 の第 3 項目「」"),
        std::string::npos);
}

TEST(ParseMaterialFile, RefusesEnergiesOutsideTheInterpolatedRange) {
    EXPECT_EQ(RefusalOf(FileText("11.35\n2\n", "0.0011,1,2,7,0,0\n0.2,1,1,1,0,0\n")),
              "材質ファイル Pb.ele の最初のエネルギー 0.0011 MeV が 0.001 MeV "
              "より大きくなっています。データはこのエネルギー以下から始めて下さい。");
    // 150 keV itself must lie below the last row: the search for the row above needs one.
    EXPECT_EQ(RefusalOf(FileText("11.35\n2\n", "0.001,1,2,7,0,0\n0.15,1,1,1,0,0\n")),
              "材質ファイル Pb.ele の最後のエネルギー 0.15 MeV が 0.15 MeV "
              "を超えていません。データはこのエネルギーより先まで必要です。");
    EXPECT_EQ(RefusalOf(FileText("11.35\n2\n", "0.001,1,2,7,0,0\n0.150000001,1,1,1,0,0\n")),
              "accepted");
}

TEST(ParseMaterialFile, RefusesEnergiesAndSumsWhoseLogarithmCannotBeTaken) {
    EXPECT_EQ(
        RefusalOf(FileText("11.35\n3\n", "0,1,2,7,0,0\n")),
        "材質ファイル Pb.ele の 4 行目、データ行 1 のエネルギー 0 MeV は正の数ではありません。");
    EXPECT_NE(RefusalOf(FileText("11.35\n3\n", "-0.001,1,2,7,0,0\n")).find("エネルギー -0.001 MeV"),
              std::string::npos);
    EXPECT_EQ(RefusalOf(FileText("11.35\n3\n", "0.001,1,2,7,0,0\n0.01,1,-2,1,0,0\n")),
              "材質ファイル Pb.ele の 5 行目、データ行 2 の減弱係数の和 0 cm2/g "
              "は正の数ではありません。");
}

TEST(ParseMaterialFile, RefusesCoefficientsBeyondTheDoubleRange) {
    EXPECT_EQ(
        RefusalOf(FileText("11.35\n3\n", "0.001,1e308,1e308,7,0,0\n")),
        "材質ファイル Pb.ele の 4 行目、データ行 1 の減弱係数の和が数値の範囲を超えています。");
    EXPECT_EQ(RefusalOf(FileText("1e300\n2\n", "0.001,1e10,1,1,0,0\n0.2,1,1,1,0,0\n")),
              "材質ファイル Pb.ele の密度 1E+300 g/cm3 と減弱係数 10000000002 cm2/g "
              "の積が数値の範囲を超えています。");
}

TEST(ParseMaterialFile, RefusesDescendingEnergiesButNotAnEdge) {
    EXPECT_EQ(
        RefusalOf(FileText("11.35\n3\n", "0.001,1,2,7,0,0\n0.02,1,1,1,0,0\n0.01,1,1,1,0,0\n")),
        "材質ファイル Pb.ele の 6 行目、データ行 3 のエネルギー 0.01 MeV が前の行の 0.02 MeV "
        "より小さくなっています。エネルギーは小さい順に並べて下さい。");
    EXPECT_EQ(RefusalOf(FileText("11.35\n4\n")), "accepted");
}

TEST(LoadMaterialFile, NamesTheFileItCannotRead) {
    const ScratchFolder folder;
    EXPECT_EQ(testing::MessageOf([&] { LoadMaterialFile(folder / "Xx.ele"); }),
              "材質ファイル " + (folder / "Xx.ele").string() +
                  " を読めません（ファイルまたはフォルダがありません）。");
    WriteBytes(folder / "Pb.ele", FileText("11.35\n4\n"));
    EXPECT_EQ(LoadMaterialFile(folder / "Pb.ele").Table.size(), 4u);
}

TEST(ReadMaterialName, ReadsOnlyTheFirstLine) {
    const ScratchFolder folder;
    WriteBytes(folder / "broken.mix", "\x90\x85 (water)\r\nnot a density\n");
    EXPECT_EQ(ReadMaterialName(folder / "broken.mix"), "水 (water)");
    EXPECT_THROW(ReadMaterialName(folder / "missing.mix"), MaterialFileError);
}

}  // namespace
}  // namespace tubeline
