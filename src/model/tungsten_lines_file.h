#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/file_io.h"
#include "tungsten_target_file.h"

namespace tubeline {

inline constexpr std::string_view kTungstenLinesFileName = "TungstenLines.txt";

// One characteristic X-ray line of tungsten, filled from a vacancy in a shell.
struct CharacteristicLine {
    FluorescenceShell Shell = FluorescenceShell::K;
    std::string Name;  // the transition, as "KL3"
    double EnergyKeV = 0;
    double Share = 0;                    // of the shell's line photons
    double TungstenMassAttenuation = 0;  // mu/rho of tungsten at the line's energy, cm2/g
};

// Five comma-separated fields per line (line breaks separate records as commas do): the shell
// (K, L1, L2 or L3), the line's name, its energy in keV, its share and tungsten's mu/rho at it.
inline constexpr int kLineFields = 5;

// Why the lines could not be used; none of such a file is ever used.
struct TungstenLinesProblem {
    // The text ended inside a record; Field 1..5 is the first one missing.
    struct EndsEarly {
        int Record;
        int Field;
    };
    struct UnknownShell {
        int Line;
        std::string Text;
    };
    // A number field that is not a decimal number, or one out of its range: an energy not
    // above 0 or above the program's highest voltage, a share not in (0, 1], a coefficient not
    // above 0.
    struct BadNumber {
        int Line;
        int Field;
        std::string Text;
    };
    // A shell's shares add up to more than 1.
    struct SharesAboveOne {
        FluorescenceShell Shell;
        double Sum;
    };
    struct NoLines {};

    std::string File;
    std::variant<FileProblem, EndsEarly, UnknownShell, BadNumber, SharesAboveOne, NoLines> Cause;
};

class TungstenLinesError : public std::runtime_error {
  public:
    explicit TungstenLinesError(TungstenLinesProblem problem);
    const TungstenLinesProblem& Problem() const { return problem_; }

  private:
    TungstenLinesProblem problem_;
};

std::vector<CharacteristicLine> LoadTungstenLines(const std::filesystem::path& path);

// The same from text already in memory; fileName only labels the messages.
std::vector<CharacteristicLine> ParseTungstenLines(std::string_view text,
                                                   std::string_view fileName);

}  // namespace tubeline
