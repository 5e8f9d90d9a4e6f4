#include "model/condition_fields.h"

#include <gtest/gtest.h>

#include <cmath>

#include "texts/condition_messages.h"

namespace tubeline {
namespace {

using Kind = ConditionRejection::Kind;

ConditionTexts Fields(std::string voltage, std::string angle, std::string inherent = "2.5",
                      std::string aluminium = "0", std::string copper = "0") {
    return {voltage, angle, inherent, aluminium, copper};
}

IrradiationConditions Stored() {
    IrradiationConditions stored;
    stored.ModelChoice = SpectrumModel::Birch;
    stored.Rectification = RectificationMode::SinglePhaseFullWave;
    stored.TubeVoltage = 77;
    stored.TargetAngle = 33;
    return stored;
}

std::string MessageOf(const CheckedValues& checked) {
    return checked.Rejection ? ConditionRejectionMessage(*checked.Rejection) : "accepted";
}

TEST(CheckConditionFields, AcceptedFieldsAreStoredInTheUnitsTyped) {
    const CheckedConditions checked = CheckConditionFields(Fields("100", "12", " 2.5 "), Stored());
    ASSERT_FALSE(checked.Rejection);
    EXPECT_EQ(checked.Conditions.TubeVoltage, 100);
    EXPECT_EQ(checked.Conditions.TargetAngle, 12);
    EXPECT_EQ(checked.Conditions.ModelChoice, SpectrumModel::Birch);
    EXPECT_EQ(checked.Conditions.Rectification, RectificationMode::SinglePhaseFullWave);
    EXPECT_EQ(static_cast<const ConditionValues&>(checked.Conditions),
              (ConditionValues{100, 12, 2.5, 0, 0}));
    EXPECT_EQ(checked.Texts, Fields("100", "12", " 2.5 "));
    EXPECT_FALSE(checked.TubeVoltageCorrected);
}

TEST(CheckConditionFields, TubeVoltageIsCorrectedIntoItsRangeAndSaysSo) {
    struct Case {
        const char* typed;
        const char* field;
        bool corrected;
    };
    for (const Case& c :
         {Case{"150", "150", false}, Case{"150.5", "150", true}, Case{"29.9", "30", true},
          Case{"1e3", "150", true}, Case{"-80", "30", true}, Case{"30", "30", false},
          Case{"-0", "30", true}, Case{"１２０", "１２０", false}}) {
        const CheckedConditions checked = CheckConditionFields(Fields(c.typed, "45"), Stored());
        EXPECT_FALSE(checked.Rejection) << c.typed;
        EXPECT_EQ(checked.Texts.TubeVoltage, c.field) << c.typed;
        EXPECT_EQ(checked.TubeVoltageCorrected, c.corrected) << c.typed;
    }
}

// Nothing typed is read as something else: the field is named and the text quoted.
TEST(CheckConditionFields, TextThatIsNotOneNumberIsRefused) {
    struct Case {
        ConditionTexts fields;
        const char* message;
    };
    for (const Case& c : {
             Case{Fields("abc", "12"), "Ｘ線管電圧の値「abc」は数値ではありません"},
             Case{Fields("120kV", "12"), "Ｘ線管電圧の値「120kV」は数値ではありません"},
             Case{Fields("100", "abc"), "ターゲット角度の値「abc」は数値ではありません"},
             Case{Fields("100", "12", "abc"), "固有ろ過（Al 当量）の値「abc」は数値ではありません"},
             Case{Fields("100", "12", "2.5", "1,5"),
                  "アルミ付加フィルタの値「1,5」は数値ではありません"},
             Case{Fields("100", "12", "2.5", "0", "0.1.2"),
                  "銅付加フィルタの値「0.1.2」は数値ではありません"},
         }) {
        const CheckedConditions checked = CheckConditionFields(c.fields, Stored());
        EXPECT_EQ(MessageOf(checked), c.message);
        EXPECT_EQ(checked.Texts, c.fields) << "the field keeps what was typed";
        EXPECT_EQ(checked.Conditions.InherentFiltration, 0) << "no filtration stored";
    }
}

TEST(CheckConditionFields, EmptyAddedFiltersAreNoneAndOtherEmptyFieldsAreRefused) {
    const CheckedConditions bare =
        CheckConditionFields(Fields("100", "12", "0", "", " "), Stored());
    ASSERT_FALSE(bare.Rejection);
    EXPECT_EQ(static_cast<const ConditionValues&>(bare.Conditions),
              (ConditionValues{100, 12, 0, 0, 0}));
    EXPECT_EQ(MessageOf(CheckConditionFields(Fields("", "12"), Stored())),
              "Ｘ線管電圧の値を入力して下さい");
    EXPECT_EQ(MessageOf(CheckConditionFields(Fields("100", "　"), Stored())),
              "ターゲット角度の値を入力して下さい");
    EXPECT_EQ(MessageOf(CheckConditionFields(Fields("100", "12", ""), Stored())),
              "固有ろ過（Al 当量）の値を入力して下さい");
}

TEST(CheckConditionFields, TargetAngleBelowTwelveIsRejectedAndResetToTwelve) {
    for (const char* angle : {"11.99", "-20"}) {
        const CheckedConditions checked = CheckConditionFields(Fields("100", angle), Stored());
        EXPECT_EQ(MessageOf(checked), "ターゲット角度が最小限度 (12度) 以下です") << angle;
        EXPECT_EQ(checked.Texts.TargetAngle, "12");
    }
}

TEST(CheckConditionFields, RejectionKeepsWhatWasReadBeforeIt) {
    const CheckedConditions checked =
        CheckConditionFields(Fields("200", "10", "7", "8", "9"), Stored());
    ASSERT_TRUE(checked.Rejection);
    EXPECT_EQ(checked.Texts.TubeVoltage, "150");
    EXPECT_EQ(checked.Texts.TargetAngle, "12");
    EXPECT_EQ(checked.Conditions.TubeVoltage, 150);
    EXPECT_EQ(checked.Conditions.TargetAngle, 10);
    EXPECT_EQ(checked.Conditions.InherentFiltration, 0);
    EXPECT_EQ(checked.Texts.InherentFiltration, "7");
}

TEST(CheckConditionFields, TargetAngleFromNinetyDegreesIsRejected) {
    EXPECT_FALSE(CheckConditionFields(Fields("100", "89.999"), Stored()).Rejection);
    for (const char* angle : {"90", "135", "1e300"}) {
        const CheckedConditions checked = CheckConditionFields(Fields("100", angle), Stored());
        EXPECT_EQ(MessageOf(checked), "ターゲット角度が最大限度 (90度) 以上です") << angle;
        EXPECT_EQ(checked.Texts.TargetAngle, angle);
    }
}

TEST(CheckConditionFields, NumbersBeyondTheDoubleRangeAreRejectedNamingTheField) {
    struct Case {
        ConditionTexts fields;
        const char* message;
    };
    for (const Case& c : {
             Case{Fields("1e999", "12"), "Ｘ線管電圧の値が数値の範囲を超えています"},
             Case{Fields("100", "-1e999"), "ターゲット角度の値が数値の範囲を超えています"},
             Case{Fields("100", "12", "1e400"),
                  "固有ろ過（Al 当量）の値が数値の範囲を超えています"},
             Case{Fields("100", "12", "0", "-1e999"),
                  "アルミ付加フィルタの値が数値の範囲を超えています"},
             Case{Fields("100", "12", "0", "0", "&H" + std::string(300, 'F')),
                  "銅付加フィルタの値が数値の範囲を超えています"},
         }) {
        const CheckedConditions checked = CheckConditionFields(c.fields, Stored());
        EXPECT_EQ(MessageOf(checked), c.message);
        EXPECT_EQ(checked.Conditions.InherentFiltration, 0) << "no filtration stored";
    }
    EXPECT_EQ(CheckConditionFields(Fields("1e999", "12"), Stored()).Texts.TubeVoltage, "1e999");
}

// Refused whatever the size, so that the refusal never depends on an overflow.
TEST(CheckConditionFields, NegativeFiltrationIsRefusedNamingTheField) {
    EXPECT_EQ(MessageOf(CheckConditionFields(Fields("100", "12", "-2.5"), Stored())),
              "固有ろ過（Al 当量）の値が負です。厚さは 0 mm 以上にして下さい");
    EXPECT_EQ(MessageOf(CheckConditionFields(Fields("100", "12", "2.5", "-1"), Stored())),
              "アルミ付加フィルタの値が負です。厚さは 0 mm 以上にして下さい");
    EXPECT_EQ(MessageOf(CheckConditionFields(Fields("100", "12", "2.5", "0", "-1e-9"), Stored())),
              "銅付加フィルタの値が負です。厚さは 0 mm 以上にして下さい");
    EXPECT_FALSE(CheckConditionFields(Fields("100", "12", "-0", "1e-400"), Stored()).Rejection);
}

// The numeric entry point of scripts: the same rules, and NaN, which no text reads as, refused
// like a number beyond the double range.
TEST(CheckConditionValues, CorrectsAndRefusesNumbersLikeTheFields) {
    const auto check = [](ConditionValues values) {
        return CheckConditionValues(values, Stored());
    };
    EXPECT_EQ(check({150.5, 12, 2.5, 0, 0}).Conditions.TubeVoltage, 150);
    EXPECT_TRUE(check({29.9, 12, 2.5, 0, 0}).TubeVoltageCorrected);
    const CheckedValues accepted = check({100, 89.999, 2.5, 1, 0.5});
    ASSERT_FALSE(accepted.Rejection);
    EXPECT_EQ(accepted.Conditions.AluminiumFilter, 1);
    EXPECT_EQ(accepted.Conditions.ModelChoice, SpectrumModel::Birch);

    const double nan = std::nan(""), inf = INFINITY;
    struct Case {
        ConditionValues values;
        ConditionRejection rejection;
    };
    for (const Case& c : {
             Case{{nan, 12, 0, 0, 0}, {Kind::OutOfRange, ConditionField::TubeVoltage}},
             Case{{100, 11.99, 0, 0, 0},
                  {Kind::TargetAngleBelowMinimum, ConditionField::TargetAngle}},
             Case{{100, 90, 0, 0, 0}, {Kind::TargetAngleFromLimit, ConditionField::TargetAngle}},
             Case{{100, nan, 0, 0, 0}, {Kind::OutOfRange, ConditionField::TargetAngle}},
             Case{{100, 12, 1, 2, -inf}, {Kind::OutOfRange, ConditionField::CopperFilter}},
             Case{{100, 12, 1, nan, 0}, {Kind::OutOfRange, ConditionField::AluminiumFilter}},
             Case{{100, 12, -1, 0, 0}, {Kind::Negative, ConditionField::InherentFiltration}},
         }) {
        const CheckedValues checked = check(c.values);
        EXPECT_EQ(checked.Rejection, c.rejection);
        EXPECT_EQ(checked.Conditions.InherentFiltration, 0) << "no filtration stored";
    }
}

TEST(DefaultConditionTexts, AreTheFieldsAModelStartsWith) {
    EXPECT_EQ(DefaultConditionTexts(SpectrumModel::Tucker), Fields("100", "12", "2.5", "0", "0"));
    EXPECT_EQ(DefaultConditionTexts(SpectrumModel::Birch).TargetAngle, "16");
}

}  // namespace
}  // namespace tubeline
