#pragma once

#include <filesystem>
#include <string>
#include "base/file_io.h"
#include "export/spectrum_export.h"
#include "model/attenuation_table_file.h"
#include "model/material_file_reader.h"
#include "model/physics_target_data.h"

namespace tubeline {

// What people are told about the files: the table, material files, exports and saved pictures.

// Why a file could not be read or written, in words an operator understands.
std::string FileProblemReason(const FileProblem& problem);

std::string AttenuationTableMessage(const AttenuationTableProblem& problem);

std::string MaterialFileMessage(const MaterialFileProblem& problem);

// The physics model's target tables or lines could not be used.
std::string ModelDataMessage(const ModelDataRefusal& refusal);

// A completed run whose table file could not be written.
std::string TableFileMessage(const FileProblem& problem);

// The folder that takes the table file could not be made.
std::string WritableFolderMessage(const FileProblem& problem);

std::string ExportMessage(const ExportProblem& problem);

std::string SpectrumDataSavedMessage(const std::filesystem::path& file);

// A save would replace a file that is there already.
std::string ReplaceFileQuestion(const std::filesystem::path& file);

std::string GraphImageSavedMessage(const std::filesystem::path& file);

std::string GraphImageProblemMessage(const FileProblem& problem);

}  // namespace tubeline
