#include "shift_jis.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <variant>

#include "cp932_tables.h"

namespace tubeline {
namespace {

constexpr const char* kShiftJisCode = "CP932";
constexpr const char* kUtf8Code = "UTF-8";

// The byte offset at which a conversion stopped: a character it could not convert.
struct StoppedAt {
    std::size_t Offset;
};
using Conversion = std::variant<std::string, StoppedAt>;

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

    Conversion Convert(std::string_view text) {
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

// Whether the C library converts the code page (glibc does, WebAssembly's musl does not).
bool LibraryHasShiftJis() {
    static const bool has = [] {
        const iconv_t descriptor = ::iconv_open(kShiftJisCode, kUtf8Code);
        if (descriptor == reinterpret_cast<iconv_t>(-1)) {
            return false;
        }
        ::iconv_close(descriptor);
        return true;
    }();
    return has;
}

// A UTF-8 character read as glibc reads it: no overlong forms and no surrogates, but the old
// five- and six-byte forms up to U+7FFFFFFF allowed (the encoder then finds no form for them);
// and its length in bytes. Nothing for bytes that are not one.
struct Utf8Character {
    char32_t CodePoint;
    std::size_t Length;
};
std::optional<Utf8Character> Utf8CharacterAt(std::string_view text, std::size_t offset) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return Utf8Character{lead, 1};
    }
    const std::size_t length = lead >= 0xFC   ? 6
                               : lead >= 0xF8 ? 5
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                                              : 2;
    constexpr std::array<char32_t, 7> kSmallest = {0, 0, 0x80, 0x800, 0x10000, 0x200000, 0x4000000};
    if (lead < 0xC2 || lead > 0xFD || offset + length > text.size()) {
        return std::nullopt;
    }
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        point = (point << 6) | (byte(i) & 0x3F);
    }
    if (point < kSmallest[length] || (point >= 0xD800 && point <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Character{point, length};
}

void AppendUtf8(std::string& text, char32_t point) {
    const auto add = [&text](unsigned bits) { text += static_cast<char>(bits); };
    if (point < 0x80) {
        add(point);
    } else if (point < 0x800) {
        add(0xC0 | (point >> 6));
        add(0x80 | (point & 0x3F));
    } else {
        add(0xE0 | (point >> 12));
        add(0x80 | ((point >> 6) & 0x3F));
        add(0x80 | (point & 0x3F));
    }
}

constexpr char32_t kFirstTag = 0xE0000;
constexpr char32_t kLastTag = 0xE007F;

Conversion EncodeByTables(std::string_view utf8) {
    const std::span<const Cp932Encoding> encodings = Cp932Encodings();
    std::string bytes;
    for (std::size_t offset = 0; offset < utf8.size();) {
        const std::optional<Utf8Character> character = Utf8CharacterAt(utf8, offset);
        if (!character) {
            return StoppedAt{offset};
        }
        if (character->CodePoint < 0x80) {
            bytes += static_cast<char>(character->CodePoint);
        } else if (character->CodePoint >= kFirstTag && character->CodePoint <= kLastTag) {
            // Language tags say nothing that the code page could keep; glibc leaves them out.
        } else {
            const auto found = std::lower_bound(
                encodings.begin(), encodings.end(), character->CodePoint,
                [](const Cp932Encoding& entry, char32_t point) { return entry.CodePoint < point; });
            if (found == encodings.end() || found->CodePoint != character->CodePoint) {
                return StoppedAt{offset};
            }
            if (found->Bytes > 0xFF) {
                bytes += static_cast<char>(found->Bytes >> 8);
            }
            bytes += static_cast<char>(found->Bytes & 0xFF);
        }
        offset += character->Length;
    }
    return bytes;
}

// The index of a lead or trail byte among its kind, or -1.
int LeadIndex(unsigned char byte) {
    return byte >= 0x81 && byte <= 0x9F   ? byte - 0x81
           : byte >= 0xE0 && byte <= 0xFC ? byte - 0xC1
                                          : -1;
}
int TrailIndex(unsigned char byte) {
    return byte >= 0x40 && byte <= 0x7E   ? byte - 0x40
           : byte >= 0x80 && byte <= 0xFC ? byte - 0x41
                                          : -1;
}

std::optional<std::string> DecodeByTables(std::string_view shiftJis) {
    std::string text;
    for (std::size_t offset = 0; offset < shiftJis.size(); ++offset) {
        const auto byte = static_cast<unsigned char>(shiftJis[offset]);
        char32_t point = byte;
        if (byte >= 0x80) {
            point = kCp932Decoded[byte - 0x80];
            const int lead = LeadIndex(byte);
            if (point == 0 && lead >= 0 && offset + 1 < shiftJis.size()) {
                const int trail = TrailIndex(static_cast<unsigned char>(shiftJis[++offset]));
                point = trail < 0 ? 0 : kCp932Decoded[128 + lead * kCp932TrailCount + trail];
            }
            if (point == 0) {
                return std::nullopt;
            }
        }
        AppendUtf8(text, point);
    }
    return text;
}

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

std::string Encoded(std::string_view utf8, Conversion result) {
    if (const auto* stopped = std::get_if<StoppedAt>(&result)) {
        throw UnencodableCharacterError(CharacterAt(utf8, stopped->Offset));
    }
    return std::get<std::string>(std::move(result));
}

}  // namespace

UnencodableCharacterError::UnencodableCharacterError(std::string character)
    : std::runtime_error("no Shift-JIS form for " + character), character_(std::move(character)) {}

std::string EncodeShiftJis(std::string_view utf8) {
    if (!LibraryHasShiftJis()) {
        return fallback::EncodeShiftJis(utf8);
    }
    return Encoded(utf8, Converter(kShiftJisCode, kUtf8Code).Convert(utf8));
}

std::optional<std::string> DecodeShiftJis(std::string_view shiftJis) {
    if (!LibraryHasShiftJis()) {
        return fallback::DecodeShiftJis(shiftJis);
    }
    auto result = Converter(kUtf8Code, kShiftJisCode).Convert(shiftJis);
    if (std::holds_alternative<StoppedAt>(result)) {
        return std::nullopt;
    }
    return std::get<std::string>(std::move(result));
}

bool IsValidUtf8(std::string_view text) {
    if (!LibraryHasShiftJis()) {
        return fallback::IsValidUtf8(text);
    }
    return std::holds_alternative<std::string>(Converter(kUtf8Code, kUtf8Code).Convert(text));
}

namespace fallback {

std::string EncodeShiftJis(std::string_view utf8) {
    return Encoded(utf8, EncodeByTables(utf8));
}

std::optional<std::string> DecodeShiftJis(std::string_view shiftJis) {
    return DecodeByTables(shiftJis);
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();) {
        const std::optional<Utf8Character> character = Utf8CharacterAt(text, offset);
        if (!character) {
            return false;
        }
        offset += character->Length;
    }
    return true;
}

}  // namespace fallback

}  // namespace tubeline
