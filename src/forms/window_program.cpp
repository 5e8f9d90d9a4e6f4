#include "window_program.h"

#include "model/attenuation_table_file.h"
#include "texts/file_messages.h"

namespace tubeline {

WindowProgram::WindowProgram(OperatorMessages& messages, ProgramEnd& end, const FilePlaces& places)
    : messages_(messages),
      places_(places),
      mainForm_(state_, canvas_, messages, places, end),
      startForm_(mainForm_) {}

WindowProgram::WindowProgram(OperatorMessages& messages, ProgramEnd& end,
                             const std::filesystem::path& workingFolder)
    : WindowProgram(messages, end, PlacesInFolder(workingFolder)) {}

bool WindowProgram::Load() {
    try {
        state_.Attenuation = LoadAttenuationTable(places_.DataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        messages_.Warning(AttenuationTableMessage(error.Problem()));
        return false;
    }
    try {
        CreateFolder(places_.WritableFolder);
    } catch (const FileError& error) {
        messages_.Warning(WritableFolderMessage(error.Problem()));
    }
    mainForm_.SetLegendColours();
    return true;
}

}  // namespace tubeline
