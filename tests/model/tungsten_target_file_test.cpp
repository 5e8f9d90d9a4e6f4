#include "model/tungsten_target_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>

#include "model/tungsten_lines_file.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

const std::string& ShippedBytes() {
    static const std::string bytes =
        testing::ReadBytes(testing::DataFolder() / kTungstenTargetFileName);
    return bytes;
}

// Where the values of the named array start: after its 24-byte name, rank and dimensions.
std::size_t ValuesOf(const std::string& bytes, const std::string& name, std::size_t rank) {
    const std::size_t at = bytes.find(name + '\0');
    EXPECT_NE(at, std::string::npos) << name;
    return at + 24 + 4 * (1 + rank);
}

void PutWord(std::string& bytes, std::size_t at, std::uint32_t word) {
    for (int b = 0; b < 4; ++b) {
        bytes[at + b] = static_cast<char>(word >> (8 * b) & 0xff);
    }
}

void PutFloat(std::string& bytes, std::size_t at, float value) {
    std::uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    PutWord(bytes, at, word);
}

template <class Cause>
bool RefusedFor(const std::string& bytes) {
    try {
        ParseTungstenTargetTables(bytes, "TungstenTarget.bin");
    } catch (const TungstenTargetError& error) {
        return std::holds_alternative<Cause>(error.Problem().Cause);
    }
    return false;
}

TEST(ParseTungstenTargetTables, TheShippedTablesAreWhole) {
    const TungstenTargetTables tables =
        ParseTungstenTargetTables(ShippedBytes(), "TungstenTarget.bin");
    EXPECT_EQ(tables.Fluence.Moments.size(),
              tables.Fluence.IncidentEnergiesKeV.size() * tables.Fluence.MomentsPerEnergy());
    EXPECT_EQ(tables.Fluence.IncidentEnergiesKeV.back(), 150);
    EXPECT_EQ(tables.Fluence.EnergyFractions.back(), 1);
    EXPECT_EQ(
        tables.Fluorescence[static_cast<int>(FluorescenceShell::K)].IncidentEnergiesKeV.front(),
        70);
}

TEST(ParseTungstenTargetTables, RefusesWhatDoesNotFollowTheFormat) {
    using Problem = TungstenTargetProblem;
    const std::string& shipped = ShippedBytes();

    std::string otherMagic = shipped;
    otherMagic[0] = 'X';
    EXPECT_TRUE(RefusedFor<Problem::NotTargetTables>(otherMagic));
    std::string otherVersion = shipped;
    PutWord(otherVersion, 8, 2);
    EXPECT_TRUE(RefusedFor<Problem::NotTargetTables>(otherVersion));

    EXPECT_TRUE(RefusedFor<Problem::EndsEarly>(shipped.substr(0, shipped.size() / 2)));
    EXPECT_TRUE(RefusedFor<Problem::TrailingBytes>(shipped + '\0'));

    std::string renamed = shipped;
    renamed[shipped.find("csda_range_g_cm2")] = 'k';
    EXPECT_TRUE(RefusedFor<Problem::UnexpectedArray>(renamed));

    // The moments' first dimension, the incident energies, one short.
    std::string reshaped = shipped;
    const std::size_t moments = ValuesOf(shipped, "fluence_moments", 4);
    PutWord(reshaped, moments - 16, 10);
    EXPECT_TRUE(RefusedFor<Problem::WrongShape>(reshaped));
}

TEST(ParseTungstenTargetTables, RefusesValuesOutOfTheirRange) {
    using Problem = TungstenTargetProblem;
    const std::string& shipped = ShippedBytes();
    const auto refusedWith = [&shipped](const std::string& array, std::size_t rank,
                                        std::size_t index, float value) {
        std::string bytes = shipped;
        PutFloat(bytes, ValuesOf(shipped, array, rank) + 4 * index, value);
        return bytes;
    };
    // The surface fluence of the highest electron fraction: a negative or missing number.
    const std::size_t surfacePeak = 50 * 30;
    EXPECT_TRUE(RefusedFor<Problem::BadValue>(refusedWith("fluence_moments", 4, surfacePeak, -1)));
    EXPECT_TRUE(RefusedFor<Problem::BadValue>(refusedWith("fluence_moments", 4, surfacePeak, NAN)));
    // A Legendre moment larger than the fluence it weighs.
    const std::size_t firstOrder = 51 * 30 + surfacePeak;
    EXPECT_TRUE(RefusedFor<Problem::BadValue>(refusedWith("fluence_moments", 4, firstOrder, 1e6)));
    // Depths between whole steps, grids out of order.
    EXPECT_TRUE(RefusedFor<Problem::BadValue>(refusedWith("fluence_depth_steps", 1, 3, 2.5)));
    EXPECT_TRUE(RefusedFor<Problem::BadValue>(refusedWith("chi_electron_kev", 1, 1, 0.5)));
    EXPECT_TRUE(RefusedFor<Problem::BadValue>(refusedWith("fluor_K_photons", 2, 0, -1)));
    // Tables that stop short of the program's highest tube voltage.
    EXPECT_TRUE(
        RefusedFor<Problem::TooFewEnergies>(refusedWith("fluence_electron_kev", 1, 10, 140)));
}

TEST(LoadTungstenTargetTables, AMissingFileIsAFileProblem) {
    const testing::ScratchFolder folder;
    try {
        LoadTungstenTargetTables(folder / "TungstenTarget.bin");
        FAIL() << "a missing file was read";
    } catch (const TungstenTargetError& error) {
        EXPECT_TRUE(std::holds_alternative<FileProblem>(error.Problem().Cause));
    }
}

template <class Cause>
bool LinesRefusedFor(const std::string& text) {
    try {
        ParseTungstenLines(text, "TungstenLines.txt");
    } catch (const TungstenLinesError& error) {
        return std::holds_alternative<Cause>(error.Problem().Cause);
    }
    return false;
}

TEST(ParseTungstenLines, ReadsEachLineOfAShell) {
    const std::vector<CharacteristicLine> lines =
        ParseTungstenLines("K,KL3,59.3182,0.5,3.82\nL3,L3M5,8.3976,0.72,150.7\n", "test");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].Shell, FluorescenceShell::L3);
    EXPECT_EQ(lines[1].Name, "L3M5");
    EXPECT_EQ(lines[0].EnergyKeV, 59.3182);
    EXPECT_EQ(lines[0].Share, 0.5);
    EXPECT_EQ(lines[1].TungstenMassAttenuation, 150.7);
}

TEST(ParseTungstenLines, RefusesWhatIsNotALineOfTungsten) {
    using Problem = TungstenLinesProblem;
    EXPECT_TRUE(LinesRefusedFor<Problem::UnknownShell>("M1,M1N3,2.1,0.5,100\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::BadNumber>("K,KL3,5x,0.5,3.8\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::BadNumber>("K,KL3,159.3,0.5,3.8\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::BadNumber>("K,KL3,59.3,0,3.8\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::BadNumber>("K,KL3,59.3,0.5,-3.8\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::SharesAboveOne>("K,KL3,59.3,0.6,3.8\nK,KL2,58,0.6,4\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::EndsEarly>("K,KL3,59.3,0.5\n"));
    EXPECT_TRUE(LinesRefusedFor<Problem::NoLines>("\n"));
}

}  // namespace
}  // namespace tubeline
