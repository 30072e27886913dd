// Thousands of seeded duties in every unit system and every viscosity grade the documents offer, a
// third of them in cold, thick oil: whatever the engine rates, for the search's model and for another
// listed model chosen after it, must be physically possible. The oil gives up F / 34.5 kW per degree C
// of its own drop and the water takes up q_w / 14.354 kW per degree C of its rise, so no exit, mean or
// corrected oil temperature lies at or below the coolant and no water leaves at or above the oil; and a
// cooler with a margin carries the heat load at or below the desired inlet temperature, one without
// one only above it. The bundled database keeps its models within those limits, so there the search's
// model is always rated; a database whose capacities claim more than the oil can give gets refusals.
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

constexpr double kOilLpmPerKwC = 34.5;
constexpr double kWaterLpmPerKwC = 14.354;
constexpr int kDocumentGrades = 12;  // ISO 7 to ISO 460

// Every unit system in turn: six heat units, four flow units, two temperature units.
UnitCodes UnitsOf(int i) { return {i % 6, (i / 6) % 4, (i / 24) % 2}; }

// How the sweep of one family ended.
struct Tally {
    int outOfRange = 0, beyondReach = 0, faceVelocity = 0;
    int rated = 0, refused = 0;            // the search's model
    int otherRated = 0, otherRefused = 0;  // a model chosen after the search
    int waterSide = 0;                     // refused for the water's sake
};

// What one family shows of a rating once its operating point is known.
struct Rated {
    double coolant;
    std::vector<double> oilTemps;     // each above the coolant
    std::vector<double> viscosities;  // each finite and above 0
    // Water leaving and the oil temperature it must stay below.
    std::vector<std::pair<double, double>> waterBelowOil;
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
        }
    }
    if (list.Rows() < 2) return;
    const std::size_t row = 1 + static_cast<std::size_t>(s.Below(static_cast<int>(list.Rows() - 1)));
    r.SetCoolerID(static_cast<std::int32_t>(vb::Val(list.At(1, row))));
    if (Rate(r, read, where + " (other model)"))
        ++tally.otherRated;
    else
        ++tally.otherRefused;
}

class PhysicalLimits : public ::testing::Test {
protected:
    // A duty as the documents let it through (oil above the coolant, at most 120 C), whose heat load
    // asks from a small share of what the oil can give up across the ETD to more than all of it; every
    // third one in cold air or water, in turn at every grade.
    static Duty DutyAbove(Spread& s, int i, double coldest, double fewestLitres, double mostLitres) {
        const double coolant = i % 3 == 0 ? s.Between(coldest, coldest + 8) : s.Between(coldest, 45 + coldest);
        const double oilFlow = s.Across(fewestLitres, mostLitres), inlet = coolant + s.Across(0.5, 120 - coolant);
        const double heat = (inlet - coolant) * oilFlow / kOilLpmPerKwC * s.Across(0.02, 1.5);
        return {heat, oilFlow, coolant, inlet, (i / 3) % kDocumentGrades};
    }

    // Runs `count` seeded duties of one family through every unit system in turn: `prepare` hands over
    // what the family adds to the shared duty and gives the performance no cooler may exceed; `read`
    // gives what the family shows once its operating point is known.
    template <class Rating>
    Tally Sweep(bool withinLimits, std::uint64_t seed, int count, double coldest, double fewestLitres, double mostLitres,
                const std::function<double(Rating&, Spread&, Duty&, const UnitCodes&)>& prepare, const Reading<Rating>& read) {
        Spread s(seed);
        Tally tally;
        for (int i = 0; i < count; ++i) {
            Duty d = DutyAbove(s, i, coldest, fewestLitres, mostLitres);
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
                {}};
    }
    static Rated WaterReading(WaterCooled& w) {
        return {w.WaterTempC(),
                {w.ExitOilTemp(), w.AverageOilTemp(), w.CorrectedInletTempC(), w.CorrectedExitOilTemp(), w.CorrectedAverageOilTemp()},
                {w.Cst(), w.ViscosityAtAvgTemp(), w.CorrectedViscosity()},
                {{w.ExitWaterTemp(), w.InletTempC()}, {w.CorrectedExitWaterTemp(), w.CorrectedInletTempC()}}};
    }

    Tally AirSweep(bool withinLimits, int count) {
        return Sweep<AirCooled>(withinLimits, 14, count, 0, 4, 400, [](AirCooled& r, Spread& s, Duty& d, const UnitCodes& u) {
            r.SetProductRange(s.Below(3));
            r.SetMotorType(s.Below(5));
            r.SetAirTemp(TempIn(u.temp, d.coolantC));
            return d.oilFlowL / kOilLpmPerKwC;
        }, AirFamilyReading<AirCooled>);
    }
    // One duty in ten has air standing still or blowing backwards.
    Tally MobileSweep(bool withinLimits, int count) {
        return Sweep<Mobile>(withinLimits, 15, count, 0, 3, 150, [](Mobile& r, Spread& s, Duty& d, const UnitCodes& u) {
            r.SetAirTemp(TempIn(u.temp, d.coolantC));
            const double still = s.Below(10);
            r.SetAirFaceVelocity(still == 0 ? -s.Across(0.1, 8) * s.Below(2) : s.Across(0.2, 15));
            return d.oilFlowL / kOilLpmPerKwC;
        }, AirFamilyReading<Mobile>);
    }
    Tally WaterSweep(bool withinLimits, int count) {
        return Sweep<WaterCooled>(withinLimits, 16, count, 1, 5, 1000, [](WaterCooled& r, Spread& s, Duty& d, const UnitCodes& u) {
            d.waterFlowL = d.oilFlowL * s.Across(0.05, 3);
            r.SetSeries(1 + s.Below(3));
            r.SetWaterTemp(TempIn(u.temp, d.coolantC));
            r.SetWaterFlow(FlowIn(u.flow, d.waterFlowL));
            return std::min(d.oilFlowL / kOilLpmPerKwC, d.waterFlowL / kWaterLpmPerKwC);
        }, WaterReading);
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
