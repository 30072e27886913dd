#include "vb/format.h"
#include "vb/val.h"

#include <gtest/gtest.h>

namespace {

TEST(Format, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(vb::Format(2.5, "##0"), "3");
    EXPECT_EQ(vb::Format(3.5, "##0"), "4");
    EXPECT_EQ(vb::Format(0.125, "0.00"), "0.13");
    EXPECT_EQ(vb::Format(12.345, "##0.00"), "12.35");  // binary 12.3449999...
    EXPECT_EQ(vb::Format(2.675, "#0.00"), "2.68");
    EXPECT_EQ(vb::Format(1.0005, "0.000"), "1.001");
    EXPECT_EQ(vb::Format(-2.5, "##0"), "-3");
    EXPECT_EQ(vb::Format(99.96, "#0.0"), "100.0");
    EXPECT_EQ(vb::Format(9.9999, "0.000"), "10.000");
}

TEST(Format, ShowsTheMasksDigitsAndPoint) {
    EXPECT_EQ(vb::Format(0.5, "#.00"), ".50");
    EXPECT_EQ(vb::Format(1.5, "#.00"), "1.50");
    EXPECT_EQ(vb::Format(0.04, "##0.0"), "0.0");
    EXPECT_EQ(vb::Format(0, "##0.00"), "0.00");
    EXPECT_EQ(vb::Format(0, "###0"), "0");
    EXPECT_EQ(vb::Format(1234.5678, "##0.000"), "1234.568");
    EXPECT_EQ(vb::Format(123456.7, "###0.0"), "123456.7");
    EXPECT_EQ(vb::Format(7, "#0.000"), "7.000");
    EXPECT_EQ(vb::Format(0.0004, "0.000"), "0.000");
    EXPECT_EQ(vb::Format(-1.25, "##0.0"), "-1.3");
}

TEST(Format, FixedHasOneDigitBeforeAndTwoAfterThePoint) {
    EXPECT_EQ(vb::Format(1234.5, "fixed"), "1234.50");
    EXPECT_EQ(vb::Format(1234.5, "Fixed"), "1234.50");
    EXPECT_EQ(vb::Format(0.005, "fixed"), "0.01");
    EXPECT_EQ(vb::Format(45, "fixed"), "45.00");
    EXPECT_EQ(vb::Format(1e15, "fixed"), "1000000000000000.00");
}

TEST(Format, RefusesMasksItDoesNotKnow) {
    EXPECT_THROW(vb::Format(1, "0.0.0"), std::invalid_argument);
    EXPECT_THROW(vb::Format(1, "#,##0"), std::invalid_argument);
}

TEST(CStr, GivesUpToFifteenSignificantDigits) {
    EXPECT_EQ(vb::CStr(0), "0");
    EXPECT_EQ(vb::CStr(-0.0), "0");
    EXPECT_EQ(vb::CStr(1.5), "1.5");
    EXPECT_EQ(vb::CStr(-12.25), "-12.25");
    EXPECT_EQ(vb::CStr(100), "100");
    EXPECT_EQ(vb::CStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(vb::CStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(vb::CStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(vb::CStr(0.0001), "0.0001");
}

TEST(CStr, UsesTheScientificFormForVerySmallAndLargeValues) {
    EXPECT_EQ(vb::CStr(0.00001), "1E-05");
    EXPECT_EQ(vb::CStr(1.5e-7), "1.5E-07");
    EXPECT_EQ(vb::CStr(1e15), "1E+15");
    EXPECT_EQ(vb::CStr(-2.5e100), "-2.5E+100");
}

TEST(SingleToText, GivesAtMostSevenSignificantDigits) {
    EXPECT_EQ(vb::SingleToText(0.1f), "0.1");
    EXPECT_EQ(vb::SingleToText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(vb::SingleToText(1234567.0f), "1234567");
    EXPECT_EQ(vb::SingleToText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(vb::SingleToText(-45.5f), "-45.5");
    EXPECT_EQ(vb::SingleToText(0.0f), "0");
}

TEST(SingleToShortestText, ReadsBackToTheSameSingle) {
    EXPECT_EQ(vb::SingleToShortestText(0.1f), "0.1");
    EXPECT_EQ(vb::SingleToShortestText(-45.5f), "-45.5");
    EXPECT_EQ(vb::SingleToShortestText(0.0f), "0");
    EXPECT_EQ(vb::SingleToShortestText(16777216.0f), "16777216");
    EXPECT_EQ(vb::SingleToShortestText(1.0f / 3.0f), "0.33333334");
    for (const float v : {1.0f / 3.0f, 3.14159f, 1e-30f, 3.4e38f, -1.17549435e-38f, 123456.789f, 1e-45f, 0.3f}) {
        const std::string text = vb::SingleToShortestText(v);
        EXPECT_EQ(static_cast<float>(vb::Val(text)), v) << text;
        EXPECT_EQ(text.find(','), std::string::npos);
    }
}

}  // namespace
