#include "tungsten_target_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>

#include "condition_fields.h"

namespace tubeline {
namespace {

// The file: the magic bytes, the format version and the number of arrays as little-endian 32-bit
// unsigned integers, then the arrays in a fixed order. Each array: its name in 24 bytes of ASCII
// padded with NUL, its rank and dimensions as 32-bit unsigned integers, its values as
// little-endian 32-bit floats in row-major order.
constexpr std::string_view kMagic = "TLTARGET";
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kNameBytes = 24;
constexpr std::size_t kWordBytes = 4;

// The arrays in the order the file holds them.
constexpr std::string_view kFluorescenceArrays[kFluorescenceShellCount][2] = {
    {"fluor_K_electron_kev", "fluor_K_photons"},
    {"fluor_L1_electron_kev", "fluor_L1_photons"},
    {"fluor_L2_electron_kev", "fluor_L2_photons"},
    {"fluor_L3_electron_kev", "fluor_L3_photons"}};
constexpr std::uint32_t kArrayCount = 12 + 2 * kFluorescenceShellCount;

// |P_l| <= 1, so no moment exceeds the fluence; the two were rounded to float apart.
constexpr double kMomentRoundingAllowance = 1e-5;

// The float whose bits the word holds: the file's floats are IEEE binary32, as the program's are.
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == sizeof(std::uint32_t));
float FloatOf(std::uint32_t word) {
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

struct Array {
    std::string Name;
    std::vector<std::size_t> Dimensions;
    std::vector<double> Values;
};

// Hands out the arrays of the file one by one, refusing what does not follow the format.
class ArrayReader {
  public:
    ArrayReader(std::string_view bytes, std::string_view file) : bytes_(bytes), file_(file) {}

    void ReadHeader() {
        if (bytes_.substr(0, kMagic.size()) != kMagic) {
            Fail(TungstenTargetProblem::NotTargetTables{});
        }
        pos_ = kMagic.size();
        if (Word("") != kFormatVersion || Word("") != kArrayCount) {
            Fail(TungstenTargetProblem::NotTargetTables{});
        }
    }

    // The next array, which must carry this name and have this many dimensions.
    Array Next(std::string_view name, std::size_t rank) {
        Array array;
        const std::string_view field = Take(kNameBytes, name);
        array.Name = std::string(field.substr(0, field.find('\0')));
        if (array.Name != name) {
            Fail(TungstenTargetProblem::UnexpectedArray{std::string(name), array.Name});
        }
        if (Word(name) != rank) {
            Fail(TungstenTargetProblem::WrongShape{array.Name, {}});
        }
        std::size_t count = 1;
        for (std::size_t d = 0; d < rank; ++d) {
            array.Dimensions.push_back(Word(name));
        }
        for (const std::size_t dimension : array.Dimensions) {
            if (dimension == 0) {
                Fail(TungstenTargetProblem::WrongShape{array.Name, array.Dimensions});
            }
            if (count > (bytes_.size() - pos_) / kWordBytes / dimension) {
                Fail(TungstenTargetProblem::EndsEarly{array.Name});
            }
            count *= dimension;
        }
        array.Values.reserve(count);
        for (std::size_t n = 0; n < count; ++n) {
            const double value = FloatOf(Word(name));
            if (!std::isfinite(value)) {
                Fail(TungstenTargetProblem::BadValue{array.Name, n, value});
            }
            array.Values.push_back(value);
        }
        return array;
    }

    void ExpectEnd() const {
        if (pos_ != bytes_.size()) {
            Fail(TungstenTargetProblem::TrailingBytes{bytes_.size() - pos_});
        }
    }

    template <class Cause>
    [[noreturn]] void Fail(Cause cause) const {
        throw TungstenTargetError({file_, std::move(cause)});
    }

  private:
    std::string_view Take(std::size_t count, std::string_view arrayName) {
        if (bytes_.size() - pos_ < count) {
            Fail(TungstenTargetProblem::EndsEarly{std::string(arrayName)});
        }
        const std::string_view taken = bytes_.substr(pos_, count);
        pos_ += count;
        return taken;
    }

    std::uint32_t Word(std::string_view arrayName) {
        const std::string_view word = Take(kWordBytes, arrayName);
        std::uint32_t value = 0;
        for (std::size_t b = kWordBytes; b-- > 0;) {
            value = value << 8 | static_cast<unsigned char>(word[b]);
        }
        return value;
    }

    std::string_view bytes_;
    std::string file_;
    std::size_t pos_ = 0;
};

// Checks of the arrays' values, each refusing the file at the first value that fails.
class ArrayChecks {
  public:
    explicit ArrayChecks(const ArrayReader& reader) : reader_(reader) {}

    void Shape(const Array& array, const std::vector<std::size_t>& dimensions) const {
        if (array.Dimensions != dimensions) {
            reader_.Fail(TungstenTargetProblem::WrongShape{array.Name, array.Dimensions});
        }
    }

    void Each(const Array& array, const std::function<bool(double)>& valid) const {
        for (std::size_t n = 0; n < array.Values.size(); ++n) {
            if (!valid(array.Values[n])) {
                Bad(array, n);
            }
        }
    }

    // Positive and strictly ascending, at least two values.
    void Grid(const Array& array) const {
        if (array.Values.size() < 2) {
            reader_.Fail(TungstenTargetProblem::WrongShape{array.Name, array.Dimensions});
        }
        Each(array, [](double value) { return value > 0; });
        for (std::size_t n = 1; n < array.Values.size(); ++n) {
            if (array.Values[n] <= array.Values[n - 1]) {
                Bad(array, n);
            }
        }
    }

    // A grid of incident energies that reaches the program's highest tube voltage.
    void EnergyGrid(const Array& array) const {
        Grid(array);
        if (array.Values.back() < kMaximumTubeVoltageKv) {
            reader_.Fail(TungstenTargetProblem::TooFewEnergies{array.Name, array.Values.back(),
                                                               kMaximumTubeVoltageKv});
        }
    }

    [[noreturn]] void Bad(const Array& array, std::size_t n) const {
        reader_.Fail(TungstenTargetProblem::BadValue{array.Name, n, array.Values[n]});
    }

  private:
    const ArrayReader& reader_;
};

DepthGrid ReadDepthGrid(ArrayReader& reader, const ArrayChecks& checks, std::string_view stepName,
                        std::string_view stepsName) {
    const Array step = reader.Next(stepName, 1);
    checks.Shape(step, {1});
    checks.Each(step, [](double value) { return value > 0; });
    const Array steps = reader.Next(stepsName, 1);
    DepthGrid grid{step.Values[0], {}};
    std::vector<double> spacings;
    for (std::size_t m = 0; m < steps.Values.size(); ++m) {
        const double value = steps.Values[m];
        const bool whole = value == std::floor(value);
        const bool ascending = m == 0 ? value == 0 : value > steps.Values[m - 1];
        if (m > 0 && std::find(spacings.begin(), spacings.end(), value - steps.Values[m - 1]) ==
                         spacings.end()) {
            spacings.push_back(value - steps.Values[m - 1]);
        }
        if (!whole || !ascending || spacings.size() > kMostDepthSpacings) {
            checks.Bad(steps, m);
        }
        grid.Steps.push_back(static_cast<int>(value));
    }
    if (grid.Steps.size() < 2) {
        reader.Fail(TungstenTargetProblem::WrongShape{steps.Name, steps.Dimensions});
    }
    return grid;
}

ScaledCrossSectionTable ReadCrossSections(ArrayReader& reader, const ArrayChecks& checks) {
    const Array energies = reader.Next("chi_electron_kev", 1);
    checks.EnergyGrid(energies);
    const Array fractions = reader.Next("chi_photon_fraction", 1);
    checks.Each(fractions, [](double value) { return value >= 0 && value <= 1; });
    for (std::size_t n = 1; n < fractions.Values.size(); ++n) {
        if (fractions.Values[n] <= fractions.Values[n - 1]) {
            checks.Bad(fractions, n);
        }
    }
    if (fractions.Values.front() != 0) {
        checks.Bad(fractions, 0);
    }
    if (fractions.Values.back() != 1) {
        checks.Bad(fractions, fractions.Values.size() - 1);
    }
    const Array values = reader.Next("chi_millibarn", 2);
    checks.Shape(values, {energies.Values.size(), fractions.Values.size()});
    checks.Each(values, [](double value) { return value > 0; });
    return {energies.Values, fractions.Values, values.Values};
}

ElectronRangeTable ReadRanges(ArrayReader& reader, const ArrayChecks& checks) {
    const Array energies = reader.Next("csda_electron_kev", 1);
    checks.EnergyGrid(energies);
    const Array ranges = reader.Next("csda_range_g_cm2", 1);
    checks.Shape(ranges, energies.Dimensions);
    checks.Grid(ranges);
    return {energies.Values, ranges.Values};
}

ElectronFluenceTable ReadFluence(ArrayReader& reader, const ArrayChecks& checks) {
    ElectronFluenceTable table;
    const Array energies = reader.Next("fluence_electron_kev", 1);
    checks.EnergyGrid(energies);
    const Array fractions = reader.Next("fluence_fraction", 1);
    checks.Grid(fractions);
    if (fractions.Values.back() != 1) {
        checks.Bad(fractions, fractions.Values.size() - 1);
    }
    table.Depths = ReadDepthGrid(reader, checks, "fluence_depth_step", "fluence_depth_steps");
    const Array moments = reader.Next("fluence_moments", 4);
    checks.Shape(moments, {energies.Values.size(), kFluenceMomentCount, fractions.Values.size(),
                           table.Depths.Steps.size()});
    const std::size_t perOrder = fractions.Values.size() * table.Depths.Steps.size();
    for (std::size_t n = 0; n < moments.Values.size(); ++n) {
        const std::size_t order = n / perOrder % kFluenceMomentCount;
        const double fluence = moments.Values[n - order * perOrder];
        const bool valid =
            order == 0 ? fluence >= 0
                       : std::fabs(moments.Values[n]) <= fluence * (1 + kMomentRoundingAllowance);
        if (!valid) {
            checks.Bad(moments, n);
        }
    }
    table.IncidentEnergiesKeV = energies.Values;
    table.EnergyFractions = fractions.Values;
    table.Moments = moments.Values;
    return table;
}

FluorescenceTable ReadFluorescence(ArrayReader& reader, const ArrayChecks& checks,
                                   FluorescenceShell shell, std::size_t depthCount) {
    const auto& [energyName, photonName] = kFluorescenceArrays[static_cast<int>(shell)];
    const Array energies = reader.Next(energyName, 1);
    checks.EnergyGrid(energies);
    const Array photons = reader.Next(photonName, 2);
    checks.Shape(photons, {energies.Values.size(), depthCount});
    checks.Each(photons, [](double value) { return value >= 0; });
    return {energies.Values, photons.Values};
}

}  // namespace

TungstenTargetError::TungstenTargetError(TungstenTargetProblem problem)
    : std::runtime_error(problem.File + ": not usable tables of the tungsten target"),
      problem_(std::move(problem)) {}

TungstenTargetTables ParseTungstenTargetTables(std::string_view bytes, std::string_view fileName) {
    ArrayReader reader(bytes, fileName);
    const ArrayChecks checks(reader);
    reader.ReadHeader();
    TungstenTargetTables tables;
    tables.CrossSections = ReadCrossSections(reader, checks);
    tables.Ranges = ReadRanges(reader, checks);
    tables.Fluence = ReadFluence(reader, checks);
    tables.FluorescenceDepths =
        ReadDepthGrid(reader, checks, "fluor_depth_step", "fluor_depth_steps");
    for (int s = 0; s < kFluorescenceShellCount; ++s) {
        tables.Fluorescence[s] = ReadFluorescence(reader, checks, static_cast<FluorescenceShell>(s),
                                                  tables.FluorescenceDepths.Steps.size());
    }
    reader.ExpectEnd();
    return tables;
}

TungstenTargetTables LoadTungstenTargetTables(const std::filesystem::path& path) {
    std::string bytes;
    try {
        bytes = ReadTextFile(path);
    } catch (const FileError& error) {
        throw TungstenTargetError({path.string(), error.Problem()});
    }
    return ParseTungstenTargetTables(bytes, path.string());
}

}  // namespace tubeline
