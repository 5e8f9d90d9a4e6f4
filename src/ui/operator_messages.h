#pragma once

#include <filesystem>
#include <string>

namespace tubeline {

// Message boxes with the application's title: the window program shows them, tests record them.
class OperatorMessages {
  public:
    virtual ~OperatorMessages() = default;
    // One OK button.
    virtual void Warning(const std::string& text) = 0;      // with the warning icon
    virtual void Information(const std::string& text) = 0;  // without an icon
    // "Yes" and "No", "No" the default: true only for a "Yes".
    virtual bool Confirm(const std::string& question) = 0;
};

// Whether a save may write the file: yes when nothing of that name is there, and when the
// operator answers "Yes" to replacing what is.
bool MayWrite(const std::filesystem::path& file, OperatorMessages& messages);

}  // namespace tubeline
