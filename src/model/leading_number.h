#pragma once

#include <string_view>

namespace tubeline {

// The value of a typed field: blanks, tabs and line feeds anywhere are ignored; the longest
// leading part that forms a number (sign, digits, one full stop, exponent with E or D) gives the
// value and the rest is ignored; "&H" and "&O" introduce hexadecimal and octal integers. A text
// without a leading number reads 0. A number beyond the double range reads as +-infinity so that
// the caller can refuse it. The full stop is the decimal point whatever the locale. Full-width
// characters (as Japanese input methods type digits, blanks, points, signs and letters) read
// exactly like their ASCII counterparts.
double LeadingNumber(std::string_view text);

}  // namespace tubeline
