#include "shift_jis.h"

#include <iconv.h>

#include <cerrno>
#include <variant>

namespace tubeline {
namespace {

constexpr const char* kShiftJisCode = "CP932";
constexpr const char* kUtf8Code = "UTF-8";

// The byte offset at which a conversion stopped: a character it could not convert.
struct StoppedAt {
    std::size_t Offset;
};

// One iconv conversion of a whole text, closed on every path out.
class Converter {
  public:
    Converter(const char* to, const char* from) : descriptor_(::iconv_open(to, from)) {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { ::iconv_close(descriptor_); }

    std::variant<std::string, StoppedAt> Convert(std::string_view text) {
        std::string output(text.size() * 2 + 16, '\0');
        // iconv takes a non-const input pointer but does not write through it.
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        std::size_t written = 0;
        while (inLeft > 0) {
            char* out = output.data() + written;
            std::size_t outLeft = output.size() - written;
            const std::size_t result = ::iconv(descriptor_, &in, &inLeft, &out, &outLeft);
            written = output.size() - outLeft;
            if (result != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                output.resize(output.size() * 2);
                continue;
            }
            // EILSEQ: no form in the target code, or not valid in the source code; EINVAL: the
            // text ends inside a character.
            return StoppedAt{text.size() - inLeft};
        }
        output.resize(written);
        return output;
    }

  private:
    iconv_t descriptor_;
};

// The bytes of the character starting at offset, by the length its UTF-8 lead byte announces;
// a byte that cannot lead a character stands alone.
std::string CharacterAt(std::string_view text, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(text[offset]);
    const std::size_t length = lead >= 0xF8   ? 1
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 1;
    return std::string(text.substr(offset, length));
}

}  // namespace

UnencodableCharacterError::UnencodableCharacterError(std::string character)
    : std::runtime_error("no Shift-JIS form for " + character), character_(std::move(character)) {}

std::string EncodeShiftJis(std::string_view utf8) {
    auto result = Converter(kShiftJisCode, kUtf8Code).Convert(utf8);
    if (const auto* stopped = std::get_if<StoppedAt>(&result)) {
        throw UnencodableCharacterError(CharacterAt(utf8, stopped->Offset));
    }
    return std::get<std::string>(std::move(result));
}

std::optional<std::string> DecodeShiftJis(std::string_view shiftJis) {
    auto result = Converter(kUtf8Code, kShiftJisCode).Convert(shiftJis);
    if (std::holds_alternative<StoppedAt>(result)) {
        return std::nullopt;
    }
    return std::get<std::string>(std::move(result));
}

bool IsValidUtf8(std::string_view text) {
    return std::holds_alternative<std::string>(Converter(kUtf8Code, kUtf8Code).Convert(text));
}

}  // namespace tubeline
