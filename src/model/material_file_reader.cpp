#include "material_file_reader.h"

#include <array>
#include <cmath>
#include <limits>

#include "file_io.h"
#include "number_format.h"
#include "shift_jis.h"
#include "text_fields.h"

namespace tubeline {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Subject(std::string_view fileName) {
    return "材質ファイル " + std::string(fileName) + " ";
}

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
    throw MaterialFileError(Subject(fileName) +
                            "の 1 行目（材質名）は UTF-8 でも Shift-JIS でもありません。");
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
        const int rowCount = ReadRowCount();
        for (int k = 1; k <= rowCount; ++k) {
            material.Table.push_back(ReadRow(k, rowCount, material.Table));
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

    [[noreturn]] void Refuse(const std::string& problem) const {
        throw MaterialFileError(Subject(fileName_) + problem);
    }

    // `what` names the field in messages; `missing` says what is missing when the text ends.
    Number NextNumber(const std::string& what, const std::string& missing) {
        const std::optional<TextField> field = fields_.Next();
        if (!field) {
            Refuse("のデータが途中で終わっています（" + missing + "）。");
        }
        const std::optional<double> value = ParseDecimalNumber(field->Text);
        if (!value) {
            Refuse("の " + std::to_string(field->Line) + " 行目、" + what + "「" +
                   Excerpt(field->Text) + "」は数値ではありません。");
        }
        return {*value, field->Text, field->Line};
    }

    double ReadDensity() {
        const Number density = NextNumber("密度", "密度がありません");
        if (density.Value <= 0) {
            Refuse("の密度 " + Excerpt(density.Text) + " は正の数ではありません。");
        }
        return density.Value;
    }

    int ReadRowCount() {
        const Number count = NextNumber("データ行数", "データ行数がありません");
        if (count.Value < 1 || count.Value > kMaterialRowLimit ||
            count.Value != std::floor(count.Value)) {
            Refuse("のデータ行数 " + Excerpt(count.Text) + " は 1 から " +
                   std::to_string(kMaterialRowLimit) + " までの整数ではありません。");
        }
        return static_cast<int>(count.Value);
    }

    MaterialRow ReadRow(int k, int rowCount, const MaterialTable& previousRows) {
        const std::string row = "データ行 " + std::to_string(k);
        std::array<double, kMaterialRowFields> values{};
        int line = 0;
        for (int f = 0; f < kMaterialRowFields; ++f) {
            const std::string field = row + " の第 " + std::to_string(f + 1) + " 項目";
            const Number number = NextNumber(
                field, std::to_string(rowCount) + " 行のデータのうち" + field + "がありません");
            values[f] = number.Value;
            if (f == 0) {
                line = number.Line;
            }
        }
        const MaterialRow result{values[1] + values[2] + values[3], values[0], values[1], values[2],
                                 values[3]};
        const std::string place = "の " + std::to_string(line) + " 行目、" + row + " の";
        if (result.Energy <= 0) {
            Refuse(place + "エネルギー " + FormatGeneral(result.Energy) +
                   " MeV は正の数ではありません。");
        }
        // Equal neighbours are an absorption edge, listed below and above.
        if (!previousRows.empty() && result.Energy < previousRows.back().Energy) {
            Refuse(place + "エネルギー " + FormatGeneral(result.Energy) + " MeV が前の行の " +
                   FormatGeneral(previousRows.back().Energy) +
                   " MeV より小さくなっています。エネルギーは小さい順に並べて下さい。");
        }
        if (!std::isfinite(result.Total)) {
            Refuse(place + "減弱係数の和が数値の範囲を超えています。");
        }
        // Its logarithm is taken.
        if (result.Total <= 0) {
            Refuse(place + "減弱係数の和 " + FormatGeneral(result.Total) +
                   " cm2/g は正の数ではありません。");
        }
        return result;
    }

    void CheckEnergyRange(const MaterialTable& rows) const {
        if (rows.front().Energy > kFirstInterpolatedEnergyMeV) {
            Refuse("の最初のエネルギー " + FormatGeneral(rows.front().Energy) + " MeV が " +
                   FormatGeneral(kFirstInterpolatedEnergyMeV) +
                   " MeV より大きくなっています。データはこのエネルギー以下から始めて下さい。");
        }
        if (rows.back().Energy <= kLastInterpolatedEnergyMeV) {
            Refuse("の最後のエネルギー " + FormatGeneral(rows.back().Energy) + " MeV が " +
                   FormatGeneral(kLastInterpolatedEnergyMeV) +
                   " MeV を超えていません。データはこのエネルギーより先まで必要です。");
        }
    }

    // Interpolated coefficients lie between the tabulated ones; a margin keeps the rounding of
    // the interpolation and of the density product inside the double range.
    void CheckCoefficientRange(const MaterialFile& material) const {
        constexpr double kLargestLinearCoefficient = std::numeric_limits<double>::max() / 4;
        for (const MaterialRow& row : material.Table) {
            if (!(material.Density * row.Total <= kLargestLinearCoefficient)) {
                Refuse("の密度 " + FormatGeneral(material.Density) + " g/cm3 と減弱係数 " +
                       FormatGeneral(row.Total) + " cm2/g の積が数値の範囲を超えています。");
            }
        }
    }

    FieldReader fields_;
    std::string fileName_;
};

std::string ReadFileFor(const std::filesystem::path& path) {
    try {
        return ReadTextFile(path);
    } catch (const FileError& error) {
        throw MaterialFileError(Subject(path.string()) + "を読めません（" + error.Reason() +
                                "）。");
    }
}

}  // namespace

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
