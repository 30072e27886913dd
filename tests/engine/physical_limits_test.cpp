// Thousands of seeded duties in every unit system and every viscosity grade the documents offer, a
// third of them in cold, thick oil: whatever the engine rates, for the search's model and for other
// listed models chosen after it, must be physically possible. The oil gives up F / 34.5 kW per degree C
// of its own drop and the water takes up q_w / 14.354 kW per degree C of its rise, so no exit, mean or
// corrected oil temperature lies at or below the coolant and no water leaves at or above the oil; a
// cooler with a margin carries the heat load at or below the desired inlet temperature, one without
// one only above it; the oil's drop from the corrected inlet to the corrected exit carries the heat load
// to within 1 %; and no pressure drop is below 0. The bundled database keeps its models within those
// limits, so there the search's model is always rated; a database whose capacities claim more than the
// oil can give, or whose pressure-drop data are negative, gets refusals.
#include "engine/air_cooled.h"
#include "engine/data_access.h"
#include "engine/engine_error.h"
#include "engine/mobile.h"
#include "engine/water_cooled.h"
#include "seeded_duties.h"
#include "test_database.h"

#include "vb/val.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using quellmar::engine::AirCooled;
using quellmar::engine::Mobile;
using quellmar::engine::RatingError;
using quellmar::engine::WaterCooled;
using namespace quellmar::test;

// How the sweep of one family ended.
struct Tally {
    int outOfRange = 0, beyondReach = 0, faceVelocity = 0;
    int rated = 0, refused = 0;            // the search's model
    int otherRated = 0, otherRefused = 0;  // a model chosen after the search
    int waterSide = 0;                     // refused for the water's sake
    int pressureDropData = 0;              // refused for the model's pressure-drop data
};

// What one family shows of a rating once its operating point is known.
struct Rated {
    double coolant;
    std::vector<double> oilTemps;     // each above the coolant
    std::vector<double> viscosities;  // each finite and above 0
    // Water leaving and the oil temperature it must stay below.
    std::vector<std::pair<double, double>> waterBelowOil;
    double pressureDrop;
    // What stands in the pressure drop's place where the water-cooled tables end, beside pressures.
    std::vector<double> markers;
};
template <class Rating>
using Reading = std::function<Rated(Rating&)>;

// The texts of a rating that could not happen, as the engine refuses it.
bool IsImpossibleRatingRefusal(const std::string& text) { return text.rfind("Rating beyond program range: ", 0) == 0; }

template <class Rating>
void CheckRated(Rating& r, const Reading<Rating>& read, const std::string& where) {
    const Rated rated = read(r);
    for (const double t : rated.oilTemps) {
        EXPECT_TRUE(std::isfinite(t)) << where;
        EXPECT_GT(t, rated.coolant) << where << ": " << r.CoolerName();
    }
    for (const double v : rated.viscosities) {
        EXPECT_TRUE(std::isfinite(v)) << where;
        EXPECT_GT(v, 0) << where << ": " << r.CoolerName();
    }
    for (const auto& [water, oil] : rated.waterBelowOil) EXPECT_LT(water, oil) << where << ": " << r.CoolerName();
    const bool marker = std::find(rated.markers.begin(), rated.markers.end(), rated.pressureDrop) != rated.markers.end();
    EXPECT_TRUE(marker || rated.pressureDrop >= 0) << where << ": " << r.CoolerName() << " at " << rated.pressureDrop << " bar";
    EXPECT_TRUE(std::isfinite(rated.pressureDrop)) << where << ": " << r.CoolerName();
    // The heat the shown figures imply: what the oil gives up from the corrected inlet to the corrected exit.
    const double heat = (r.CorrectedInletTempC() - r.CorrectedExitOilTemp()) * r.OilFlowL() / kOilLpmPerKwC;
    EXPECT_NEAR(heat, r.HeatLoadKw(), 0.01 * r.HeatLoadKw()) << where << ": " << r.CoolerName();
    // The operating point lies on the side of the desired inlet temperature that the margin tells.
    if (r.PercentHTMargin() >= 0)
        EXPECT_LE(r.CorrectedInletTempC(), r.InletTempC() + 1e-9) << where << ": " << r.CoolerName();
    else
        EXPECT_GE(r.CorrectedInletTempC(), r.InletTempC() - 1e-9) << where << ": " << r.CoolerName();
}

// Rates the selected model; false when the engine refuses it.
template <class Rating>
bool Rate(Rating& r, const Reading<Rating>& read, const std::string& where, std::string* refusal = nullptr) {
    try {
        r.Recalculate();
    } catch (const RatingError& e) {
        if (refusal) *refusal = e.Description();
        return false;
    }
    CheckRated(r, read, where);
    return true;
}

