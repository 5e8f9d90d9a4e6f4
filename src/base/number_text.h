#pragma once

#include <string_view>

namespace tubeline {

// A typed number as a whole. Blanks (spaces, tabs, line feeds, ideographic spaces) around it are
// allowed; full-width characters, as Japanese input methods type them, read exactly like their
// ASCII counterparts. The number is a sign, digits with at most one full stop and an exponent
// with E or D, or an integer after "&H" (hexadecimal) or "&O" (octal); the full stop is the
// decimal point whatever the locale. Anything else, "1,5", "120kV" and "1 5" among it, is not a
// number: nothing typed is read as something other than what it says.
struct NumberText {
    enum class Kind { Number, Empty, NotANumber };
    Kind Reading = Kind::Empty;
    // For a Number: correctly rounded; beyond the double range +-infinity, so that the caller
    // can refuse it.
    double Value = 0;
};

NumberText ReadNumberText(std::string_view text);

}  // namespace tubeline
