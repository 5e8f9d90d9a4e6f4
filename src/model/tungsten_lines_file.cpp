#include "tungsten_lines_file.h"

#include <array>
#include <optional>

#include "condition_fields.h"
#include "base/text_fields.h"

namespace tubeline {
namespace {

constexpr std::array<std::string_view, kFluorescenceShellCount> kShellNames = {"K", "L1", "L2",
                                                                               "L3"};
// Rounded rates of a shell may add up to a hair above 1.
constexpr double kMostShareSum = 1.001;

enum LineField { kShellField = 1, kNameField, kEnergyField, kShareField, kAttenuationField };

std::optional<FluorescenceShell> ShellNamed(std::string_view text) {
    for (int s = 0; s < kFluorescenceShellCount; ++s) {
        if (kShellNames[s] == text) {
            return static_cast<FluorescenceShell>(s);
        }
    }
    return std::nullopt;
}

bool InRange(int field, double value) {
    switch (field) {
        case kEnergyField:
            return value > 0 && value <= kMaximumTubeVoltageKv;
        case kShareField:
            return value > 0 && value <= 1;
        default:
            return value > 0;
    }
}

template <class Cause>
[[noreturn]] void Fail(std::string_view fileName, Cause cause) {
    throw TungstenLinesError({std::string(fileName), std::move(cause)});
}

}  // namespace

TungstenLinesError::TungstenLinesError(TungstenLinesProblem problem)
    : std::runtime_error(problem.File + ": not usable lines of tungsten"),
      problem_(std::move(problem)) {}

std::vector<CharacteristicLine> ParseTungstenLines(std::string_view text,
                                                   std::string_view fileName) {
    std::vector<CharacteristicLine> lines;
    std::array<double, kFluorescenceShellCount> shareSums{};
    FieldReader reader(text);
    for (std::optional<TextField> first = reader.Next(); first; first = reader.Next()) {
        std::array<TextField, kLineFields> fields{*first};
        for (int f = 1; f < kLineFields; ++f) {
            const std::optional<TextField> field = reader.Next();
            if (!field) {
                Fail(fileName,
                     TungstenLinesProblem::EndsEarly{static_cast<int>(lines.size()) + 1, f + 1});
            }
            fields[f] = *field;
        }
        CharacteristicLine line;
        const std::optional<FluorescenceShell> shell = ShellNamed(fields[0].Text);
        if (!shell) {
            Fail(fileName,
                 TungstenLinesProblem::UnknownShell{fields[0].Line, std::string(fields[0].Text)});
        }
        line.Shell = *shell;
        line.Name = fields[kNameField - 1].Text;
        std::array<double, kLineFields + 1> numbers{};
        for (int f = kEnergyField; f <= kAttenuationField; ++f) {
            const TextField& field = fields[f - 1];
            const std::optional<double> value = ParseDecimalNumber(field.Text);
            if (!value || !InRange(f, *value)) {
                Fail(fileName,
                     TungstenLinesProblem::BadNumber{field.Line, f, std::string(field.Text)});
            }
            numbers[f] = *value;
        }
        line.EnergyKeV = numbers[kEnergyField];
        line.Share = numbers[kShareField];
        line.TungstenMassAttenuation = numbers[kAttenuationField];
        double& sum = shareSums[static_cast<int>(line.Shell)];
        sum += line.Share;
        if (sum > kMostShareSum) {
            Fail(fileName, TungstenLinesProblem::SharesAboveOne{line.Shell, sum});
        }
        lines.push_back(std::move(line));
    }
    if (lines.empty()) {
        Fail(fileName, TungstenLinesProblem::NoLines{});
    }
    return lines;
}

std::vector<CharacteristicLine> LoadTungstenLines(const std::filesystem::path& path) {
    std::string text;
    try {
        text = ReadTextFile(path);
    } catch (const FileError& error) {
        throw TungstenLinesError({path.string(), error.Problem()});
    }
    return ParseTungstenLines(text, path.string());
}

}  // namespace tubeline