// The document's order: the search and its rating, then another listed model and its rating.
template <class Rating>
void Conclude(Rating& r, Spread& s, double performanceLimit, bool withinLimits, const Reading<Rating>& read, Tally& tally,
              int i) {
    const std::string where = "duty " + std::to_string(i);
    r.FindCooler();
    const auto list = r.ListOfSuitableCoolers();
    if (withinLimits) {
        for (std::size_t row = 1; row < list.Rows(); ++row)
            EXPECT_LE(vb::Val(list.At(2, row)), performanceLimit) << where << ": " << list.At(0, row);
    }
    if (r.OutOfRange()) {
        ++tally.outOfRange;
        const std::string& message = r.ErrorMessage();
        if (message.find("at or beyond ETD") != std::string::npos) {
            ++tally.beyondReach;
            EXPECT_FALSE(r.DutyWithinReach()) << where;
            EXPECT_EQ(r.SelectedPerformance(), 0) << where;
        }
        if (message.rfind("Air Face Velocity below range", 0) == 0) ++tally.faceVelocity;
    } else {
        std::string refusal;
        if (Rate(r, read, where, &refusal)) {
            ++tally.rated;
        } else {
            ++tally.refused;
            // Only a model whose data claim the impossible is refused after the search.
            EXPECT_FALSE(withinLimits) << where << ": the adequate " << r.CoolerName() << " is refused: " << refusal;
            EXPECT_TRUE(IsImpossibleRatingRefusal(refusal)) << where << ": " << refusal;
            if (refusal.find("heat the water") != std::string::npos) ++tally.waterSide;
            if (refusal.find("pressure-drop data") != std::string::npos) ++tally.pressureDropData;
        }
    }
    // Up to three models chosen from the list in turn, as a user compares them.
    for (int choice = 0; choice < 3 && list.Rows() >= 2; ++choice) {
        const std::size_t row = 1 + static_cast<std::size_t>(s.Below(static_cast<int>(list.Rows() - 1)));
        r.SetCoolerID(static_cast<std::int32_t>(vb::Val(list.At(1, row))));
        std::string refusal;
        if (Rate(r, read, where + " (other model)", &refusal)) {
            ++tally.otherRated;
        } else {
            ++tally.otherRefused;
            if (refusal.find("pressure-drop data") != std::string::npos) ++tally.pressureDropData;
        }
    }
}

class PhysicalLimits : public ::testing::Test {
protected:
    // Runs `count` seeded duties of one family through every unit system in turn: `prepare` hands over
    // what the family adds to the shared duty and gives the performance no cooler may exceed; `read`
    // gives what the family shows once its operating point is known.
    template <class Rating>
    Tally Sweep(bool withinLimits, const DocumentDuties& duties, int count,
                const std::function<double(Rating&, Spread&, Duty&, const UnitCodes&)>& prepare, const Reading<Rating>& read) {
        Spread s(duties.seed);
        Tally tally;
        for (int i = 0; i < count; ++i) {
            Duty d = duties.Next(s, i);
            const UnitCodes u = UnitsOf(i);
            Rating rating(db_.Path());
            HandOver(rating, d, u);
            const double limit = prepare(rating, s, d, u);
            Conclude<Rating>(rating, s, limit, withinLimits, read, tally, i);
        }
        EXPECT_EQ(tally.rated + tally.outOfRange + tally.refused, count);
        EXPECT_GT(tally.rated, 0);
        EXPECT_GT(tally.otherRated, 0);
        EXPECT_GT(tally.beyondReach, 0);
        return tally;
    }

    template <class Rating>
    static Rated AirFamilyReading(Rating& r) {
        return {r.AirTempC(),
                {r.ExitOilTemp(), r.AverageOilTemp(), r.CorrectedInletTempC(), r.CorrectedExitOilTemp(), r.CorrectedAvgOilTemp()},
                {r.Cst(), r.ViscosityAtAvgTemp(), r.CorrectedVoC()},
                {},
                r.PressureDrop(),
                {}};
    }
    static Rated WaterReading(WaterCooled& w) {
        return {w.WaterTempC(),
                {w.ExitOilTemp(), w.AverageOilTemp(), w.CorrectedInletTempC(), w.CorrectedExitOilTemp(), w.CorrectedAverageOilTemp()},
                {w.Cst(), w.ViscosityAtAvgTemp(), w.CorrectedViscosity()},
                {{w.ExitWaterTemp(), w.InletTempC()}, {w.CorrectedExitWaterTemp(), w.CorrectedInletTempC()}},
                w.PressureDrop(),
                {WaterCooled::kViscosityAboveTable, WaterCooled::kViscosityBelowTable}};
    }

