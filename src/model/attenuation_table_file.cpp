#include "attenuation_table_file.h"

#include <string>

#include "file_io.h"
#include "text_fields.h"

namespace tubeline {
namespace {

std::string Subject(std::string_view fileName) {
    return "減弱係数ファイル " + std::string(fileName) + " ";
}

}  // namespace

AttenuationTable ParseAttenuationTable(std::string_view text, std::string_view fileName) {
    AttenuationTable table;
    EnergyArray* const columns[kAttenuationFieldsPerRecord] = {
        nullptr, &table.MuTarget, &table.MuAluminium, &table.MuCopper, &table.MuEnAir,
        nullptr, nullptr};
    FieldReader reader(text);
    for (int n = 0; n < kAttenuationFieldCount; ++n) {
        const std::string record = std::to_string(n / kAttenuationFieldsPerRecord + 1);
        const int fieldInRecord = n % kAttenuationFieldsPerRecord + 1;
        const std::optional<TextField> field = reader.Next();
        if (!field) {
            throw AttenuationTableError(Subject(fileName) + "のデータが途中で終わっています。" +
                                        std::to_string(kAttenuationFieldCount) +
                                        " 個の数値が必要ですが、" + std::to_string(n) +
                                        " 個しかありません（レコード " + record + " の第 " +
                                        std::to_string(fieldInRecord) + " 項目がありません）。");
        }
        const std::optional<double> value = ParseDecimalNumber(field->Text);
        if (!value) {
            throw AttenuationTableError(Subject(fileName) + "の " + std::to_string(field->Line) +
                                        " 行目、レコード " + record + " の第 " +
                                        std::to_string(fieldInRecord) + " 項目「" +
                                        Excerpt(field->Text) + "」は数値ではありません。");
        }
        if (EnergyArray* column = columns[fieldInRecord - 1]) {
            (*column)[n / kAttenuationFieldsPerRecord + 1] = *value;
        }
    }
    return table;
}

AttenuationTable LoadAttenuationTable(const std::filesystem::path& path) {
    std::string text;
    try {
        text = ReadTextFile(path);
    } catch (const FileError& error) {
        throw AttenuationTableError(Subject(path.string()) + "を読めません（" + error.Reason() +
                                    "）。");
    }
    return ParseAttenuationTable(text, path.string());
}

}  // namespace tubeline
