#include "attenuation_table_file.h"

#include <string>

#include "base/file_io.h"
#include "base/text_fields.h"
#include "physics_target_data.h"

namespace tubeline {

AttenuationTableError::AttenuationTableError(AttenuationTableProblem problem)
    : std::runtime_error(problem.File + ": not a usable attenuation table"),
      problem_(std::move(problem)) {}

AttenuationTable ParseAttenuationTable(std::string_view text, std::string_view fileName) {
    AttenuationTable table;
    EnergyArray* const columns[kAttenuationFieldsPerRecord] = {
        nullptr,        &table.MuTarget,  &table.MuAluminium,   &table.MuCopper,
        &table.MuEnAir, &table.MuEnWater, &table.MuEnSoftTissue};
    FieldReader reader(text);
    for (int n = 0; n < kAttenuationFieldCount; ++n) {
        const int record = n / kAttenuationFieldsPerRecord + 1;
        const int fieldInRecord = n % kAttenuationFieldsPerRecord + 1;
        const std::optional<TextField> field = reader.Next();
        if (!field) {
            throw AttenuationTableError({std::string(fileName), AttenuationTableProblem::EndsEarly{
                                                                    n, record, fieldInRecord}});
        }
        const std::optional<double> value = ParseDecimalNumber(field->Text);
        if (!value) {
            throw AttenuationTableError(
                {std::string(fileName),
                 AttenuationTableProblem::NotANumber{field->Line, record, fieldInRecord,
                                                     std::string(field->Text)}});
        }
        if (EnergyArray* column = columns[fieldInRecord - 1]) {
            (*column)[record] = *value;
        }
    }
    return table;
}

AttenuationTable LoadAttenuationTable(const std::filesystem::path& path) {
    std::string text;
    try {
        text = ReadTextFile(path);
    } catch (const FileError& error) {
        throw AttenuationTableError({path.string(), error.Problem()});
    }
    AttenuationTable table = ParseAttenuationTable(text, path.string());
    table.PhysicsTarget =
        std::make_shared<const PhysicsTargetData>(path.parent_path(), table.MuTarget);
    return table;
}

}  // namespace tubeline
