#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tubeline {

// Text in the Japanese code page the program's text files use: Shift-JIS as Windows extends it
// (code page 932), as the C library converts it. Inside the program text is UTF-8.

// A character that has no Shift-JIS form; Character() is it in UTF-8 (or the bytes that are
// not UTF-8 at all).
class UnencodableCharacterError : public std::runtime_error {
  public:
    explicit UnencodableCharacterError(std::string character);
    const std::string& Character() const { return character_; }

  private:
    std::string character_;
};

// The UTF-8 text in Shift-JIS. Nothing is substituted: the first character without a
// Shift-JIS form throws UnencodableCharacterError.
std::string EncodeShiftJis(std::string_view utf8);

// Shift-JIS bytes as UTF-8; nothing when they are not valid Shift-JIS.
std::optional<std::string> DecodeShiftJis(std::string_view shiftJis);

bool IsValidUtf8(std::string_view text);

// The same from tables of the code page, used where the C library has no converter for it
// (WebAssembly); built everywhere, so that the native tests hold it to the C library's.
namespace fallback {
std::string EncodeShiftJis(std::string_view utf8);
std::optional<std::string> DecodeShiftJis(std::string_view shiftJis);
bool IsValidUtf8(std::string_view text);
}  // namespace fallback

}  // namespace tubeline
