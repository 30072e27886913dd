// The build's placing of the sample database in the program folder, through the tool the build
// runs: the program folder's quellmar.mdb is where maintainers keep their edits.
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

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

    // What the build prints when it is interrupted at `point` (see build_interruptions.cpp); a
    // build that stops there has `whileStopped` run before it goes on.
    std::string BuildInterrupted(const char* point, const std::function<void()>& whileStopped = {}) const {
        const fs::path said = output / "said.txt";
        const std::string record = (build / "quellmar.mdb.built").string();
        const pid_t tool = ::fork();
        if (tool == 0) {
            const int out = ::open(said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(out, 2);
            ::setenv("LD_PRELOAD", BUILD_INTERRUPTIONS, 1);
            ::setenv("QUELLMAR_TEST_INTERRUPT", point, 1);
            ::execl(BUILD_DATABASE_TOOL, BUILD_DATABASE_TOOL, data.Path().c_str(), Target().c_str(), record.c_str(), nullptr);
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(tool, &status, WUNTRACED);
        if (WIFSTOPPED(status)) {
            if (whileStopped) whileStopped();
            ::kill(tool, SIGCONT);
            ::waitpid(tool, &status, 0);
        }
        std::ifstream in(said);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempFolder data, program, build, output;
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

TEST_F(SampleDatabaseBuild, AnEditMadeWhileTheBuildRunsIsKept) {
    Build();
    ChangeData("2.0");
    const std::string said = BuildInterrupted("pause-building", [&] {
        Value(Target(), "UPDATE dbAttributes SET vcValue = 'edited meanwhile' WHERE vcAttribute = 'version'");
    });
    EXPECT_NE(said.find("Kept " + Target().string()), std::string::npos) << said;
    EXPECT_EQ(Version(Target()), "edited meanwhile");
    EXPECT_EQ(Version(Sample()), "2.0");
    EXPECT_EQ(quellmar::test::Listing(program.Path()), (std::set<std::string>{"quellmar.mdb", "quellmar-sample.mdb"}));
}

TEST_F(SampleDatabaseBuild, ABuildEndedPartWayLeavesNothingAndItsDatabaseIsNeverTakenForAnEditedOne) {
    Build();
    ChangeData("2.0");
    BuildInterrupted("end-after-placing");
    EXPECT_EQ(Version(Target()), "2.0");
    EXPECT_EQ(Build(), "") << "the database the ended build placed is its own and up to date";

    ChangeData("3.0");
    BuildInterrupted("end-before-placing");
    EXPECT_EQ(Version(Target()), "2.0");
    EXPECT_EQ(quellmar::test::Listing(program.Path()).size(), 2u) << "the new database, not yet in place";
    EXPECT_NE(Build().find("Wrote the sample cooler database"), std::string::npos);
    EXPECT_EQ(Version(Target()), "3.0");

    // What builds ended in the middle of writing leave: databases with their journals, a record.
    for (const char* name : {"quellmar.mdb.tmp-a1B2c3", "quellmar.mdb.tmp-a1B2c3-journal", "quellmar-sample.mdb.tmp-Zz9Yy8"})
        std::ofstream(program / name) << "left";
    std::ofstream(build / "quellmar.mdb.built.tmp-Q0w9E8") << "left";
    std::ofstream(program / "quellmar.mdb.backup") << "the maintainer's own copy";
    EXPECT_EQ(Build(), "");
    EXPECT_EQ(quellmar::test::Listing(program.Path()), (std::set<std::string>{"quellmar.mdb", "quellmar.mdb.backup"}));
    EXPECT_EQ(quellmar::test::Listing(build.Path()), std::set<std::string>{"quellmar.mdb.built"});
}

}  // namespace
