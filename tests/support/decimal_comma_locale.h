#pragma once

#include <clocale>
#include <string>

namespace tubeline::testing {

// LC_NUMERIC set to a locale whose decimal point is a comma while it lives, where one is
// installed (scripts/test makes de_DE.UTF-8); the previous setting afterwards.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale() {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        saved_ = previous ? previous : "C";
        available_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr ||
                     std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr;
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
    ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }

    bool Available() const { return available_; }

  private:
    std::string saved_;
    bool available_ = false;
};

}  // namespace tubeline::testing
