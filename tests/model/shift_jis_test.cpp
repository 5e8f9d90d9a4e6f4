#include "model/shift_jis.h"

#include <gtest/gtest.h>

#include <string>

namespace tubeline {
namespace {

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

}  // namespace
}  // namespace tubeline
