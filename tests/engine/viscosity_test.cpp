#include "engine/data_access.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "test_database.h"
#include "vb/program_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using quellmar::engine::Functions::ViscosityAtTemp;
using quellmar::engine::Functions::ViscosityRow;
using quellmar::test::TestDatabase;

// Column n of grade 5 holds (40 - n)^2, so neighbouring columns differ and every value is exact.
class Viscosity : public ::testing::Test {
protected:
    Viscosity() {
        std::string sets;
        for (int c = 0; c < 38; ++c) sets += (c ? ", [" : "[") + std::to_string(c) + "] = " + std::to_string((40 - c) * (40 - c));
        db_.Exec("UPDATE VisTemp SET " + sets + " WHERE OilGrade = 5");
    }
    double At(double t) { return ViscosityAtTemp(db_.Path(), t, 5); }
    TestDatabase db_;
};

TEST_F(Viscosity, ChoosesTheFiveDegreeColumnAtOrBelowAndExtendsBeyondTheTable) {
    EXPECT_DOUBLE_EQ(At(-16), 1600 + 0.2 * (1600 - 1521));
    EXPECT_DOUBLE_EQ(At(-15), 1600);
    EXPECT_DOUBLE_EQ(At(-7.5), 1521 - 0.5 * (1521 - 1444));
    EXPECT_DOUBLE_EQ(At(-0.5), 1444 - 0.9 * (1444 - 1369));  // floor: column 2 (-5 C), not column 3
    EXPECT_DOUBLE_EQ(At(20), 1089);
    EXPECT_DOUBLE_EQ(At(22.4), 1089 - 0.48 * (1089 - 1024));
    EXPECT_DOUBLE_EQ(At(167.5), (16 + 9) / 2.0);
    EXPECT_DOUBLE_EQ(At(170), 9);
    EXPECT_DOUBLE_EQ(At(172.5), 16 - 1.5 * (16 - 9));
    // The row read once gives the lookup's every value to the bit, on the bundled grades too.
    quellmar::engine::DataAccess data(db_.Path());
    for (const int grade : {0, 5, 9, 11, 14}) {
        const ViscosityRow row(data, grade);
        for (double t = -40; t < 230; t += 0.37)
            EXPECT_EQ(row.At(t), ViscosityAtTemp(db_.Path(), t, grade)) << "grade " << grade << " at " << t;
    }
}

TEST_F(Viscosity, RefusesTemperaturesThatAreNoNumberAndGradesWithoutARow) {
    EXPECT_THROW(At(std::numeric_limits<double>::quiet_NaN()), quellmar::engine::RatingError);
    EXPECT_THROW(At(std::numeric_limits<double>::infinity()), quellmar::engine::RatingError);
    EXPECT_THROW(ViscosityAtTemp(db_.Path(), 40, 15), quellmar::engine::DataError);
    quellmar::engine::DataAccess data(db_.Path());
    EXPECT_THROW(ViscosityRow(data, 15), quellmar::engine::DataError);
    db_.Exec("UPDATE VisTemp SET [12] = NULL WHERE OilGrade = 5");
    EXPECT_THROW(At(41), quellmar::engine::DataError);
    const ViscosityRow row(data, 5);
    EXPECT_THROW(row.At(41), quellmar::engine::DataError);
    EXPECT_EQ(row.At(50), At(50));  // a column it does not need may be empty
    EXPECT_THROW(row.At(std::numeric_limits<double>::quiet_NaN()), quellmar::engine::RatingError);
}

TEST_F(Viscosity, ByDefaultReadsTheDatabaseInTheProgramFolder) {
    const auto saved = vb::ProgramFolder();
    vb::SetProgramFolder(db_.Folder());
    EXPECT_DOUBLE_EQ(ViscosityAtTemp(20, 5), 1089);
    vb::SetProgramFolder(db_.Folder() / "elsewhere");
    EXPECT_THROW(ViscosityAtTemp(20, 5), quellmar::engine::DatabaseError);
    vb::SetProgramFolder(saved);
}

}  // namespace
