#pragma once

#include <charconv>
#include <string>
#include <version>

namespace tubeline {

// Doubles to text and back as std::to_chars and std::from_chars convert them. Where the C++
// library lacks their floating-point overloads (Emscripten's libc++), the fallbacks below give
// the same texts and values; they are built everywhere, so that the native tests hold them to
// the standard functions.

// to_chars(value, format, precision): printf's %f, %e and %g in the "C" locale.
std::string DoubleText(double value, std::chars_format format, int precision);
// to_chars(value): the fewest significant digits that read back as the same double, the closest
// to it among those, written fixed or in scientific form, whichever is shorter (fixed on a tie).
std::string ShortestDoubleText(double value);
// from_chars(first, last, value) in the general format: an optional minus, "inf", "infinity",
// "nan" (in any case) or decimal digits with an optional point and exponent. A result beyond
// the double range, or zero from digits that are not, is result_out_of_range and leaves value
// as it was.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

namespace fallback {
std::string DoubleText(double value, std::chars_format format, int precision);
std::string ShortestDoubleText(double value);
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);
}  // namespace fallback

}  // namespace tubeline
