#pragma once

#include <string>

namespace tubeline {

// Message boxes with one OK button and the application's title: the window program shows them,
// tests record them.
class OperatorMessages {
  public:
    virtual ~OperatorMessages() = default;
    virtual void Warning(const std::string& text) = 0;      // with the warning icon
    virtual void Information(const std::string& text) = 0;  // without an icon
};

}  // namespace tubeline
