// Thousands of seeded duties over the bundled database, in every unit system and every viscosity
// grade the documents offer: whatever the engine rates must be physically possible. The oil gives up
// F / 34.5 kW per degree C of its own drop and the water takes up q_w / 14.354 kW per degree C of its
// rise, so no exit, mean or corrected oil temperature lies below the coolant and no water leaves
// hotter than the oil comes in.
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
    int rated = 0, outOfRange = 0, refused = 0, beyondReach = 0;
};

// What one family reads of a rating once its operating point is known.
struct Rated {
    double coolant;
    std::vector<double> oilTemps;     // each at or above the coolant
    std::vector<double> viscosities;  // each finite and above 0
};

template <class Rating>
void Conclude(Rating& r, double performanceLimit, const std::function<Rated(Rating&, int)>& read, Tally& tally, int i) {
    r.FindCooler();
    // Every performance the search worked out, adequate or not.
    const auto list = r.ListOfSuitableCoolers();
    for (std::size_t row = 1; row < list.Rows(); ++row)
        EXPECT_LE(vb::Val(list.At(2, row)), performanceLimit) << "duty " << i << ": " << list.At(0, row);
    if (r.OutOfRange()) {
        ++tally.outOfRange;
        if (r.ErrorMessage().find("at or beyond ETD") != std::string::npos) {
            ++tally.beyondReach;
            EXPECT_EQ(r.SelectedPerformance(), 0) << "duty " << i;
        }
        return;
    }
    try {
        r.Recalculate();
    } catch (const RatingError&) {
        ++tally.refused;
        return;
    }
    ++tally.rated;
    const Rated rated = read(r, i);
    for (const double t : rated.oilTemps) {
        EXPECT_TRUE(std::isfinite(t)) << "duty " << i;
        EXPECT_GE(t, rated.coolant) << "duty " << i << ": " << r.CoolerName();
    }
    for (const double v : rated.viscosities) {
        EXPECT_TRUE(std::isfinite(v)) << "duty " << i;
        EXPECT_GT(v, 0) << "duty " << i << ": " << r.CoolerName();
    }
}

class PhysicalLimits : public ::testing::Test {
protected:
    // A duty as the documents let it through (oil above the coolant, at most 120 C), whose heat load
    // asks from a small share of what the oil can give up across the ETD to more than all of it.
    static Duty DutyAbove(Spread& s, double coolant, double fewestLitres, double mostLitres) {
        const double oilFlow = s.Across(fewestLitres, mostLitres), inlet = coolant + s.Across(0.5, 120 - coolant);
        const double heat = (inlet - coolant) * oilFlow / kOilLpmPerKwC * s.Across(0.02, 1.5);
        return {heat, oilFlow, coolant, inlet, s.Below(kDocumentGrades)};
    }

    // Runs `count` seeded duties of one family through every unit system in turn: `prepare` hands over
    // what the family adds to the shared duty and gives the performance no cooler may exceed; `read`
    // gives what the family shows once its operating point is known.
    template <class Rating>
    void Sweep(std::uint64_t seed, int count, double coldest, double fewestLitres, double mostLitres,
               const std::function<double(Rating&, Spread&, Duty&, const UnitCodes&)>& prepare,
               const std::function<Rated(Rating&, int)>& read) {
        Spread s(seed);
        Tally tally;
        for (int i = 0; i < count; ++i) {
            Duty d = DutyAbove(s, s.Between(coldest, 45 + coldest), fewestLitres, mostLitres);
            const UnitCodes u = UnitsOf(i);
            Rating rating(db_.Path());
            HandOver(rating, d, u);
            const double limit = prepare(rating, s, d, u);
            Conclude<Rating>(rating, limit, read, tally, i);
        }
        EXPECT_EQ(tally.rated + tally.outOfRange + tally.refused, count);
        EXPECT_GT(tally.rated, count / 5);
        EXPECT_GT(tally.beyondReach, 0);
    }

    quellmar::test::TestDatabase db_{quellmar::data::Contents::Full};
};

template <class Rating>
Rated AirFamilyReading(Rating& r, int /*duty*/) {
    return {r.AirTempC(),
            {r.ExitOilTemp(), r.AverageOilTemp(), r.CorrectedInletTempC(), r.CorrectedExitOilTemp(), r.CorrectedAvgOilTemp()},
            {r.Cst(), r.ViscosityAtAvgTemp(), r.CorrectedVoC()}};
}

TEST_F(PhysicalLimits, SweepOfAirDutiesNeverLeavesTheOilColderThanTheAir) {
    Sweep<AirCooled>(14, 2400, 0, 4, 400, [](AirCooled& r, Spread& s, Duty& d, const UnitCodes& u) {
        r.SetProductRange(s.Below(3));
        r.SetMotorType(s.Below(5));
        r.SetAirTemp(TempIn(u.temp, d.coolantC));
        return d.oilFlowL / kOilLpmPerKwC;
    }, AirFamilyReading<AirCooled>);
}

TEST_F(PhysicalLimits, SweepOfMobileDutiesNeverLeavesTheOilColderThanTheAir) {
    Sweep<Mobile>(15, 1600, 0, 3, 150, [](Mobile& r, Spread& s, Duty& d, const UnitCodes& u) {
        r.SetAirTemp(TempIn(u.temp, d.coolantC));
        r.SetAirFaceVelocity(s.Across(0.2, 15));
        return d.oilFlowL / kOilLpmPerKwC;
    }, AirFamilyReading<Mobile>);
}

TEST_F(PhysicalLimits, SweepOfWaterDutiesNeverLeavesTheOilColderNorTheWaterHotter) {
    Sweep<WaterCooled>(16, 2400, 1, 5, 1000, [](WaterCooled& r, Spread& s, Duty& d, const UnitCodes& u) {
        d.waterFlowL = d.oilFlowL * s.Across(0.05, 3);
        r.SetSeries(1 + s.Below(3));
        r.SetWaterTemp(TempIn(u.temp, d.coolantC));
        r.SetWaterFlow(FlowIn(u.flow, d.waterFlowL));
        return std::min(d.oilFlowL / kOilLpmPerKwC, d.waterFlowL / kWaterLpmPerKwC);
    }, [](WaterCooled& w, int i) {
        // The water leaves no hotter than the oil comes in, at the desired and at the corrected inlet.
        EXPECT_LE(w.ExitWaterTemp(), w.InletTempC()) << "duty " << i << ": " << w.CoolerName();
        EXPECT_LE(w.CorrectedExitWaterTemp(), w.CorrectedInletTempC()) << "duty " << i << ": " << w.CoolerName();
        EXPECT_GE(w.CorrectedExitWaterTemp(), w.WaterTempC()) << "duty " << i;
        return Rated{w.WaterTempC(),
                     {w.ExitOilTemp(), w.AverageOilTemp(), w.CorrectedInletTempC(), w.CorrectedExitOilTemp(),
                      w.CorrectedAverageOilTemp()},
                     {w.Cst(), w.ViscosityAtAvgTemp(), w.CorrectedViscosity()}};
    });
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
