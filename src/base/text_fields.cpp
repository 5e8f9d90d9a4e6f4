#include "text_fields.h"

#include <cctype>
#include <cmath>

#include "float_chars.h"

namespace tubeline {
namespace {

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

void FieldReader::SkipBlanksAndLineBreaks() {
    while (pos_ < text_.size() && (IsSpaceOrTab(text_[pos_]) || IsLineBreak(text_[pos_]))) {
        // CR LF and a lone CR or LF each end one line.
        if (text_[pos_] == '\n' ||
            (text_[pos_] == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) {
            ++line_;
        }
        ++pos_;
    }
}

bool FieldReader::AtFieldEnd() const {
    const char c = text_[pos_];
    return c == ',' || IsLineBreak(c) || (blanksSeparate_ && IsSpaceOrTab(c));
}

std::optional<TextField> FieldReader::Next() {
    SkipBlanksAndLineBreaks();
    if (pos_ >= text_.size()) {
        return std::nullopt;
    }
    const TextField empty{text_.substr(pos_, 0), line_};
    if (text_[pos_] == ',') {
        // A comma right after the previous separator: an empty field.
        ++pos_;
        return empty;
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !AtFieldEnd()) {
        ++pos_;
    }
    std::size_t end = pos_;
    while (end > start && IsSpaceOrTab(text_[end - 1])) {
        --end;
    }
    const TextField field{text_.substr(start, end - start), line_};
    SkipBlanksAndLineBreaks();
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
    }
    return field;
}

std::string_view FieldReader::RestOfLine() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsLineBreak(text_[pos_])) {
        ++pos_;
    }
    const std::string_view line = text_.substr(start, pos_ - start);
    if (pos_ < text_.size()) {
        pos_ += (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ? 2 : 1;
        ++line_;
    }
    return line;
}

std::optional<double> ParseDecimalNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    // from_chars also takes "inf" and "nan"; a data field must start like a number.
    const std::size_t digitAt = (!text.empty() && text.front() == '-') ? 1 : 0;
    if (text.size() <= digitAt ||
        !(std::isdigit(static_cast<unsigned char>(text[digitAt])) || text[digitAt] == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = ReadDouble(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string Excerpt(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return std::string(text);
    }
    std::size_t cut = maxBytes;
    // Back up over UTF-8 continuation bytes (10xxxxxx) to the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "…";
}

}  // namespace tubeline
