#include "engine/air_cooled.h"
#include "engine/engine_error.h"
#include "engine/mobile.h"
#include "engine/water_cooled.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>

namespace {

using quellmar::engine::AirCooled;
using quellmar::engine::Mobile;
using quellmar::engine::WaterCooled;

// A duty in metric units, with what each family needs besides.
struct Duty {
    double heatKw, oilFlowL, coolantC, inletC;
    int grade;
    int motor = 0, range = 0;             // air-cooled
    double faceVelocity = 0;              // mobile
    int series = 0;                       // water-cooled
    double waterFlowL = 0;
};
struct UnitCodes {
    int heat = 0, flow = 0, temp = 0;
};

// Independent of the engine's own tables: the value in the unit of each code.
double HeatIn(int code, double kw) {
    const double per[] = {1, 1 / 3600.0, 0.001162, 1.055 / 60, 0.746, 1.055 / 3600};
    return kw / per[code];
}
double FlowIn(int code, double litres) {
    const double per[] = {1, 4.54609, 3.785411784, 0.016387064};
    return litres / per[code];
}
double TempIn(int code, double c) { return code == 0 ? c : c * 9 / 5 + 32; }

// What a document shows of one search: the model and its rating, or the diagnosis.
struct Outcome {
    std::string cooler, diagnosis;
    std::vector<double> rating;
};

template <class Rating>
void HandOver(Rating& r, const Duty& d, const UnitCodes& u) {
    r.SetHeatUnits(u.heat);
    r.SetOilFlowUnits(u.flow);
    r.SetTempUnits(u.temp);
    r.SetHeatLoad(HeatIn(u.heat, d.heatKw));
    r.SetInletTemp(TempIn(u.temp, d.inletC));
    r.SetOilFlow(FlowIn(u.flow, d.oilFlowL));
    r.SetViscosity(d.grade);
}

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

// A fixed pseudo-random spread, the same on every run.
class Spread {
public:
    double Between(double low, double high) { return low + (high - low) * Next(); }
    int Below(int n) { return static_cast<int>(Next() * n); }

private:
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }
    std::uint64_t state_ = 12345;
};

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

TEST_F(BundledDatabase, WaterDuties) {
    Check(SelectWater, [](Spread& s) {
        const double water = s.Between(10, 35);
        Duty d{s.Between(5, 400), s.Between(10, 800), water, water + s.Between(15, 50), s.Below(12)};
        d.series = 1 + s.Below(3);
        d.waterFlowL = s.Between(10, 400);
        return d;
    }, 300);
}

}  // namespace
