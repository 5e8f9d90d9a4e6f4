#include "material_file_reader.h"

#include <array>
#include <cmath>
#include <limits>

#include "base/file_io.h"
#include "base/shift_jis.h"
#include "base/text_fields.h"

namespace tubeline {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Problem = MaterialFileProblem;
using Field = MaterialField;

// Files written on Japanese Windows carry their name line in Shift-JIS; a line that is valid
// UTF-8 is taken as such, since Japanese text in Shift-JIS practically never is.
std::string NameFromLine(std::string_view line, std::string_view fileName) {
    if (line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (IsValidUtf8(line)) {
        return std::string(line);
    }
    if (auto decoded = DecodeShiftJis(line)) {
        return *std::move(decoded);
    }
    throw MaterialFileError({std::string(fileName), Problem::NameNotText{}});
}

// Reads one material file field by field and refuses it, naming the place, at the first
// problem.
class MaterialFileReader {
  public:
    MaterialFileReader(std::string_view text, std::string_view fileName)
        : fields_(text, FieldReader::Blanks::SeparateFields), fileName_(fileName) {}

    MaterialFile Read() {
        MaterialFile material;
        material.Name = NameFromLine(fields_.RestOfLine(), fileName_);
        material.Density = ReadDensity();
        rowCount_ = ReadRowCount();
        for (int k = 1; k <= rowCount_; ++k) {
            material.Table.push_back(ReadRow(k, material.Table));
        }
        CheckEnergyRange(material.Table);
        CheckCoefficientRange(material);
        return material;
    }

  private:
    struct Number {
        double Value;
        std::string_view Text;
        int Line;
    };

    template <class Cause>
    [[noreturn]] void Refuse(Cause cause) const {
        throw MaterialFileError({fileName_, std::move(cause)});
    }

    Number NextNumber(const Field& where) {
        const std::optional<TextField> field = fields_.Next();
        if (!field) {
            Refuse(Problem::EndsEarly{where, rowCount_});
        }
        const std::optional<double> value = ParseDecimalNumber(field->Text);
        if (!value) {
            Refuse(Problem::NotANumber{field->Line, where, std::string(field->Text)});
        }
        return {*value, field->Text, field->Line};
    }

    double ReadDensity() {
        const Number density = NextNumber({Field::Kind::Density});
        if (density.Value <= 0) {
            Refuse(Problem::DensityNotPositive{std::string(density.Text)});
        }
        return density.Value;
    }

    int ReadRowCount() {
        const Number count = NextNumber({Field::Kind::RowCount});
        if (count.Value < 1 || count.Value > kMaterialRowLimit ||
            count.Value != std::floor(count.Value)) {
            Refuse(Problem::RowCountInvalid{std::string(count.Text), kMaterialRowLimit});
        }
        return static_cast<int>(count.Value);
    }

    MaterialRow ReadRow(int k, const MaterialTable& previousRows) {
        std::array<double, kMaterialRowFields> values{};
        int line = 0;
        for (int f = 0; f < kMaterialRowFields; ++f) {
            const Number number = NextNumber({Field::Kind::RowValue, k, f + 1});
            values[f] = number.Value;
            if (f == 0) {
                line = number.Line;
            }
        }
        const MaterialRow result{values[1] + values[2] + values[3], values[0], values[1], values[2],
                                 values[3]};
        if (result.Energy <= 0) {
            Refuse(Problem::EnergyNotPositive{line, k, result.Energy});
        }
        // Equal neighbours are an absorption edge, listed below and above.
        if (!previousRows.empty() && result.Energy < previousRows.back().Energy) {
            Refuse(Problem::EnergyDescending{line, k, result.Energy, previousRows.back().Energy});
        }
        if (!std::isfinite(result.Total)) {
            Refuse(Problem::SumOutOfRange{line, k});
        }
        // Its logarithm is taken.
        if (result.Total <= 0) {
            Refuse(Problem::SumNotPositive{line, k, result.Total});
        }
        return result;
    }

    void CheckEnergyRange(const MaterialTable& rows) const {
        if (rows.front().Energy > kFirstInterpolatedEnergyMeV) {
            Refuse(Problem::FirstEnergyTooHigh{rows.front().Energy, kFirstInterpolatedEnergyMeV});
        }
        if (rows.back().Energy <= kLastInterpolatedEnergyMeV) {
            Refuse(Problem::LastEnergyTooLow{rows.back().Energy, kLastInterpolatedEnergyMeV});
        }
    }

    // Interpolated coefficients lie between the tabulated ones; a margin keeps the rounding of
    // the interpolation and of the density product inside the double range.
    void CheckCoefficientRange(const MaterialFile& material) const {
        constexpr double kLargestLinearCoefficient = std::numeric_limits<double>::max() / 4;
        for (const MaterialRow& row : material.Table) {
            if (!(material.Density * row.Total <= kLargestLinearCoefficient)) {
                Refuse(Problem::LinearCoefficientOutOfRange{material.Density, row.Total});
            }
        }
    }

    FieldReader fields_;
    std::string fileName_;
    int rowCount_ = 0;
};

std::string ReadFileFor(const std::filesystem::path& path) {
    try {
        return ReadTextFile(path);
    } catch (const FileError& error) {
        throw MaterialFileError({path.string(), error.Problem()});
    }
}

}  // namespace

MaterialFileError::MaterialFileError(MaterialFileProblem problem)
    : std::runtime_error(problem.File + ": not a usable material file"),
      problem_(std::move(problem)) {}

MaterialFile ParseMaterialFile(std::string_view text, std::string_view fileName) {
    return MaterialFileReader(text, fileName).Read();
}

MaterialFile LoadMaterialFile(const std::filesystem::path& path) {
    return ParseMaterialFile(ReadFileFor(path), path.string());
}

std::string ReadMaterialName(const std::filesystem::path& path) {
    const std::string text = ReadFileFor(path);
    return NameFromLine(FieldReader(text).RestOfLine(), path.string());
}

}  // namespace tubeline
