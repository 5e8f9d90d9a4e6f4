#include "model/attenuation_table_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/messages.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

// Record j holds j / 2, j+0.1, j+0.2, ... j+0.6.
std::string RecordsText(int records, const char* separator = ",", const char* lineEnd = "\n") {
    std::ostringstream text;
    for (int j = 1; j <= records; ++j) {
        text << 0.5 * j << separator << j + 0.1 << separator << j + 0.2 << separator << j + 0.3
             << separator << j + 0.4 << separator << j + 0.5 << separator << j + 0.6 << lineEnd;
    }
    return text.str();
}

std::string ErrorOf(std::string_view text) {
    return testing::MessageOf([&] { ParseAttenuationTable(text, "Att_Coeff2020.dat"); });
}

TEST(ParseAttenuationTable, FieldsGoToTheirColumnsByRecordPosition) {
    const AttenuationTable table = ParseAttenuationTable(RecordsText(300), "test");
    EXPECT_EQ(table.MuTarget[1], 1.1);
    EXPECT_EQ(table.MuAluminium[150], 150.2);
    EXPECT_EQ(table.MuCopper[300], 300.3);
    EXPECT_EQ(table.MuEnAir[7], 7.4);
    EXPECT_EQ(table.MuEnWater[8], 8.5);
    EXPECT_EQ(table.MuEnSoftTissue[9], 9.6);
    EXPECT_EQ(table.MuTarget[0], 0);
}

TEST(ParseAttenuationTable, AnyDistributionOverLinesReadsTheSame) {
    const AttenuationTable oneRecordPerLine = ParseAttenuationTable(RecordsText(300), "a");
    const AttenuationTable oneFieldPerLine =
        ParseAttenuationTable(RecordsText(300, "\r\n", "\r\n"), "b");
    const AttenuationTable blanksAround =
        ParseAttenuationTable(RecordsText(300, " ,\t", " \n\n"), "c");
    EXPECT_EQ(oneRecordPerLine.MuCopper, oneFieldPerLine.MuCopper);
    EXPECT_EQ(oneRecordPerLine.MuEnAir, blanksAround.MuEnAir);
}

TEST(ParseAttenuationTable, NothingAfterTheLastNeededFieldIsRead) {
    const AttenuationTable table =
        ParseAttenuationTable(RecordsText(301) + "not a number,,\n", "test");
    EXPECT_EQ(table.MuEnAir[300], 300.4);
}

TEST(ParseAttenuationTable, ShortFileSaysWhereItEnds) {
    EXPECT_EQ(ErrorOf(RecordsText(299)),
              "減弱係数ファイル Att_Coeff2020.dat のデータが途中で終わっています。2100 "
              "個の数値が必要ですが、2093 個しかありません（レコード 300 の第 1 "
              "項目がありません）。");
    EXPECT_NE(ErrorOf(RecordsText(300).substr(0, RecordsText(300).rfind(',')))
                  .find("2099 個しかありません（レコード 300 の第 7 項目"),
              std::string::npos);
    EXPECT_NE(ErrorOf("").find("0 個しかありません"), std::string::npos);
}

TEST(ParseAttenuationTable, NonNumberSaysWhichFieldOfWhichRecord) {
    std::string text = RecordsText(300);
    const std::string twelfth = "6,12.1,12.2,";
    text.replace(text.find(twelfth), twelfth.size(), "6,12.1,abc,");
    EXPECT_EQ(ErrorOf(text),
              "減弱係数ファイル Att_Coeff2020.dat の 12 行目、レコード 12 の第 3 "
              "項目「abc」は数値ではありません。");
    // Lines are counted the same with CR LF, as written on Windows.
    std::string crLf = RecordsText(300, ",", "\r\n");
    crLf.replace(crLf.find(twelfth), twelfth.size(), "6,12.1,abc,");
    EXPECT_EQ(ErrorOf(crLf), ErrorOf(text));
    EXPECT_NE(ErrorOf("1,,2").find("レコード 1 の第 2 項目「」"), std::string::npos);
    EXPECT_NE(ErrorOf("1,2,1e999").find("第 3 項目「1e999」"), std::string::npos);
}

TEST(LoadAttenuationTable, ReadsTheShippedFile) {
    const AttenuationTable table =
        LoadAttenuationTable(testing::DataFolder() / kAttenuationTableFileName);
    // Tungsten at 60 keV: 3.713 cm2/g (NIST XCOM) times 19.3 g/cm3.
    EXPECT_NEAR(table.MuTarget[120], 3.713 * 19.3, 0.01 * 3.713 * 19.3);
    // Dry air, water and ICRU four-component soft tissue at 60 keV: 3.041e-2, 3.190e-2 and
    // 3.051e-2 cm2/g (J. H. Hubbell and S. M. Seltzer, NIST Standard Reference Database 126,
    // table 4), each in its column.
    EXPECT_NEAR(table.MuEnAir[120], 3.041e-02, 0.005 * 3.041e-02);
    EXPECT_NEAR(table.MuEnWater[120], 3.190e-02, 0.005 * 3.190e-02);
    EXPECT_NEAR(table.MuEnSoftTissue[120], 3.051e-02, 0.005 * 3.051e-02);
}

TEST(LoadAttenuationTable, MissingFileIsNamed) {
    const ScratchFolder folder;
    EXPECT_EQ(testing::MessageOf([&] { LoadAttenuationTable(folder / "Att_Coeff2020.dat"); }),
              "減弱係数ファイル " + (folder / "Att_Coeff2020.dat").string() +
                  " を読めません（ファイルまたはフォルダがありません）。");
}

TEST(LoadAttenuationTable, FileFaultsNameThePath) {
    const ScratchFolder folder;
    WriteBytes(folder / "short.dat", RecordsText(299));
    EXPECT_NE(testing::MessageOf([&] {
                  LoadAttenuationTable(folder / "short.dat");
              }).find((folder / "short.dat").string()),
              std::string::npos);
}

}  // namespace
}  // namespace tubeline
