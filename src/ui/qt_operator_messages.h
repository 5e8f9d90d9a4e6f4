#pragma once

#include <QWidget>

#include "operator_messages.h"

namespace tubeline {

// Message boxes with the application's name as their title, the text set off by a blank at
// either end.
class QtOperatorMessages : public OperatorMessages {
  public:
    void Warning(const std::string& text) override;
    void Information(const std::string& text) override;
    bool Confirm(const std::string& question) override;
};

}  // namespace tubeline
