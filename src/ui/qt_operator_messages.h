#pragma once

#include <QWidget>

#include "operator_messages.h"

namespace tubeline {

// Message boxes with one OK button and the application's name as their title.
class QtOperatorMessages : public OperatorMessages {
  public:
    void Warning(const std::string& text) override;
    void Information(const std::string& text) override;
};

}  // namespace tubeline
