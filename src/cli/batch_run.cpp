#include "batch_run.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "base/file_io.h"
#include "base/float_chars.h"
#include "base/parallel_for.h"
#include "batch_messages.h"
#include "calculator.h"
#include "csv_records.h"
#include "export/beam_quality_fields.h"
#include "model/beam_quality_figures.h"
#include "model/beam_request.h"
#include "model/condition_names.h"
#include "progress_bar.h"
#include "texts/run_messages.h"

namespace tubeline {
namespace {

// Enough rows to keep the cores busy between two writes, few enough that a batch of any
// length holds little.
constexpr std::size_t kChunkRows = 256;

// Positions in kBatchColumns; filter slot k (from 0) has its file at kFirstFilter + 2k and its
// thickness right after.
enum BatchColumn : std::size_t {
    kModel,
    kTubeVoltage,
    kTargetAngle,
    kInherentFiltration,
    kAluminium,
    kCopper,
    kRectification,
    kDistance,
    kOutputFactor,
    kFirstFilter,
};

// The column of each ConditionField and of each OutputField.
constexpr BatchColumn kFieldColumns[] = {kTubeVoltage, kTargetAngle, kInherentFiltration,
                                         kAluminium, kCopper};
constexpr BatchColumn kOutputColumns[] = {kDistance, kOutputFactor};

// Each input column's place in kBatchColumns.
using Header = std::vector<std::size_t>;

Header ReadHeader(const std::vector<std::string>& names) {
    std::string known;
    for (const std::string_view column : kBatchColumns) {
        known += (known.empty() ? "" : ", ") + std::string(column);
    }
    Header header;
    for (const std::string& name : names) {
        const auto* found = std::find(kBatchColumns.begin(), kBatchColumns.end(), name);
        if (found == kBatchColumns.end()) {
            throw BatchHeaderError(
                BatchHeaderMessage(BatchHeaderProblem::UnknownColumn, name, known));
        }
        const auto column = static_cast<std::size_t>(found - kBatchColumns.begin());
        if (std::find(header.begin(), header.end(), column) != header.end()) {
            throw BatchHeaderError(
                BatchHeaderMessage(BatchHeaderProblem::RepeatedColumn, name, known));
        }
        header.push_back(column);
    }
    return header;
}

// A row's beam, or why the row cannot be read.
using RowArguments = std::variant<BeamRequest, std::string>;

RowArguments ArgumentsOfRow(const Header& header, const std::vector<std::string>& fields) {
    if (fields.size() != header.size()) {
        return BatchFieldCountMessage(fields.size(), header.size());
    }
    std::array<std::optional<std::string>, kBatchColumns.size()> cells;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].empty()) {
            cells[header[i]] = fields[i];
        }
    }
    BeamRequest beam;
    if (const auto& model = cells[kModel]) {
        const std::optional<SpectrumModel> named = SpectrumModelNamed(*model);
        if (!named) {
            return BatchCellMessage(BatchCellProblem::ModelUnknown, kBatchColumns[kModel], *model);
        }
        beam.Model = *named;
    }
    if (const auto& number = cells[kRectification]) {
        const std::optional<RectificationMode> mode = RectificationNumbered(*number);
        if (!mode) {
            return BatchCellMessage(BatchCellProblem::RectificationUnknown,
                                    kBatchColumns[kRectification], *number);
        }
        beam.Rectification = *mode;
    }
    ConditionTexts typed = DefaultConditionTexts(beam.Model);
    for (const ConditionField field : kConditionFields) {
        if (const auto& cell = cells[kFieldColumns[static_cast<std::size_t>(field)]]) {
            TextOf(typed, field) = *cell;
        }
    }
    beam.Conditions = typed;
    OutputTexts output = DefaultOutputTexts();
    for (const OutputField field : kOutputFields) {
        if (const auto& cell = cells[kOutputColumns[static_cast<std::size_t>(field)]]) {
            TextOf(output, field) = *cell;
        }
    }
    beam.Output = output;
    for (std::size_t file = kFirstFilter; file < kBatchColumns.size(); file += 2) {
        const std::optional<std::string>& thickness = cells[file + 1];
        if (cells[file]) {
            beam.Filters.push_back({*cells[file], thickness.value_or("")});
        } else if (thickness) {
            return BatchCellMessage(BatchCellProblem::ThicknessWithoutFilter,
                                    kBatchColumns[file + 1], *thickness);
        }
    }
    return beam;
}

