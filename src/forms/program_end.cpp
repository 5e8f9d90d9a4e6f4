#include "program_end.h"

#include "model/file_io.h"

namespace tubeline {

void RunExitSequence(const std::filesystem::path& tableFile, ProgramEnd& end) {
    RemoveFileIfPresent(tableFile);
    end.EndProgram();
}

}  // namespace tubeline
