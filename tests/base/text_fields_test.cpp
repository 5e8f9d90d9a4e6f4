#include "base/text_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tubeline {
namespace {

std::vector<std::string> AllFields(
    std::string_view text, FieldReader::Blanks blanks = FieldReader::Blanks::AroundFieldsOnly) {
    FieldReader reader(text, blanks);
    std::vector<std::string> fields;
    while (const auto field = reader.Next()) {
        fields.emplace_back(field->Text);
    }
    return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldReader, CommasAndLineBreaksSeparateFields) {
    EXPECT_EQ(AllFields("1,2\n3\r\n4\r5"), (Fields{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(AllFields(" 1 , 2\t,3 "), (Fields{"1", "2", "3"}));
    // A comma with the line breaks around it is one separator; blank lines separate nothing.
    EXPECT_EQ(AllFields("1,\n2\n,3\n\n\n4,\r\n"), (Fields{"1", "2", "3", "4"}));
}

TEST(FieldReader, TwoCommasEncloseAnEmptyField) {
    EXPECT_EQ(AllFields("1,,2"), (Fields{"1", "", "2"}));
    EXPECT_EQ(AllFields("1, \n ,2"), (Fields{"1", "", "2"}));
    EXPECT_EQ(AllFields(",1"), (Fields{"", "1"}));
}

TEST(FieldReader, BlanksInsideAFieldStayUnlessTheySeparate) {
    EXPECT_EQ(AllFields("1 2,3"), (Fields{"1 2", "3"}));
    EXPECT_EQ(AllFields("1 2,3  4\t5", FieldReader::Blanks::SeparateFields),
              (Fields{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(AllFields("1 , 2", FieldReader::Blanks::SeparateFields), (Fields{"1", "2"}));
}

TEST(FieldReader, ReportsTheLineOfEachFieldAndReadsWholeLines) {
    FieldReader reader("Lead, pure\r\n11.35,\n\n 3\r7");
    EXPECT_EQ(reader.RestOfLine(), "Lead, pure");
    EXPECT_EQ(reader.Next()->Line, 2);
    const auto third = reader.Next();
    EXPECT_EQ(third->Text, "3");
    EXPECT_EQ(third->Line, 4);
    EXPECT_EQ(reader.Next()->Line, 5);
    EXPECT_FALSE(reader.Next());
}

TEST(ParseDecimalNumber, AcceptsOnlyWholeDecimalNumbers) {
    EXPECT_EQ(ParseDecimalNumber("1.23E-02"), 0.0123);
    EXPECT_EQ(ParseDecimalNumber("+5"), 5);
    EXPECT_EQ(ParseDecimalNumber("-.5"), -0.5);
    EXPECT_EQ(ParseDecimalNumber("1e-400"), std::nullopt);
    for (const char* text :
         {"", "abc", "1.2.3", "1 2", "inf", "-nan", "0x10", "1e999", "--1", "+", "1d3"}) {
        EXPECT_EQ(ParseDecimalNumber(text), std::nullopt) << text;
    }
}

TEST(Excerpt, CutsAtACharacterBoundary) {
    EXPECT_EQ(Excerpt("short", 40), "short");
    // Each of these characters takes three bytes in UTF-8.
    EXPECT_EQ(Excerpt("鉛鉛鉛", 7), "鉛鉛…");
}

}  // namespace
}  // namespace tubeline
