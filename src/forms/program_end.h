#pragma once

namespace tubeline {

// Ends the program at once: every window disappears and no further event is handled.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void EndProgram() = 0;
};

}  // namespace tubeline
