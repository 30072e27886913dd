#include "engine/air_cooled.h"
#include "test_database.h"

#include <gtest/gtest.h>

namespace {

using quellmar::engine::AirCooled;
using quellmar::test::TestDatabase;

class Units : public ::testing::Test {
protected:
    TestDatabase db_;
    AirCooled air_{db_.Path()};
};

TEST_F(Units, EveryHeatUnitConvertsToKwAndBack) {
    struct Case {
        int code;
        double value, kw;
        double (AirCooled::*getter)() const;
    };
    const Case cases[] = {
        {0, 12.5, 12.5, &AirCooled::HeatLoadKw},
        {1, 3600, 1, &AirCooled::HeatLoadKjH},
        {2, 1000, 1.162, &AirCooled::HeatLoadKcalH},
        {3, 60, 1.055, &AirCooled::HeatLoadBtuMin},
        {4, 10, 7.46, &AirCooled::HeatLoadHP},
        {5, 3600, 1.055, &AirCooled::HeatLoadBtuH},
    };
    for (const auto& c : cases) {
        air_.SetHeatUnits(c.code);
        air_.SetHeatLoad(c.value);
        EXPECT_NEAR(air_.HeatLoadKw(), c.kw, 1e-12) << c.code;
        EXPECT_NEAR((air_.*c.getter)(), c.value, 1e-9 * c.value) << c.code;
    }
    air_.SetHeatUnits(6);
    air_.SetHeatLoad(5);
    EXPECT_NEAR(air_.HeatLoadKw(), 1.055, 1e-12);  // the previous value stays
}

TEST_F(Units, FlowsConvertWithTheirCodeAndAnUnknownCodeStoresNothing) {
    AirCooled fresh(db_.Path());
    fresh.SetOilFlowUnits(4);
    fresh.SetOilFlow(10);
    EXPECT_EQ(fresh.OilFlowL(), 0.0);
    const double litres[] = {10, 45.4609, 37.85411784, 0.16387064};
    double (AirCooled::*getters[])() const = {&AirCooled::OilFlowL, &AirCooled::OilFlowImpGal, &AirCooled::OilFlowUSGal,
                                              &AirCooled::OilFlowCuIns};
    for (int code = 0; code < 4; ++code) {
        air_.SetOilFlowUnits(code);
        air_.SetOilFlow(10);
        EXPECT_NEAR(air_.OilFlowL(), litres[code], 1e-12) << code;
        EXPECT_NEAR((air_.*getters[code])(), 10, 1e-12) << code;
    }
}

TEST_F(Units, AnyTemperatureCodeButZeroIsFahrenheitAndConvertsWhenSet) {
    air_.SetAirTemp(212);  // still degrees C: the code is set afterwards
    air_.SetTempUnits(1);
    EXPECT_EQ(air_.AirTempC(), 212);
    air_.SetAirTemp(212);
    EXPECT_NEAR(air_.AirTempC(), 100, 1e-12);
    EXPECT_NEAR(air_.AirTempF(), 212, 1e-12);
    air_.SetTempUnits(2);
    air_.SetInletTemp(32);
    EXPECT_EQ(air_.InletTempC(), 0);
    EXPECT_EQ(air_.InletTempF(), 32);
}

TEST_F(Units, GradeNamesAndTheSusBands) {
    const std::pair<int, const char*> names[] = {{0, "ISO7"}, {5, "ISO46"}, {14, "ISO1500"}, {15, ""}, {-1, ""}};
    for (const auto& [grade, name] : names) {
        air_.SetViscosity(grade);
        EXPECT_EQ(air_.ViscosityName(), name);
    }
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(19), 93.1);
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(19.01), 19.01 * 4.64);
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(15), 15 * 5.16);
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(10), 58.9);
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(5), 42);
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(5.5), 5.5 * 5.89);
    EXPECT_DOUBLE_EQ(AirCooled::ConvertCstToSUS(16), 16 * 4.9);
}

}  // namespace
