#include "window_program.h"

#include "model/attenuation_table_file.h"
#include "texts/messages.h"

namespace tubeline {

WindowProgram::WindowProgram(OperatorMessages& messages, ProgramEnd& end,
                             const std::filesystem::path& workingFolder)
    : messages_(messages),
      workingFolder_(workingFolder),
      mainForm_(state_, canvas_, messages, workingFolder, end),
      startForm_(mainForm_) {}

bool WindowProgram::Load() {
    try {
        state_.Attenuation = LoadAttenuationTable(workingFolder_ / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        messages_.Warning(AttenuationTableMessage(error.Problem()));
        return false;
    }
    mainForm_.SetLegendColours();
    return true;
}

}  // namespace tubeline
