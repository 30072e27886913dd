#include "result_texts.h"

#include <gtest/gtest.h>

using namespace quellmar::shell;

namespace {
const std::string deg = kDegree;
}

TEST(ResultTexts, WholeNumberUnitsRoundHalfToEven) {
    const auto heat = HeatLoadTexts(20, 72000, 17211.5, 1136.5, 26.8097, 68245.5);
    EXPECT_EQ(heat[0], "20.00 kW");
    EXPECT_EQ(heat[1], "72000 kJ/h");
    EXPECT_EQ(heat[2], "17212 kCal/h");
    EXPECT_EQ(heat[3], "1136 Btu/min");
    EXPECT_EQ(heat[4], "26.81 HP");
    EXPECT_EQ(heat[5], "68246 Btu/h");
    const auto flow = FlowTexts(120, 26.396, 31.701, 7322.5);
    EXPECT_EQ(flow[0], "120.0 l/min");
    EXPECT_EQ(flow[1], "26.4 Imp GPM");
    EXPECT_EQ(flow[2], "31.7 US GPM");
    EXPECT_EQ(flow[3], "7322 Cu Ins/min");
    // Beyond a Long the whole number is shown all the same; nothing rounds to "-0".
    EXPECT_EQ(Whole(3600000000.5), "3600000000");
    EXPECT_EQ(Whole(-2.5), "-2");
    EXPECT_EQ(Whole(-0.4), "0");
}

TEST(ResultTexts, TemperaturesAndHeatTransferCarryTheirUnits) {
    EXPECT_EQ(Degrees(60, "###0.0", 'C'), "60.0" + deg + "C");
    EXPECT_EQ(Degrees(-2.25, "#0.0", 'F'), "-2.3" + deg + "F");
    EXPECT_EQ(HeatTransferMetric(0.6666), "0.667 kW/" + deg + "C ETD");
    EXPECT_EQ(HeatTransferImperial(21.06), "21.1 Btu/min/" + deg + "F ETD");
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(100), 212);
}

TEST(ResultTexts, MarginIsRedAndExplainedOnlyBelowZero) {
    EXPECT_EQ(MarginText(-5).text, "-5.0 Oil temp exceeds max. desired");
    EXPECT_TRUE(MarginText(-5).red);
    EXPECT_EQ(MarginText(0).text, "0.0");
    EXPECT_FALSE(MarginText(0).red);
    EXPECT_EQ(MarginText(12.44).text, "12.4");
}

TEST(ResultTexts, PressureDropColourAndViscosityPrefix) {
    EXPECT_FALSE(PressureDropText(2.5, 29).red);
    EXPECT_TRUE(PressureDropText(2.501, 29).red);
    EXPECT_EQ(PressureDropText(2.5, 29).text, "2.500 BAR");
    EXPECT_EQ(PressureDropText(0.9, 7.4).text, "<0.900 BAR");
    EXPECT_EQ(PressureDropText(0.9, 7.5).text, "0.900 BAR");
    EXPECT_EQ(PressureDropText(0.9, 151).text, "0.900 BAR");
    EXPECT_EQ(PressureDropText(0.9, 151.5).text, ">0.900 BAR");
}

TEST(ResultTexts, InletTemperatureRedOnNegativeMarginOrAbove100) {
    EXPECT_FALSE(InletTemperatureRed(0.0, 100.0));
    EXPECT_TRUE(InletTemperatureRed(0.0, 100.1));
    EXPECT_TRUE(InletTemperatureRed(-0.1, 50));
}

TEST(ResultTexts, ViscosityOutsideRangeAndDecimals) {
    const auto low = ViscosityEstimate(2.9, 20);
    EXPECT_EQ(low.cst.text, "OUTSIDE STANDARD RANGE");
    EXPECT_TRUE(low.cst.red);
    EXPECT_EQ(low.sus, "");
    EXPECT_EQ(ViscosityEstimate(3, 25.2).cst.text, "3.0 Cst");
    EXPECT_EQ(ViscosityEstimate(20, 98).cst.text, "20.0 Cst");
    EXPECT_EQ(ViscosityEstimate(20.1, 93.264).cst.text, "20 Cst");
    EXPECT_EQ(ViscosityEstimate(20.1, 93.264).sus, "93 SUS");
    EXPECT_FALSE(ViscosityEstimate(20.1, 93).cst.red);
    EXPECT_EQ(ViscosityAtAverage(1234.4, 5727.6).cst.text, "1234 Cst");
    EXPECT_EQ(ViscosityAtAverage(1234.4, 5727.6).sus, "5728 SUS");
}

TEST(ResultTexts, OilFlowWarningOnlyBeyondTheCurveAndBelowTheMaximum) {
    const std::string warning = "Selected Model is Near Oil Flow Limit. Refer Maximum Oil Flow. Try next largest";
    EXPECT_EQ(OilFlowLimitWarning(85, 90, 80), warning);
    EXPECT_EQ(OilFlowLimitWarning(90, 90, 80), "");
    EXPECT_EQ(OilFlowLimitWarning(80, 90, 80), "");
    EXPECT_EQ(OilFlowLimitWarning(50, 90, 80), "");
}

TEST(ResultTexts, WaterPressureDropMarkersAreExactValues) {
    EXPECT_EQ(WaterPressureDropText(-1).text, "VISCOSITY HIGH");
    EXPECT_EQ(WaterPressureDropText(-1.0001).text, "-1.000 BAR");
    EXPECT_FALSE(WaterPressureDropText(-1.0001).red);
    EXPECT_EQ(WaterPressureDropText(2.501).text, "2.501 BAR");
    EXPECT_TRUE(WaterPressureDropText(2.501).red);
}

TEST(ResultTexts, ViscosityWarningAbove150AndFaceVelocityMask) {
    EXPECT_FALSE(ViscosityHighWarning(150, 40));
    EXPECT_EQ(ViscosityHighWarning(460.5, 5), "461 Cst VISCOSITY AT AVERAGE TEMPERATURE TOO HIGH. REFER TO SALES OFFICE\r\n"
                                              "5.00" + deg + "C IS AVERAGE TEMPERATURE.");
    EXPECT_EQ(AirFaceVelocityText(0.5), ".50 Metres/second");
    EXPECT_EQ(AirFaceVelocityText(5.555), "5.56 Metres/second");
    EXPECT_EQ(AirFaceVelocityText(0), ".00 Metres/second");
}
