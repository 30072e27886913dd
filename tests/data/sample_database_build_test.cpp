// The build's placing of the sample database in the program folder, through the tool the build
// runs: the program folder's quellmar.mdb is where maintainers keep their edits.
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using quellmar::test::TempFolder;

// One value that the query reads, or the error text.
std::string Value(const fs::path& database, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string value = "(no value)";
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        char* error = nullptr;
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) = values[0] ? values[0] : "(null)";
                return 0;
            },
            &value, &error);
        if (error) value = error;
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return value;
}

std::string Version(const fs::path& database) {
    return Value(database, "SELECT vcValue FROM dbAttributes WHERE vcAttribute = 'version'");
}

// A copy of the data folder that the test changes, and the program folder the build writes into.
class SampleDatabaseBuild : public ::testing::Test {
protected:
    SampleDatabaseBuild() {
        fs::copy(QUELLMAR_DATA_DIR, data.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    // What the build prints when it runs the tool.
    std::string Build() const {
        int status = 0;
        const std::string output = quellmar::test::CommandOutput(
            "'" BUILD_DATABASE_TOOL "' '" + data.Path().string() + "' '" + Target().string() + "' '" +
                (build / "quellmar.mdb.built").string() + "' 2>&1",
            status);
        EXPECT_EQ(status, 0) << output;
        return output;
    }
    // A change under data/: a new model file that sets the sample's version.
    void ChangeData(const std::string& version) const {
        std::ofstream(data / "models" / "zz_version.sql")
            << "UPDATE dbAttributes SET vcValue = '" << version << "' WHERE vcAttribute = 'version';\n";
    }
    fs::path Target() const { return program / "quellmar.mdb"; }
    fs::path Sample() const { return program / "quellmar-sample.mdb"; }

    TempFolder data, program, build;
};

TEST_F(SampleDatabaseBuild, AnEditedDatabaseSurvivesARebuildAfterAChangeUnderData) {
    EXPECT_NE(Build().find("Wrote the sample cooler database " + Target().string()), std::string::npos);
    EXPECT_EQ(Value(Target(), "UPDATE dbAttributes SET vcValue = 'edited' WHERE vcAttribute = 'version'"), "(no value)");

    ChangeData("2.0");
    const std::string said = Build();
    EXPECT_NE(said.find("Kept " + Target().string()), std::string::npos) << said;
    EXPECT_NE(said.find(Sample().string()), std::string::npos) << said;
    EXPECT_EQ(Version(Target()), "edited");
    EXPECT_EQ(Version(Sample()), "2.0");

    // Nothing new to say while nothing changes; the next change renews the sample only.
    EXPECT_EQ(Build(), "");
    ChangeData("3.0");
    EXPECT_NE(Build().find("Kept "), std::string::npos);
    EXPECT_EQ(Version(Target()), "edited");
    EXPECT_EQ(Version(Sample()), "3.0");

    // Moved over the edited one, the sample is the build's own again and follows the data.
    fs::rename(Sample(), Target());
    ChangeData("4.0");
    EXPECT_NE(Build().find("Wrote"), std::string::npos);
    EXPECT_EQ(Version(Target()), "4.0");
    EXPECT_FALSE(fs::exists(Sample()));
}

TEST_F(SampleDatabaseBuild, TheBuildsOwnDatabaseFollowsTheDataAndIsMadeAgainWhenRemoved) {
    Build();
    EXPECT_EQ(Value(Target(), "PRAGMA journal_mode"), "delete") << "readable without files beside it";
    EXPECT_EQ(Build(), "");
    ChangeData("2.0");
    EXPECT_NE(Build().find("Wrote"), std::string::npos);
    EXPECT_EQ(Version(Target()), "2.0");
    fs::remove(Target());
    EXPECT_NE(Build().find("Wrote"), std::string::npos);
    EXPECT_EQ(Version(Target()), "2.0");
    EXPECT_FALSE(fs::exists(Sample()));
}

TEST_F(SampleDatabaseBuild, ADatabaseTheBuildDidNotWriteIsKeptAndLosesOnlyItsWriteAheadLog) {
    // As an earlier build left it, and then edited: no record of it, in write-ahead-log mode.
    Build();
    fs::remove(build / "quellmar.mdb.built");
    EXPECT_EQ(Value(Target(), "PRAGMA journal_mode = WAL"), "wal");
    Value(Target(), "UPDATE dbAttributes SET vcValue = 'edited' WHERE vcAttribute = 'version'");

    const std::string said = Build();
    EXPECT_NE(said.find("Kept " + Target().string()), std::string::npos) << said;
    EXPECT_NE(said.find("rollback journal"), std::string::npos) << said;
    EXPECT_EQ(Version(Target()), "edited");
    EXPECT_EQ(Value(Target(), "PRAGMA journal_mode"), "delete");
    EXPECT_FALSE(fs::exists(fs::path(Target()) += "-wal"));
}

}  // namespace