    Tally AirSweep(bool withinLimits, int count) {
        return Sweep<AirCooled>(withinLimits, kAirDuties, count, HandOverAir<AirCooled>, AirFamilyReading<AirCooled>);
    }
    Tally MobileSweep(bool withinLimits, int count) {
        return Sweep<Mobile>(withinLimits, kMobileDuties, count, HandOverMobile<Mobile>, AirFamilyReading<Mobile>);
    }
    Tally WaterSweep(bool withinLimits, int count) {
        return Sweep<WaterCooled>(withinLimits, kWaterDuties, count, HandOverWater<WaterCooled>, WaterReading);
    }

    quellmar::test::TestDatabase db_{quellmar::data::Contents::Full};
};

// Within the limits every model the search chooses is rated.
void ExpectEverySearchRated(const Tally& tally) {
    EXPECT_EQ(tally.refused, 0);
    EXPECT_GT(tally.rated, 300);
}

TEST_F(PhysicalLimits, SweepOfAirDutiesNeverLeavesTheOilColderThanTheAir) { ExpectEverySearchRated(AirSweep(true, 1200)); }

TEST_F(PhysicalLimits, SweepOfMobileDutiesNeverLeavesTheOilColderThanTheAirWhateverTheFaceVelocity) {
    const Tally tally = MobileSweep(true, 1500);
    ExpectEverySearchRated(tally);
    EXPECT_GT(tally.faceVelocity, 20);
}

TEST_F(PhysicalLimits, SweepOfWaterDutiesNeverLeavesTheOilColderNorTheWaterHotter) {
    ExpectEverySearchRated(WaterSweep(true, 1800));
}

// The bundled models with four times their capacity: most claim more than the oil (and the water) can
// carry. Such ratings are refused, in the search and after it; the others stay possible.
class OverstatedCapacities : public PhysicalLimits {
protected:
    OverstatedCapacities() { db_.Exec("UPDATE CoolingCapacity SET CoolingCapacity = CoolingCapacity * 4"); }
    static void ExpectRefusalsInTheSearchAndAfterIt(const Tally& tally) {
        EXPECT_GT(tally.refused, 10);
        EXPECT_GT(tally.otherRefused, 10);
    }
};

TEST_F(OverstatedCapacities, AirRatingsBeyondWhatTheOilCanGiveAreRefused) {
    ExpectRefusalsInTheSearchAndAfterIt(AirSweep(false, 600));
}

TEST_F(OverstatedCapacities, MobileRatingsBeyondWhatTheOilCanGiveAreRefused) {
    ExpectRefusalsInTheSearchAndAfterIt(MobileSweep(false, 600));
}

TEST_F(OverstatedCapacities, WaterRatingsBeyondWhatTheOilOrTheWaterCanCarryAreRefused) {
    const Tally tally = WaterSweep(false, 600);
    ExpectRefusalsInTheSearchAndAfterIt(tally);
    EXPECT_GT(tally.waterSide, 0);
}

// Maintainers' typing errors: every third model's pressure-drop curve, the upper half of the air
// correction table and every other water model's correction factors negative. A rating whose pressure
// drop they would make negative is refused naming those data, in the search and after it; the sort by
// pressure drop leaves such a model out.
class NegativePressureDropData : public PhysicalLimits {
protected:
    NegativePressureDropData() {
        db_.Exec("UPDATE PressureDrop SET PressureDrop = -PressureDrop WHERE CoolerID % 3 = 0");
        db_.Exec("UPDATE AirPDCorrections SET AirPDCorrection = -AirPDCorrection WHERE ViscosityCst > "
                 "(SELECT Avg(ViscosityCst) FROM AirPDCorrections)");
        db_.Exec("UPDATE PDCorrection SET c1 = -c1, c2 = -c2, c3 = -c3, c4 = -c4 WHERE CoolerID % 2 = 0");
    }
    static void ExpectRefusalsNamingTheData(const Tally& tally) {
        EXPECT_GT(tally.pressureDropData, 20);
        EXPECT_GT(tally.refused, 0);
        EXPECT_GT(tally.otherRefused, 0);
    }
};

TEST_F(NegativePressureDropData, AirRatingsAreRefusedAndTheSortByPressureDropLeavesTheModelOut) {
    ExpectRefusalsNamingTheData(AirSweep(false, 600));
    // Every model meets this duty; a third of them have negative curves.
    AirCooled air(db_.Path());
    air.SetProductRange(2);
    air.SetMotorType(0);
    air.SetAirTemp(20);
    air.SetHeatLoad(1);
    air.SetInletTemp(60);
    air.SetOilFlow(40);
    air.SetViscosity(4);
    air.FindCooler();
    ASSERT_FALSE(air.OutOfRange());
    const auto sorted = air.SortByPressureDrop();
    EXPECT_GT(sorted.Rows(), 2u);
    for (std::size_t i = 1; i < sorted.Rows(); ++i) {
        EXPECT_GE(sorted.At(0, i).ToDouble(), 0) << sorted.At(1, i).ToString();
        EXPECT_NE(sorted.At(2, i).ToLong() % 3, 0) << sorted.At(1, i).ToString();
    }
}

