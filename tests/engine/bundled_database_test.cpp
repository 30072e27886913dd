#include "engine/air_cooled.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

using quellmar::engine::AirCooled;

// A duty in metric units and the unit codes to hand it over in.
struct Duty {
    double heatKw, oilFlowL, airC, inletC;
    int grade, motor, range;
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

// What a document shows of one search.
struct Outcome {
    std::string cooler, diagnosis;
    std::vector<double> rating;
};

Outcome Select(const std::filesystem::path& db, const Duty& d, const UnitCodes& u) {
    AirCooled air(db);
    air.SetProductRange(d.range);
    air.SetHeatUnits(u.heat);
    air.SetOilFlowUnits(u.flow);
    air.SetTempUnits(u.temp);
    air.SetMotorType(d.motor);
    air.SetAirTemp(TempIn(u.temp, d.airC));
    air.SetHeatLoad(HeatIn(u.heat, d.heatKw));
    air.SetInletTemp(TempIn(u.temp, d.inletC));
    air.SetOilFlow(FlowIn(u.flow, d.oilFlowL));
    air.SetViscosity(d.grade);
    air.FindCooler();
    if (air.OutOfRange()) return {"", air.ErrorMessage(), {}};
    air.Recalculate();
    air.ListOfSuitableCoolers();
    air.SortByPressureDrop();
    air.SortByPrice();
    air.SortByNoise();
    EXPECT_LE(air.SortByPrice().Rows(), air.ListOfSuitableCoolers().Rows());
    return {air.CoolerName(),
            "",
            {air.SelectedPerformance(), air.PercentHTMargin(), air.MaxAmbientTemp(), air.ExitOilTemp(), air.ViscosityAtAvgTemp(),
             air.CorrectedInletTempC(), air.CorrectedExitOilTemp(), air.CorrectedAvgOilTemp(), air.CorrectedVoC(),
             air.PressureDrop()}};
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
    quellmar::test::TestDatabase db_{quellmar::data::Contents::Full};
};

TEST_F(BundledDatabase, AirDutiesSelectAModelOrAreDiagnosedAlikeInEveryUnitSystem) {
    Spread spread;
    int selected = 0;
    for (int i = 0; i < 400; ++i) {
        const double air = spread.Between(10, 40);
        const Duty d{spread.Between(5, 150), spread.Between(20, 350), air, air + spread.Between(10, 45), spread.Below(12),
                     spread.Below(5), spread.Below(3)};
        const Outcome metric = Select(db_.Path(), d, {});
        EXPECT_TRUE(metric.cooler.empty() != metric.diagnosis.empty()) << i;
        selected += metric.cooler.empty() ? 0 : 1;
        if (i % 8 != 0) continue;
        const Outcome other = Select(db_.Path(), d, {1 + i % 5, 1 + i % 3, 1});
        EXPECT_EQ(other.cooler, metric.cooler) << i;
        EXPECT_EQ(other.diagnosis.substr(0, 30), metric.diagnosis.substr(0, 30)) << i;
        ASSERT_EQ(other.rating.size(), metric.rating.size()) << i;
        for (std::size_t r = 0; r < metric.rating.size(); ++r)
            EXPECT_NEAR(other.rating[r], metric.rating[r], 1e-9 * std::max(1.0, std::abs(metric.rating[r]))) << i << " " << r;
    }
    EXPECT_GT(selected, 100);
    EXPECT_LT(selected, 400);
}

}  // namespace
