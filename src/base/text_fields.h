#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tubeline {

// One field of a comma-separated data file, without the blanks around it.
struct TextField {
    std::string_view Text;
    int Line = 0;  // 1-based line on which the field starts
};

// Splits text into fields the way the data files are read: fields are separated by a comma or
// by line breaks, a comma and the line breaks around it count as one separator, and two commas
// with nothing but blanks between them enclose an empty field. Blanks (spaces and tabs) around a
// field are ignored. With blank separation on, runs of blanks separate fields as well.
class FieldReader {
  public:
    enum class Blanks { AroundFieldsOnly, SeparateFields };

    explicit FieldReader(std::string_view text, Blanks blanks = Blanks::AroundFieldsOnly)
        : text_(text), blanksSeparate_(blanks == Blanks::SeparateFields) {}

    // The next field, or nothing once the text is exhausted.
    std::optional<TextField> Next();

    // Skips the rest of the current line; the next field starts on a following line.
    // Returns the skipped text without its line break.
    std::string_view RestOfLine();

    int Line() const { return line_; }

  private:
    void SkipBlanksAndLineBreaks();
    bool AtFieldEnd() const;

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool blanksSeparate_;
};

// A field holding one decimal number (optional sign, digits, one decimal point, optional
// exponent with E). Anything else, including an empty text and values beyond the double range,
// gives nothing.
std::optional<double> ParseDecimalNumber(std::string_view text);

// At most maxBytes of text for quoting in a message, cut at a character boundary of UTF-8 and
// marked with an ellipsis where cut.
std::string Excerpt(std::string_view text, std::size_t maxBytes = 40);

}  // namespace tubeline
