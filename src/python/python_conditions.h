#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <filesystem>
#include <string>

#include "scripted_run.h"

namespace tubeline::python {

// Reading a calculation's conditions from Python: compute's arguments, or a mapping of them
// (compute_many, imap), into the model's BeamRequest. Wrong Python values raise TypeError or
// ValueError in English; what the window would refuse is left to the run.

// The arguments by name, in compute's order; the last two, where the physics model's absolute
// output is wanted, are keywords only.
inline constexpr std::array<const char*, 11> kConditionNames{
    "model",         "kv",      "angle",    "inherent",    "al",           "cu",
    "rectification", "filters", "data_dir", "distance_mm", "output_factor"};

struct ConditionArguments {
    std::array<pybind11::object, kConditionNames.size()> Values;
};

// compute's defaults: the window's (the target angle, None, being the model's), no filters, the
// data folder the module finds itself, and the absolute output at 1000 mm with factor 1.
ConditionArguments DefaultConditionArguments();

// The arguments of a mapping, the defaults for those it leaves out; a key that names none of
// them is a TypeError naming it and the closest argument.
ConditionArguments ConditionArgumentsOf(const pybind11::handle& conditions);

ScriptedRequest ReadConditions(const ConditionArguments& arguments);

// A number given from Python: int, float or any other real number (NumPy's scalars among them),
// but not a bool. `name` names the argument in the TypeError.
double NumberOf(const pybind11::handle& value, const std::string& name);

// The data folder of data_dir: the folder given, else $TUBELINE_DATA, else the working folder
// when it holds the table, else the data installed with the module.
std::filesystem::path DataFolderOf(const pybind11::handle& dataDir);

// A filter's material: a file name or stem of the material folders ("Pb", "Air.mix"), else a
// path (str or os.PathLike) to a file that exists, else a file name or stem of those folders in
// another case ("water") when only one spelling matches. A bare name found nowhere raises
// FileNotFoundError naming the folders searched and the closest names; a path that does not
// exist is left to the run, which refuses it in the window's words.
std::filesystem::path MaterialFileOf(const pybind11::handle& material,
                                     const std::filesystem::path& dataFolder);

// The folders whose materials a filter may name, and materials() lists, beside the data folder.
std::vector<std::filesystem::path> MaterialFoldersBeside(const std::filesystem::path& dataFolder);

}  // namespace tubeline::python
