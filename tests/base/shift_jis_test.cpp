#include "base/shift_jis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tubeline {
namespace {

void AppendUtf8(std::string& text, char32_t point) {
    const auto add = [&text](std::uint32_t bits) { text += static_cast<char>(bits); };
    if (point < 0x80) {
        add(point);
    } else if (point < 0x800) {
        add(0xC0 | (point >> 6));
        add(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        add(0xE0 | (point >> 12));
        add(0x80 | ((point >> 6) & 0x3F));
        add(0x80 | (point & 0x3F));
    } else {
        add(0xF0 | (point >> 18));
        add(0x80 | ((point >> 12) & 0x3F));
        add(0x80 | ((point >> 6) & 0x3F));
        add(0x80 | (point & 0x3F));
    }
}

TEST(EncodeShiftJis, WritesTheJapaneseCodePage) {
    // 定 = 92 E8, 電 = 93 64, 圧 = 88 B3; ASCII passes unchanged.
    EXPECT_EQ(EncodeShiftJis("定電圧 = 100 kV"), "\x92\xE8\x93\x64\x88\xB3 = 100 kV");
    // Half-width katakana take one byte, the full-width tilde the Windows mapping.
    EXPECT_EQ(EncodeShiftJis("ｱ～"), "\xB1\x81\x60");
    EXPECT_EQ(EncodeShiftJis(""), "");
}

TEST(EncodeShiftJis, RefusesWhatItCannotWriteAndSaysWhichCharacter) {
    for (const auto& [text, character] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Pb 😀 filter", "😀"}, {"Ω ok, but ✓ not", "✓"}, {"bad \xFF byte", "\xFF"}}) {
        try {
            EncodeShiftJis(text);
            ADD_FAILURE() << text;
        } catch (const UnencodableCharacterError& error) {
            EXPECT_EQ(error.Character(), character);
        }
    }
}

TEST(DecodeShiftJis, ReadsBackWhatWasWritten) {
    EXPECT_EQ(DecodeShiftJis("\x89\x94 (lead)"), "鉛 (lead)");
    EXPECT_EQ(DecodeShiftJis(EncodeShiftJis("軟部組織")), "軟部組織");
    // A lead byte without its trail byte.
    EXPECT_EQ(DecodeShiftJis("abc\x89"), std::nullopt);
}

TEST(IsValidUtf8, TellsUtf8FromShiftJis) {
    EXPECT_TRUE(IsValidUtf8("皮質骨 Pb"));
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_FALSE(IsValidUtf8("\x94\xE7\x8E\xBF\x8D\x9C"));  // 皮質骨 in Shift-JIS
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                  // an overlong form of '/'
}

// The tables that stand in for a C library without the code page, held to glibc's converter:
// every code point, every byte and pair of bytes, and malformed UTF-8.
TEST(ShiftJisTables, ConvertExactlyAsTheCLibrary) {
    // Beyond the first plane, where the code page has nothing, a sample and the language tags.
    for (char32_t point = 1; point <= 0x10FFFF;
         point += point < 0x10000 || (point >= 0xE0000 && point < 0xE0100) ? 1 : 61) {
        if (point >= 0xD800 && point <= 0xDFFF) {
            continue;
        }
        std::string utf8;
        AppendUtf8(utf8, point);
        std::optional<std::string> expected;
        try {
            expected = EncodeShiftJis(utf8);
        } catch (const UnencodableCharacterError&) {
        }
        std::optional<std::string> actual;
        try {
            actual = fallback::EncodeShiftJis(utf8);
        } catch (const UnencodableCharacterError& error) {
            EXPECT_EQ(error.Character(), utf8);
        }
        ASSERT_EQ(actual, expected) << "U+" << std::hex << static_cast<std::uint32_t>(point);
    }
    for (int first = 0; first < 0x100; ++first) {
        for (int second = -1; second < 0x100; ++second) {
            std::string bytes(1, static_cast<char>(first));
            if (second >= 0) {
                bytes += static_cast<char>(second);
            }
            ASSERT_EQ(fallback::DecodeShiftJis(bytes), DecodeShiftJis(bytes))
                << std::hex << first << " " << second;
        }
    }
    for (const char* text :
         {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFC\x84\x80\x80\x80\x80",
          "\xEF\xBF\xBE", "\xE3\x81", "\x80", "ok \xE3\x81\x82", "\xF0\x9F\x98\x80"}) {
        EXPECT_EQ(fallback::IsValidUtf8(text), IsValidUtf8(text)) << text;
    }
}

}  // namespace
}  // namespace tubeline
