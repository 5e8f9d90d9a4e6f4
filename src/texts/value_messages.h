#pragma once

#include <string>
#include <string_view>

namespace tubeline {

// The wording shared by every message about a typed value or a number in a file.

// A number as the messages show it: an integer as is, a real in the general number format.
std::string NumberInMessage(int value);
std::string NumberInMessage(double value);

// The caption of a typed value: the filter dialog's thickness, the target half-value layer.
std::string FilterThicknessCaption();
std::string TargetHalfValueLayerCaption();

// What is wrong with a typed value, the field named by its caption.
std::string NotANumberMessage(const std::string& caption, std::string_view text);
std::string MissingValueMessage(const std::string& caption);
std::string OutOfRangeMessage(const std::string& caption);
std::string NegativeThicknessMessage(const std::string& caption);
std::string NotPositiveMessage(const std::string& caption);

// The visitor of a variant's alternatives, one lambda each.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace tubeline
