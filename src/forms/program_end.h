#pragma once

#include <filesystem>

namespace tubeline {

// Ends the program at once: every window disappears and no further event is handled.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void EndProgram() = 0;
};

// Both exit commands: the table file goes (a missing one is no error), then the program ends.
void RunExitSequence(const std::filesystem::path& tableFile, ProgramEnd& end);

}  // namespace tubeline