TEST_F(NegativePressureDropData, MobileRatingsAreRefused) { ExpectRefusalsNamingTheData(MobileSweep(false, 600)); }

TEST_F(NegativePressureDropData, WaterRatingsAreRefused) {
    ExpectRefusalsNamingTheData(WaterSweep(false, 600));
}

TEST_F(PhysicalLimits, NoCurvePointOrCorrectionClaimsMoreThanTheOilOrTheWaterCanCarry) {
    quellmar::engine::DataAccess data(db_.Path());
    const auto number = [](const vb::Variant& v) { return v.ToDouble(); };
    // The largest factors the engine multiplies a stored capacity by: mobile the face-velocity factor
    // per 30 units, water the temperature table's 1.01 and the model's own heat-transfer factor.
    const double mobileFactor = number(data.Execute("SELECT Max(HTCorrectionFactor) FROM HTCorrectionMobile").At(0, 0)) / 30;
    // A row's largest factor: a model with fewer than eight oil flows leaves the last columns empty.
    const std::string rowFactor =
        "Max(IfNull(c1, 0), IfNull(c2, 0), IfNull(c3, 0), IfNull(c4, 0), IfNull(c5, 0), IfNull(c6, 0), IfNull(c7, 0), "
        "IfNull(c8, 0))";
    const auto points = data.Execute(
        "SELECT Coolers.CoolerID, Coolers.CoolerType, CoolingCapacityOilFlow, CoolingCapacity, "
        "(SELECT Max(" + rowFactor + ") FROM HTCorrection WHERE HTCorrection.CoolerID = Coolers.CoolerID) "
        "FROM Coolers INNER JOIN CoolingCapacity ON Coolers.CoolerID = CoolingCapacity.CoolerID");
    ASSERT_GT(points.Rows(), 400u);
    for (std::size_t row = 0; row < points.Rows(); ++row) {
        const long type = points.At(1, row).ToLong();
        const double factor = type == 1 ? 1.0 : type == 3 ? mobileFactor : 1.01 * number(points.At(4, row));
        EXPECT_LE(number(points.At(3, row)) * factor, number(points.At(2, row)) / kOilLpmPerKwC)
            << "cooler " << points.At(0, row).ToLong() << " at " << number(points.At(2, row)) << " l/min";
    }
    // Each node of a water cooler's heat-transfer table: the capacity the curve holds at the node's oil
    // flow, at the temperature table's 1.01, against what the node's water flow can take up.
    const auto numbers = [&](const std::string& sql, const vb::Variant& id) {
        std::vector<double> column;
        const auto rows = data.Execute(sql, {id});
        for (std::size_t r = 0; r < rows.Rows(); ++r) column.push_back(number(rows.At(0, r)));
        return column;
    };
    const auto coolers = data.Execute("SELECT CoolerID FROM Coolers WHERE CoolerType = 2");
    std::size_t nodes = 0;
    for (std::size_t k = 0; k < coolers.Rows(); ++k) {
        const vb::Variant id = coolers.At(0, k);
        const auto waters = numbers("SELECT HTCorrectionWaterFlow FROM HTCorrectionWaterFlow WHERE CoolerID = ?1 "
                                    "ORDER BY HTCorrectionWaterFlow", id);
        // Every table fills the six water-flow rows of the correction-factor editor.
        EXPECT_EQ(waters.size(), 6u) << "cooler " << id.ToLong();
        const auto oils = numbers("SELECT HTCorrectionOilFlow FROM HTCorrectionOilFlow WHERE CoolerID = ?1 "
                                  "ORDER BY HTCorrectionOilFlow", id);
        const auto factors = data.Execute("SELECT c1, c2, c3, c4, c5, c6, c7, c8 FROM HTCorrection WHERE CoolerID = ?1 "
                                          "ORDER BY RowNum", {id});
        ASSERT_EQ(factors.Rows(), waters.size());
        for (std::size_t c = 0; c < oils.size(); ++c) {
            const double capacity = number(data.Execute("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = ?1 "
                                                        "AND CoolingCapacityOilFlow <= ?2 ORDER BY CoolingCapacityOilFlow DESC",
                                                        {id, oils[c]}).At(0, 0));
            for (std::size_t r = 0; r < waters.size(); ++r, ++nodes)
                EXPECT_LE(1.01 * capacity * number(factors.At(c, r)), waters[r] / kWaterLpmPerKwC)
                    << "cooler " << id.ToLong() << " at " << oils[c] << " l/min of oil and " << waters[r] << " of water";
        }
    }
    EXPECT_GT(nodes, 500u);
}

}  // namespace
