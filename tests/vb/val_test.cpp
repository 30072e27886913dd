#include "vb/error.h"
#include "vb/val.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

TEST(Val, TakesTheLeadingNumberAndStopsAtTheFirstCharacterThatCannotContinueIt) {
    EXPECT_DOUBLE_EQ(vb::Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(vb::Val("1e"), 1.0);
    EXPECT_DOUBLE_EQ(vb::Val("1e+"), 1.0);
    EXPECT_DOUBLE_EQ(vb::Val("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(vb::Val("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(vb::Val("2.5e3x"), 2500.0);
    EXPECT_DOUBLE_EQ(vb::Val("1D2"), 100.0);
    EXPECT_DOUBLE_EQ(vb::Val("1 2"), 1.0);
}

TEST(Val, SkipsLeadingBlanksAndReadsSignsAndBarePoints) {
    EXPECT_DOUBLE_EQ(vb::Val("  \t 10.5"), 10.5);
    EXPECT_DOUBLE_EQ(vb::Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(vb::Val("5."), 5.0);
    EXPECT_DOUBLE_EQ(vb::Val("-3.25"), -3.25);
    EXPECT_DOUBLE_EQ(vb::Val("+7"), 7.0);
    EXPECT_DOUBLE_EQ(vb::Val("-1.5E-2"), -0.015);
}

TEST(Val, TextsThatDoNotBeginWithANumberAreZero) {
    EXPECT_EQ(vb::Val(""), 0.0);
    EXPECT_EQ(vb::Val("-"), 0.0);
    EXPECT_EQ(vb::Val("."), 0.0);
    EXPECT_EQ(vb::Val("abc"), 0.0);
    EXPECT_EQ(vb::Val("e5"), 0.0);
    EXPECT_EQ(vb::Val("inf"), 0.0);
    EXPECT_EQ(vb::Val("nan"), 0.0);
    EXPECT_EQ(vb::Val("1e-400"), 0.0);
    // A reader that must tell them from a 0 sees that they hold no number.
    for (const char* text : {"", "-", ".", "abc", "e5", "&H10", "\n5"})
        EXPECT_FALSE(vb::ReadLeadingNumber(text).found) << text;
    for (const char* text : {"0", "-0", " +0.", "0E0", "1e-400"})
        EXPECT_TRUE(vb::ReadLeadingNumber(text).found) << text;
}

TEST(Val, RaisesOverflowForNumbersBeyondDouble) {
    try {
        vb::Val("1e400");
        FAIL() << "no overflow";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), vb::kErrOverflow);
        EXPECT_EQ(e.Description(), "Overflow");
    }
    const vb::LeadingNumber number = vb::ReadLeadingNumber("-1e400");
    EXPECT_TRUE(number.found && number.overflows) << "read without an error";
}

TEST(Val, IgnoresACommaDecimalLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_DOUBLE_EQ(vb::Val("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(vb::Val("1.5"), 1.5);
    EXPECT_TRUE(vb::IsNumeric("2.25"));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(IsNumeric, AcceptsPlainNumbersWithBlanksAround) {
    for (const char* text : {"0", "12", " 12 ", "-3.5", "+4", ".5", "5.", "1e3", "1.5E-3", "2D2", "\t7\t"})
        EXPECT_TRUE(vb::IsNumeric(text)) << text;
}

TEST(IsNumeric, RefusesWhatTheDocumentsMustNotConvert) {
    for (const char* text : {"", " ", "-", ".", "1e", "1.2.3", "1,000", "12abc", "inf", "nan", "infinity",
                             "1 2", "--1", "3.5e39", "1e400"})
        EXPECT_FALSE(vb::IsNumeric(text)) << text;
}

TEST(Val, ShortDecimalsConvertToTheNearestDouble) {
    // The values a full decimal conversion gives, for texts on both sides of the quick path.
    EXPECT_EQ(vb::Val("0.1"), 0.1);
    EXPECT_EQ(vb::Val("37.6666666666666643"), 37.6666666666666643);
    EXPECT_EQ(vb::Val("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(vb::Val("123456.789012"), 123456.789012);
    EXPECT_EQ(vb::Val("-0.0000000000000000000001"), -1e-22);
    EXPECT_EQ(vb::Val("0.00000000000000000000001"), 1e-23);
    EXPECT_EQ(vb::Val("5."), 5.0);
    EXPECT_EQ(vb::Val(".5"), 0.5);
    EXPECT_EQ(vb::Val("00012.50"), 12.5);
    EXPECT_EQ(vb::Val("4503599627370497.5"), 4503599627370497.5);
}

}  // namespace
