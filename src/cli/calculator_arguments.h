#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "command_line.h"
#include "model/beam_request.h"
#include "model/condition_names.h"
#include "model/match_request.h"
#include "texts/language.h"

namespace tubeline {

enum class OutputFormat { Text, Json };

// --match-hvl MM [--match-with al|cu|FILE].
struct MatchArguments {
    std::string TargetMm;  // as typed
    VariedFilter Varied = AddedFilter::Aluminium;
};

struct CalculatorArguments {
    // The conditions as typed; those not given take the defaults of the model.
    BeamRequest Beam;
    // --distance or --output-factor was given.
    bool OutputGiven = false;
    // --data; without it the working folder, or the installed data when only that holds the
    // table.
    std::optional<std::filesystem::path> DataFolder;
    std::optional<std::filesystem::path> TableFile;
    std::optional<std::filesystem::path> CsvFile;
    OutputFormat Format = OutputFormat::Text;
    std::optional<MatchArguments> Match;
    std::optional<std::filesystem::path> BatchFile;  // "-" is the standard input
    std::optional<Language> Speak;                   // --lang; the locale's when not given
    bool Help = false;
    bool Version = false;
};

CalculatorArguments ParseCalculatorArguments(std::span<const std::string_view> arguments);

// What --batch reads from standard input.
inline constexpr std::string_view kStandardInputName = "-";

std::string CalculatorUsage();

}  // namespace tubeline
