// Rates seeded document duties of every family as a user would (the search, then up to three other
// models chosen from its list) and writes one line per rating: what the engine shows, how far the heat
// its figures imply lies from the heat load, and the operating point found independently of the
// engine's recalculation. Run it on two builds and compare the outputs with rating_survey_compare.py.
//
//   engine_rating_survey [seeds] [duties per seed and family] [database] > ratings.tsv
#include "engine/air_cooled.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "engine/mobile.h"
#include "engine/root_finding.h"
#include "engine/temperature_correction.h"
#include "engine/water_cooled.h"
#include "seeded_duties.h"

#include "vb/val.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <set>
#include <string>

namespace {

using namespace quellmar::engine;
using namespace quellmar::test;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

std::filesystem::path database = QUELLMAR_DATABASE;

// The selected model's capacity factor relative to the one its performance was listed with: the
// viscosity derate of the air families, the water family's temperature and viscosity factors.
double RelativeFactor(const AirRating& r, double /*inlet*/, double viscosity) {
    return (1 - 0.00065 * viscosity) / (1 - 0.00065 * r.Cst());
}
double RelativeFactor(const WaterCooled& r, double inlet, double viscosity) {
    return TemperatureCorrection(r.WaterTempC(), inlet) * (1000 / (1000 + viscosity)) /
           (TemperatureCorrection(r.WaterTempC(), r.InletTempC()) * (1000 / (1000 + r.Cst())));
}
double CoolantOf(const AirRating& r) { return r.AirTempC(); }
double CoolantOf(const WaterCooled& r) { return r.WaterTempC(); }
double ViscosityShown(const AirRating& r) { return r.CorrectedVoC(); }
double ViscosityShown(const WaterCooled& r) { return r.CorrectedViscosity(); }

// The inlet temperature at which the selected model carries the heat load at the viscosity of its
// mean oil temperature, between the coolant and the desired inlet where it has a margin, else above
// the desired inlet up to the end of the viscosity table; nothing where there is none.
template <class Rating>
double SolvedInlet(const Rating& r, int grade) {
    const double q = r.HeatLoadKw(), ta = CoolantOf(r), p = r.SelectedPerformance();
    const double drop = q * kOilLpmPerKwC / r.OilFlowL();
    const auto excess = [&](double t) {
        const double v = Functions::ViscosityAtTemp(database, t - drop / 2, grade);
        return p * RelativeFactor(r, t, v) * (t - ta) - q;
    };
    try {
        double low = ta, high = r.InletTempC(), fLow = -q, fHigh = excess(high);
        if (fHigh < 0) {
            low = high;
            fLow = fHigh;
            high = Functions::kViscosityTableHottest + drop / 2;
            if (!(high > low)) return kNone;
            fHigh = excess(high);
        }
        if (!(fLow <= 0 && fHigh >= 0)) return kNone;
        return FindRoot(excess, low, fLow, high, fHigh, 1e-10);
    } catch (const vb::RuntimeError&) {
        return kNone;
    }
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return text;
}

template <class Rating>
void RateAndWrite(Rating& r, const char* family, int seed, int duty, int step, int grade) {
    std::string outcome = "rated", refusal;
    try {
        r.Recalculate();
    } catch (const RatingError& e) {
        outcome = "refused";
        refusal = OneLine(e.Description());
    }
    const bool rated = outcome == "rated";
    const double q = r.HeatLoadKw();
    const double implied = rated ? (r.CorrectedInletTempC() - r.CorrectedExitOilTemp()) * r.OilFlowL() / kOilLpmPerKwC : kNone;
    std::printf("%s\t%d\t%d\t%d\t%d\t%s\t%.17g\t%s\t%.17g\t%.17g\t%.17g\t%.17g\t%.17g\t%.17g\t%s\n", family, seed, duty, step,
                grade, OneLine(r.CoolerName()).c_str(), r.PercentHTMargin(), outcome.c_str(),
                rated ? r.CorrectedInletTempC() : kNone, rated ? r.CorrectedExitOilTemp() : kNone,
                rated ? ViscosityShown(r) : kNone, rated ? r.PressureDrop() : kNone, rated ? implied / q - 1 : kNone,
                SolvedInlet(r, grade), refusal.c_str());
}

// The search's model when it is shown, then up to three others from its list, as a user picks them.
template <class Rating>
void Survey(const char* family, const DocumentDuties& duties, int seed, int count,
            double (*handOver)(Rating&, Spread&, Duty&, const UnitCodes&)) {
    Spread s(duties.seed * 1000 + static_cast<std::uint64_t>(seed));
    for (int i = 0; i < count; ++i) {
        Duty d = duties.Next(s, i);
        Rating r(database);
        HandOver(r, d, UnitsOf(i));
        handOver(r, s, d, UnitsOf(i));
        try {
            r.FindCooler();
            if (!r.OutOfRange()) RateAndWrite(r, family, seed, i, 0, d.grade);
            const auto list = r.ListOfSuitableCoolers();
            const int entries = static_cast<int>(list.Rows()) - 1;
            std::set<int> chosen;
            for (int step = 1; step <= 3 && static_cast<int>(chosen.size()) < entries; ++step) {
                int row = 1 + s.Below(entries);
                while (chosen.count(row)) row = 1 + row % entries;
                chosen.insert(row);
                r.SetCoolerID(static_cast<std::int32_t>(vb::Val(list.At(1, static_cast<std::size_t>(row)))));
                RateAndWrite(r, family, seed, i, step, d.grade);
            }
        } catch (const vb::RuntimeError& e) {
            std::printf("%s\t%d\t%d\t-1\t%d\t\t\terror\t\t\t\t\t\t\t%s\n", family, seed, i, d.grade, OneLine(e.Description()).c_str());
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int seeds = argc > 1 ? std::atoi(argv[1]) : 6;
    const int count = argc > 2 ? std::atoi(argv[2]) : 2400;
    if (argc > 3) database = argv[3];
    std::printf("family\tseed\tduty\tstep\tgrade\tmodel\tmargin\toutcome\tinlet\texit\tviscosity\tpressure_drop\tbalance\t"
                "solved_inlet\trefusal\n");
    for (int seed = 1; seed <= seeds; ++seed) {
        Survey<AirCooled>("air", kAirDuties, seed, count, HandOverAir<AirCooled>);
        Survey<Mobile>("mobile", kMobileDuties, seed, count, HandOverMobile<Mobile>);
        Survey<WaterCooled>("water", kWaterDuties, seed, count, HandOverWater<WaterCooled>);
    }
    return 0;
}