// Every material file a batch names, read once: the rows of a chunk are computed over several
// threads, so the files are read before and only looked up while they run.
class MaterialFiles {
  public:
    void ReadFilesOf(const std::vector<RowArguments>& rows) {
        for (const RowArguments& row : rows) {
            if (const auto* beam = std::get_if<BeamRequest>(&row)) {
                for (const FilterRequest& filter : beam->Filters) {
                    if (!files_.contains(filter.MaterialFile)) {
                        files_.emplace(filter.MaterialFile, Load(filter.MaterialFile));
                    }
                }
            }
        }
    }

    MaterialFile Read(const std::filesystem::path& path) const {
        const auto& file = files_.at(path);
        if (const auto* problem = std::get_if<MaterialFileProblem>(&file)) {
            throw MaterialFileError(*problem);
        }
        return std::get<MaterialFile>(file);
    }

  private:
    static std::variant<MaterialFile, MaterialFileProblem> Load(const std::filesystem::path& path) {
        try {
            return LoadMaterialFile(path);
        } catch (const MaterialFileError& error) {
            return error.Problem();
        }
    }

    std::map<std::filesystem::path, std::variant<MaterialFile, MaterialFileProblem>> files_;
};

struct RowResult {
    std::optional<BeamQualityFigures> Figures;
    std::string Error;  // empty for a beam computed
};

// The beam of one row, computed as a single run computes it.
RowResult ComputeRow(const RowArguments& row, const AttenuationTable& attenuation,
                     const MaterialReader& read) {
    if (const auto* error = std::get_if<std::string>(&row)) {
        return {std::nullopt, *error};
    }
    const BeamRun run = RunBeam(std::get<BeamRequest>(row), attenuation, read);
    if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
        return {std::nullopt, BeamRefusalMessage(*refusal)};
    }
    const ModelRun& computed = std::get<ComputedBeam>(run.Outcome).Run;
    return {ComputeBeamCentreFigures(*computed.Spectra, attenuation), {}};
}

void WriteHeader(std::ostream& out, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        out << CsvField(name) << ',';
    }
    for (const BeamQualityField& field : kBeamQualityFields) {
        out << field.Key << ',';
    }
    out << "error\n";
}

// The row's own fields (as many as there are columns), the figures and the error.
void WriteRow(std::ostream& out, std::size_t columns, const std::vector<std::string>& fields,
              const RowResult& result) {
    for (std::size_t i = 0; i < columns; ++i) {
        out << (i < fields.size() ? CsvField(fields[i]) : std::string()) << ',';
    }
    for (const BeamQualityField& field : kBeamQualityFields) {
        const std::optional<double> value =
            result.Figures ? field.Value(*result.Figures) : std::nullopt;
        out << (value ? ShortestDoubleText(*value) : std::string()) << ',';
    }
    out << CsvField(result.Error) << '\n';
}

void ThrowIfUnreadable(const BatchInput& input) {
    if (input.Rows.bad()) {
        throw FileError(input.Name, errno != 0 ? errno : EIO);
    }
}

}  // namespace

int RunBatch(const BatchInput& input, const AttenuationTable& attenuation,
             const BatchOutput& output) {
    CsvRecordReader reader(input.Rows);
    std::vector<std::string> names;
    if (!reader.Next(names)) {
        ThrowIfUnreadable(input);
        throw BatchHeaderError(BatchHeaderMessage(BatchHeaderProblem::Missing, {}, {}));
    }
    const Header header = ReadHeader(names);
    WriteHeader(output.Rows, names);

    ProgressBar progress(output.Progress, input.RowCount);
    MaterialFiles files;
    const MaterialReader read = [&files](const std::filesystem::path& path) {
        return files.Read(path);
    };
    bool allComputed = true;
    std::vector<std::vector<std::string>> chunk(kChunkRows);
    for (;;) {
        std::size_t count = 0;
        while (count < kChunkRows && reader.Next(chunk[count])) {
            ++count;
        }
        ThrowIfUnreadable(input);
        if (count == 0) {
            break;
        }
        std::vector<RowArguments> rows;
        for (std::size_t i = 0; i < count; ++i) {
            rows.push_back(ArgumentsOfRow(header, chunk[i]));
        }
        files.ReadFilesOf(rows);
        std::vector<RowResult> results(count);
        ForEachIndexInParallel(static_cast<int>(count), WorkerThreadCount(), [&](int i) {
            try {
                results[i] = ComputeRow(rows[i], attenuation, read);
            } catch (const std::exception& error) {
                results[i] = {std::nullopt, error.what()};
            }
            progress.RowDone();
        });
        progress.Refresh();
        for (std::size_t i = 0; i < count; ++i) {
            WriteRow(output.Rows, header.size(), chunk[i], results[i]);
            allComputed = allComputed && results[i].Error.empty();
        }
        output.Rows.flush();
    }
    return allComputed ? kExitSuccess : kExitSomeRowsFailed;
}

}  // namespace tubeline
