#include "engine/air_cooled.h"
#include "engine/engine_error.h"
#include "engine/mobile.h"
#include "engine/water_cooled.h"
#include "seeded_duties.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using quellmar::engine::AirCooled;
using quellmar::engine::Mobile;
using quellmar::engine::WaterCooled;
using namespace quellmar::test;

// What a document shows of one search: the model and its rating, or the diagnosis.
struct Outcome {
    std::string cooler, diagnosis;
    std::vector<double> rating;
};

template <class Rating>
Outcome Conclude(Rating& r, const std::function<std::vector<double>(Rating&)>& family) {
    r.FindCooler();
    if (r.OutOfRange()) return {"", r.ErrorMessage(), {}};
    try {
        r.Recalculate();
    } catch (const quellmar::engine::RatingError& refusal) {
        // The selected cooler has no operating point at the duty: the document shows why.
        return {"", refusal.Description(), {}};
    }
    EXPECT_GE(r.ListOfSuitableCoolers().Rows(), 2u);
    std::vector<double> rating = {r.SelectedPerformance(), r.PercentHTMargin(), r.ExitOilTemp(), r.ViscosityAtAvgTemp(),
                                  r.CorrectedInletTempC(), r.CorrectedExitOilTemp(), r.PressureDrop()};
    for (const double v : family(r)) rating.push_back(v);
    return {r.CoolerName(), "", rating};
}

using Select = std::function<Outcome(const std::filesystem::path&, const Duty&, const UnitCodes&)>;

Outcome SelectAir(const std::filesystem::path& db, const Duty& d, const UnitCodes& u) {
    AirCooled air(db);
    air.SetProductRange(d.range);
    air.SetMotorType(d.motor);
    HandOver(air, d, u);
    air.SetAirTemp(TempIn(u.temp, d.coolantC));
    return Conclude<AirCooled>(air, [](AirCooled& a) {
        EXPECT_LE(a.SortByPrice().Rows(), a.ListOfSuitableCoolers().Rows());
        EXPECT_EQ(a.SortByNoise().Rows(), a.SortByPressureDrop().Rows());
        return std::vector<double>{a.MaxAmbientTemp(), a.CorrectedAvgOilTemp(), a.CorrectedVoC()};
    });
}

Outcome SelectMobile(const std::filesystem::path& db, const Duty& d, const UnitCodes& u) {
    Mobile mobile(db);
    HandOver(mobile, d, u);
    mobile.SetAirTemp(TempIn(u.temp, d.coolantC));
    mobile.SetAirFaceVelocity(d.faceVelocity);
    return Conclude<Mobile>(mobile, [](Mobile& m) { return std::vector<double>{m.MaxAmbientTemp(), m.CorrectedVoC()}; });
}

Outcome SelectWater(const std::filesystem::path& db, const Duty& d, const UnitCodes& u) {
    WaterCooled water(db);
    water.SetSeries(d.series);
    HandOver(water, d, u);
    water.SetWaterTemp(TempIn(u.temp, d.coolantC));
    water.SetWaterFlow(FlowIn(u.flow, d.waterFlowL));
    return Conclude<WaterCooled>(water, [](WaterCooled& w) {
        return std::vector<double>{w.AvailableETD(), w.ExitWaterTemp(), w.CorrectedExitWaterTemp(), w.CorrectedViscosity(),
                                   w.MaxWaterFlowByModel()};
    });
}

class BundledDatabase : public ::testing::Test {
protected:
    // Every duty selects a model or is diagnosed, never fails; every eighth is run again in other
    // units and must select the same model with the same rating.
    void Check(const Select& select, const std::function<Duty(Spread&)>& duty, int count) {
        Spread spread;
        int selected = 0;
        for (int i = 0; i < count; ++i) {
            const Duty d = duty(spread);
            const Outcome metric = select(db_.Path(), d, {});
            EXPECT_TRUE(metric.cooler.empty() != metric.diagnosis.empty()) << i;
            selected += metric.cooler.empty() ? 0 : 1;
            if (i % 8 != 0) continue;
            const Outcome other = select(db_.Path(), d, {1 + i % 5, 1 + i % 3, 1});
            EXPECT_EQ(other.cooler, metric.cooler) << i;
            EXPECT_EQ(other.diagnosis.substr(0, 30), metric.diagnosis.substr(0, 30)) << i;
            ASSERT_EQ(other.rating.size(), metric.rating.size()) << i;
            for (std::size_t r = 0; r < metric.rating.size(); ++r)
                EXPECT_NEAR(other.rating[r], metric.rating[r], 1e-9 * std::max(1.0, std::abs(metric.rating[r]))) << i << " " << r;
        }
        EXPECT_GT(selected, count / 4);
        EXPECT_LT(selected, count);
    }
    quellmar::test::TestDatabase db_{quellmar::data::Contents::Full};
};

TEST_F(BundledDatabase, AirDuties) {
    Check(SelectAir, [](Spread& s) {
        const double air = s.Between(10, 40);
        Duty d{s.Between(5, 150), s.Between(20, 350), air, air + s.Between(10, 45), s.Below(12)};
        d.motor = s.Below(5);
        d.range = s.Below(3);
        return d;
    }, 400);
}

TEST_F(BundledDatabase, MobileDuties) {
    Check(SelectMobile, [](Spread& s) {
        const double air = s.Between(10, 40);
        Duty d{s.Between(2, 60), s.Between(10, 150), air, air + s.Between(10, 45), s.Below(12)};
        d.faceVelocity = s.Between(0.5, 10);
        return d;
    }, 200);
}

TEST_F(BundledDatabase, TheProgramsOilFlowRangeIsToldBeforeADutyNoCoolerCouldMeet) {
    // 6000 kW would cool 5000 l/min of oil by 41.4 C, 574 l/min by 361 C, across an ETD of 40.
    for (const double litres : {5000.0, 574.0}) {
        AirCooled air(db_.Path());
        air.SetProductRange(2);
        air.SetMotorType(0);
        air.SetAirTemp(20);
        air.SetHeatLoad(6000);
        air.SetInletTemp(60);
        air.SetOilFlow(litres);
        air.FindCooler();
        EXPECT_FALSE(air.DutyWithinReach());
        ASSERT_TRUE(air.OutOfRange());
        EXPECT_EQ(air.ErrorMessage(), "Oil Flow beyond range of program. \r\n390.00 l/min is maximum. Adjust flow or consult sales office.");
    }
}

TEST_F(BundledDatabase, WaterDuties) {
    Check(SelectWater, [](Spread& s) {
        const double water = s.Between(10, 35);
        Duty d{s.Between(5, 400), s.Between(10, 800), water, water + s.Between(15, 50), s.Below(12)};
        d.series = 1 + s.Below(3);
        // Water in proportion to the oil: a model is rated only on water enough to take up what it gives.
        d.waterFlowL = d.oilFlowL * s.Between(0.5, 1.5);
        return d;
    }, 300);
}

}  // namespace
