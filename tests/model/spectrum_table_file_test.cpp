#include "model/spectrum_table_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace tubeline {
namespace {

SpectrumTable SmallTable() {
    SpectrumTable spectra;
    spectra.PhotonSpectrum[3][120] = 2.0;
    spectra.PhotonSpectrum[6][120] = 0.123456 * 4;
    spectra.PhotonSpectrum[11][2] = 4.0;
    spectra.AnglePeak = {0, 0, 0, 2.0, 0, 0, 0.5, 0, 0, 0, 0, 4.0};
    spectra.SpectrumPeak = 4.0;
    return spectra;
}

TEST(FormatSpectrumTable, HasTheFixedLayout) {
    const std::vector<std::string> lines = testing::CrLfLines(FormatSpectrumTable(SmallTable()));
    ASSERT_EQ(lines.size(), 304u);
    EXPECT_EQ(lines[0],
              "   keV,     -10,      -8,      -6,      -4,      -2,       0,       2,       4,"
              "       6,       8,      10");
    EXPECT_EQ(lines[0].size(), 105u);
    EXPECT_EQ(lines[1],
              "0000.5, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, 0.00000, "
              "0.00000, 0.00000, 0.00000, 0.00000");
    EXPECT_EQ(lines[2].substr(0, 6), "0001.0");
    EXPECT_EQ(lines[2].substr(lines[2].size() - 9), ", 1.00000");
    EXPECT_EQ(lines[120],
              "0060.0, 0.00000, 0.00000, 0.50000, 0.00000, 0.00000, 0.12346, 0.00000, "
              "0.00000, 0.00000, 0.00000, 0.00000");
    EXPECT_EQ(lines[300].substr(0, 6), "0150.0");
    for (int line = 1; line <= 300; ++line) {
        EXPECT_EQ(lines[line].size(), 105u) << line;
    }
    EXPECT_EQ(lines[301], "");
    EXPECT_EQ(lines[302],
              "Max   , 0.00000, 0.00000, 2000.00000, 0.00000, 0.00000, 500.00000, "
              "0.00000, 0.00000, 0.00000, 0.00000, 4000.00000");
    EXPECT_EQ(lines[303], "4000.00000");
}

}  // namespace
}  // namespace tubeline
