#pragma once

#include <string>

namespace tubeline {

// Fixed point with the given number of decimals, at least one digit before the point, rounded
// to nearest: "0.00000" is FormatFixed(v, 5), "#0.00" is FormatFixed(v, 2). Negative zero
// prints as zero.
std::string FormatFixed(double value, int decimals);
// The same text appended to `text`.
void AppendFixed(std::string& text, double value, int decimals);

// "0.000E+00": one digit, three decimals, E, signed exponent of at least two digits.
std::string FormatScientific(double value);

// "0000.0": at least four digits before the point, one after.
std::string FormatEnergy(double keV);

// Shortest general decimal form with at most 15 significant digits and no superfluous zeros
// (100, 2.5, 0.3), exponent form only for extreme magnitudes.
std::string FormatGeneral(double value);

// The shortest text that reads back as exactly this double ("0.30000000000000004", "2.5"), for
// numbers that another program takes up, such as a spreadsheet.
std::string FormatRoundTrip(double value);

}  // namespace tubeline
