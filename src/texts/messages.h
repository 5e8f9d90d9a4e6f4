#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "export/spectrum_export.h"
#include "model/attenuation_table_file.h"
#include "model/beam_request.h"
#include "model/condition_fields.h"
#include "base/file_io.h"
#include "model/filter_slots.h"
#include "model/half_value_layer_match.h"
#include "model/material_file_reader.h"
#include "model/spectrum_model.h"

namespace tubeline {

// Every message the program gives a person, rendered from what the calculation and the files
// report, without the blanks that a window's message box frames it with.

// Why a file could not be read or written, in words an operator understands.
std::string FileProblemReason(const FileProblem& problem);

std::string AttenuationTableMessage(const AttenuationTableProblem& problem);
std::string MaterialFileMessage(const MaterialFileProblem& problem);

// The caption of a condition field as the main window labels it.
std::string ConditionCaption(ConditionField field);
std::string ConditionRejectionMessage(const ConditionRejection& rejection);
// The tube voltage was corrected into 30..150 kV; the calculation goes on with it.
std::string TubeVoltageCorrectedMessage(double tubeVoltageKv);

// A rectification as the operator knows it, in the current language.
std::string RectificationCaption(RectificationMode rectification);

std::string RunRefusalMessage(RunRefusal refusal);
// A completed run whose table file could not be written.
std::string TableFileMessage(const FileProblem& problem);
// The folder that takes the table file could not be made.
std::string WritableFolderMessage(const FileProblem& problem);

std::string FilterRefusalMessage(const FilterRefusal& refusal);
std::string BeamRefusalMessage(const BeamRefusal& refusal);

// Why matching a target first half-value layer found no thickness of the varied filter, named
// as the operator knows it ("Al", "Cu" or a material's name). Empty for a match that was
// reached.
std::string HalfValueLayerMatchMessage(const HalfValueLayerMatch& match, double targetMm,
                                       std::string_view variedFilter);

// The beam-quality window's status after a match: the added aluminium as set in its field, and
// the first half-value layer of the beam with it.
std::string HalfValueLayerMatchedMessage(std::string_view aluminiumText, double layerMm);
// What is wrong with the column names, the first row, of a tubeline-calc --batch file.
enum class BatchHeaderProblem {
    Missing,         // the file has no rows at all
    UnknownColumn,   // a name not among the known ones
    RepeatedColumn,  // a name given twice
};
std::string BatchHeaderMessage(BatchHeaderProblem problem, std::string_view column,
                               std::string_view knownColumns);

// Why a row of a --batch file was not read; the row's own value in `value`.
enum class BatchCellProblem {
    ModelUnknown,            // neither tucker nor birch
    RectificationUnknown,    // not 1, 2 or 3
    ThicknessWithoutFilter,  // a thickness column filled, its filter column empty
};
std::string BatchCellMessage(BatchCellProblem problem, std::string_view column,
                             std::string_view value);
std::string BatchFieldCountMessage(std::size_t fields, std::size_t columns);

std::string ExportMessage(const ExportProblem& problem);
std::string SpectrumDataSavedMessage(const std::filesystem::path& file);
// A save would replace a file that is there already.
std::string ReplaceFileQuestion(const std::filesystem::path& file);
std::string GraphImageSavedMessage(const std::filesystem::path& file);
std::string GraphImageProblemMessage(const FileProblem& problem);

// The conditions of a run in three lines, worded as the spectrum export's header: the model,
// the rectification, the tube voltage and the target angle; the inherent, aluminium and copper
// filtration; the arbitrary filters. Unlike the file's header, they follow the language.
std::vector<std::string> ConditionSummary(const IrradiationConditions& conditions,
                                          const MaterialFilter& filters);

// Messages of the windows that carry no values.
enum class Notice {
    NoMaterialChosen,  // the filter dialog's OK without a file chosen
    NoFileName,        // the data export's OK with an empty name
    FiltersLocked,     // a filter added after a run, before "リセット"
    BeamQualityTableCopied,
};
std::string NoticeMessage(Notice notice);

}  // namespace tubeline
