#include "model/condition_fields.h"

#include <gtest/gtest.h>

#include <cmath>

#include "texts/messages.h"

namespace tubeline {
namespace {

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

TEST(CheckConditionFields, AcceptedFieldsAreStoredInCentimetres) {
    const CheckedConditions checked = CheckConditionFields(Fields("100", "12"), Stored());
    ASSERT_FALSE(checked.Rejection);
    EXPECT_EQ(checked.Conditions.TubeVoltage, 100);
    EXPECT_EQ(checked.Conditions.TargetAngle, 12);
    EXPECT_EQ(checked.Conditions.InherentFiltration, 2.5 * 0.1);
    EXPECT_EQ(checked.Conditions.InherentFiltration, 0.25);
    EXPECT_EQ(checked.Conditions.ModelChoice, SpectrumModel::Birch);
    EXPECT_EQ(checked.Conditions.Rectification, RectificationMode::SinglePhaseFullWave);
    EXPECT_EQ(checked.Texts.TubeVoltage, "100");
    EXPECT_EQ(checked.Texts.TargetAngle, "12");
}

TEST(CheckConditionFields, TubeVoltageIsClampedSilently) {
    struct Case {
        const char* typed;
        const char* field;
        double stored;
    };
    for (const Case& c :
         {Case{"150", "150", 150}, Case{"150.5", "150", 150}, Case{"29.9", "30", 30},
          Case{"", "30", 30}, Case{"abc", "30", 30}, Case{"1e3", "150", 150},
          Case{"120kV", "120kV", 120}, Case{"30", "30", 30}, Case{"-0", "30", 30}}) {
        const CheckedConditions checked = CheckConditionFields(Fields(c.typed, "45"), Stored());
        EXPECT_FALSE(checked.Rejection) << c.typed;
        EXPECT_EQ(checked.Texts.TubeVoltage, c.field) << c.typed;
        EXPECT_EQ(checked.Conditions.TubeVoltage, c.stored) << c.typed;
    }
}

TEST(CheckConditionFields, TargetAngleBelowTwelveIsRejectedAndResetToTwelve) {
    for (const char* angle : {"11.99", "", "abc", "-20"}) {
        const CheckedConditions checked = CheckConditionFields(Fields("100", angle), Stored());
        ASSERT_TRUE(checked.Rejection) << angle;
        EXPECT_EQ(ConditionRejectionMessage(*checked.Rejection),
                  " ターゲット角度が最小限度 (12度) 以下です ");
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
    // The filter fields are not read.
    EXPECT_EQ(checked.Conditions.InherentFiltration, 0);
    EXPECT_EQ(checked.Texts.InherentFiltration, "7");
}

TEST(CheckConditionFields, TargetAngleFromNinetyDegreesIsRejected) {
    EXPECT_FALSE(CheckConditionFields(Fields("100", "89.999"), Stored()).Rejection);
    for (const char* angle : {"90", "135", "1e300"}) {
        const CheckedConditions checked = CheckConditionFields(Fields("100", angle), Stored());
        ASSERT_TRUE(checked.Rejection) << angle;
        EXPECT_EQ(ConditionRejectionMessage(*checked.Rejection),
                  " ターゲット角度が最大限度 (90度) 以上です ");
        EXPECT_EQ(checked.Texts.TargetAngle, angle);
    }
}

TEST(CheckConditionFields, NumbersBeyondTheDoubleRangeAreRejectedNamingTheField) {
    struct Case {
        ConditionTexts fields;
        const char* message;
    };
    for (const Case& c : {
             Case{Fields("1e999", "12"), " Ｘ線管電圧の値が数値の範囲を超えています "},
             Case{Fields("100", "-1e999"), " ターゲット角度の値が数値の範囲を超えています "},
             Case{Fields("100", "12", "1e400"),
                  " 固有ろ過（Al 当量）の値が数値の範囲を超えています "},
             Case{Fields("100", "12", "0", "-1e999"),
                  " アルミ付加フィルタの値が数値の範囲を超えています "},
             Case{Fields("100", "12", "0", "0", "&H" + std::string(300, 'F')),
                  " 銅付加フィルタの値が数値の範囲を超えています "},
         }) {
        const CheckedConditions checked = CheckConditionFields(c.fields, Stored());
        ASSERT_TRUE(checked.Rejection) << c.message;
        EXPECT_EQ(ConditionRejectionMessage(*checked.Rejection), c.message);
        EXPECT_EQ(checked.Conditions.InherentFiltration, 0) << "no filter stored on rejection";
    }
    // The voltage field is left as typed.
    EXPECT_EQ(CheckConditionFields(Fields("1e999", "12"), Stored()).Texts.TubeVoltage, "1e999");
}

TEST(CheckConditionFields, AMegabyteAfterTheNumberIsIgnored) {
    const std::string tail(1 << 20, 'x');
    const CheckedConditions checked =
        CheckConditionFields(Fields("120" + tail, "20" + tail, "1" + tail), Stored());
    ASSERT_FALSE(checked.Rejection);
    EXPECT_EQ(checked.Conditions.TubeVoltage, 120);
    EXPECT_EQ(checked.Conditions.TargetAngle, 20);
    EXPECT_EQ(checked.Conditions.InherentFiltration, 0.1);
    EXPECT_EQ(checked.Texts.TubeVoltage.size(), tail.size() + 3);
}

TEST(CheckConditionFields, FiltersAreNeverRangeChecked) {
    const CheckedConditions checked =
        CheckConditionFields(Fields("100", "12", "", "-1", "1,5"), Stored());
    ASSERT_FALSE(checked.Rejection);
    EXPECT_EQ(checked.Conditions.InherentFiltration, 0);
    EXPECT_EQ(checked.Conditions.AluminiumFilter, -1 * 0.1);
    EXPECT_EQ(checked.Conditions.CopperFilter, 0.1);
    const CheckedConditions tiny =
        CheckConditionFields(Fields("100", "12", "1e-400", "NaN", "inf"), Stored());
    ASSERT_FALSE(tiny.Rejection);
    EXPECT_EQ(tiny.Conditions.InherentFiltration, 0);
    EXPECT_EQ(tiny.Conditions.AluminiumFilter, 0);
}

// The numeric entry point of scripts: the same rules, and NaN, which no text reads as, refused
// like a number beyond the double range.
TEST(CheckConditionValues, ClampsAndRefusesNumbersLikeTheFields) {
    const auto check = [](ConditionValues values) {
        return CheckConditionValues(values, Stored());
    };
    EXPECT_EQ(check({150.5, 12, 2.5, 0, 0}).Conditions.TubeVoltage, 150);
    EXPECT_EQ(check({29.9, 12, 2.5, 0, 0}).Conditions.TubeVoltage, 30);
    const CheckedValues accepted = check({100, 89.999, 2.5, -1, 0.5});
    ASSERT_FALSE(accepted.Rejection);
    EXPECT_EQ(accepted.Conditions.InherentFiltration, 2.5 * 0.1);
    EXPECT_EQ(accepted.Conditions.AluminiumFilter, -1 * 0.1);
    EXPECT_EQ(accepted.Conditions.ModelChoice, SpectrumModel::Birch);

    using Kind = ConditionRejection::Kind;
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
         }) {
        const CheckedValues checked = check(c.values);
        EXPECT_EQ(checked.Rejection, c.rejection);
        EXPECT_EQ(checked.Conditions.InherentFiltration, 0) << "no filter stored on rejection";
    }
}

TEST(DefaultTargetAngle, TwelveDegreesForTuckerSixteenForBirch) {
    EXPECT_EQ(DefaultTargetAngle(SpectrumModel::Tucker), 12);
    EXPECT_EQ(DefaultTargetAngle(SpectrumModel::Birch), 16);
    EXPECT_EQ(DefaultTargetAngleText(SpectrumModel::Birch), "16");
}

}  // namespace
}  // namespace tubeline
