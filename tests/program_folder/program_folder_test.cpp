// The program folder as it is shipped: installed by `cmake --install`, copied elsewhere, and
// read-only to the user who runs the program there.
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using quellmar::test::Listing;
using quellmar::test::TempFolder;

// What the probe printed: each step's result, and every message box text.
struct Seen {
    std::map<std::string, std::string> results;
    std::vector<std::string> messages;
    std::string output;

    std::string operator[](const std::string& step) const {
        const auto found = results.find(step);
        return found == results.end() ? "(no result)" : found->second;
    }
};

Seen Parse(const std::string& output) {
    Seen seen;
    seen.output = output;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(": ");
        if (colon == std::string::npos) continue;
        const std::string key = line.substr(0, colon), value = line.substr(colon + 2);
        if (key == "message") seen.messages.push_back(value);
        else seen.results[key] = value;
    }
    return seen;
}

// The file format versions in a database's header: 1 and 1 for a rollback journal, 2 and 2 for a
// write-ahead log, which a reader could not read without files beside it.
std::string JournalVersions(const fs::path& database) {
    std::ifstream in(database, std::ios::binary);
    std::string header(20, '\0');
    in.read(header.data(), 20);
    return header.substr(18, 2);
}

class InstalledProgramFolder : public ::testing::Test {
protected:
    InstalledProgramFolder() { quellmar::test::OpenToEveryone(root.Path()); }

    // Installs the build into a new folder under the test's own and puts the probe in it.
    fs::path Install(const std::string& name) {
        const fs::path folder = root / name;
        int status = 0;
        const std::string log = quellmar::test::CommandOutput(
            "cmake --install '" QUELLMAR_BUILD_DIR "' --prefix '" + folder.string() + "' 2>&1", status);
        EXPECT_EQ(status, 0) << log;
        return folder;
    }
    static void AddProbe(const fs::path& folder) { fs::copy_file(PROGRAM_FOLDER_PROBE, folder / "program_folder_probe"); }

    // Runs the probe's steps in the folder, as a user whom permissions stop when `unprivileged`.
    Seen Probe(const fs::path& folder, const std::string& steps, bool unprivileged = false) const {
        // A clean environment: no registry named from outside, nothing of the build tree.
        std::string command = "env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen HOME=/nonexistent '" +
                              (folder / "program_folder_probe").string() + "' " + steps + " 2>/dev/null";
        int status = 0;
        if (unprivileged) {
            command = quellmar::test::AsUnprivilegedUser(command);
            quellmar::test::CommandOutput(quellmar::test::AsUnprivilegedUser("test -x '" + folder.string() + "'"), status);
            EXPECT_EQ(status, 0) << "the unprivileged user cannot reach " << folder
                                 << "; point TMPDIR at a folder that every user may enter";
        }
        Seen seen = Parse(quellmar::test::CommandOutput(command, status));
        EXPECT_EQ(status, 0) << seen.output;
        return seen;
    }

    TempFolder root;
};

TEST_F(InstalledProgramFolder, AnInstalledFolderHoldsWhatTheProgramNeedsAndNamesItsComponentByItsPlaceThere) {
    const fs::path folder = Install("quellmar");
    EXPECT_EQ(Listing(folder), (std::set<std::string>{"Quellmar_customer", "libTiraq.so", "libquellmar_vb.so",
                                                       "libquellmar_com.so", "libquellmar_drawing.so",
                                                       "libquellmar_gui.so", "components.reg", "quellmar.mdb",
                                                       "Mainhelp.html"}));
    std::ifstream registry(folder / "components.reg");
    const std::string text((std::istreambuf_iterator<char>(registry)), {});
    EXPECT_NE(text.find(" libTiraq.so\n"), std::string::npos) << text;
    EXPECT_EQ(text.find(QUELLMAR_BUILD_DIR), std::string::npos) << text;
}

TEST_F(InstalledProgramFolder, ACopyOfTheInstalledProgramFolderElsewhereCreatesTheComponentAndShowsADrawing) {
    const fs::path installed = Install("first");
    const fs::path copy = root / "elsewhere" / "quellmar";
    fs::create_directories(copy.parent_path());
    quellmar::test::OpenToEveryone(copy.parent_path());
    fs::copy(installed, copy, fs::copy_options::recursive);
    fs::remove_all(installed);
    AddProbe(copy);
    const std::set<std::string> before = Listing(copy);

    const Seen seen = Probe(copy, "search models drawing");
    EXPECT_TRUE(seen["search"].starts_with("selected ")) << seen.output;
    EXPECT_GT(std::atoi(seen["models"].c_str()), 0) << seen.output;
    EXPECT_EQ(seen["component"], (copy / "libTiraq.so").string());
    EXPECT_GT(std::atoi(seen["drawing"].c_str()), 1000) << seen.output;
    EXPECT_TRUE(seen.messages.empty()) << seen.output;
    EXPECT_EQ(Listing(copy), before) << "the search and the drawing leave no file behind";
    EXPECT_EQ(JournalVersions(copy / "quellmar.mdb"), "\x01\x01") << "no connection gave the file a write-ahead log";
}

TEST_F(InstalledProgramFolder, ASearchTheVersionAndAModelListWorkInAReadOnlyFolderAndLeaveNoFileBesideTheDatabase) {
    const fs::path folder = Install("quellmar");
    AddProbe(folder);
    const std::set<std::string> before = Listing(folder);
    const quellmar::test::WriteProtectedTree readOnly(folder);

    const Seen seen = Probe(folder, "search version models write", true);
    EXPECT_TRUE(seen["search"].starts_with("selected ")) << seen.output;
    EXPECT_TRUE(seen["version"].starts_with("Version: ")) << seen.output;
    EXPECT_NE(seen["version"], "Version: unavailable") << seen.output;
    EXPECT_GT(std::atoi(seen["models"].c_str()), 0) << seen.output;
    // Only the version change is refused, with the file and the cause named.
    EXPECT_EQ(seen["write"], "refused") << seen.output;
    ASSERT_EQ(seen.messages.size(), 1u) << seen.output;
    EXPECT_NE(seen.messages[0].find("The cooler database " + (folder / "quellmar.mdb").string() + " cannot be changed: "),
              std::string::npos)
        << seen.messages[0];
    EXPECT_NE(seen.messages[0].find("write-protected"), std::string::npos) << seen.messages[0];
    EXPECT_EQ(Listing(folder), before);
}

TEST_F(InstalledProgramFolder, AChangeInAFolderThatTakesNoNewFileNamesTheFolder) {
    const fs::path folder = Install("quellmar");
    AddProbe(folder);
    const quellmar::test::WriteProtectedTree readOnly(folder);
    // The file itself may be written, but the journal of a change cannot be made beside it.
    fs::permissions(folder / "quellmar.mdb", fs::perms::all, fs::perm_options::add);

    const Seen seen = Probe(folder, "version write", true);
    EXPECT_EQ(seen["write"], "refused") << seen.output;
    ASSERT_EQ(seen.messages.size(), 1u) << seen.output;
    EXPECT_NE(seen.messages[0].find("its folder " + folder.string() + " does not allow new files"), std::string::npos)
        << seen.messages[0];
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The mask of the signals that a running process ignores, or 0 once it has ended.
unsigned long long IgnoredSignals(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("SigIgn:")) return std::stoull(line.substr(7), nullptr, 16);
    return 0;
}

// The program started as a user starts it, with the system's default for every signal, headless.
pid_t StartProgram(const fs::path& folder) {
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const std::string program = (folder / "Quellmar_customer").string();
    char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
    char* const environment[] = {const_cast<char*>("QT_QPA_PLATFORM=offscreen"), const_cast<char*>("HOME=/nonexistent"),
                                 const_cast<char*>("PATH=/usr/bin:/bin"), nullptr};
    pid_t process = 0;
    const int failed = posix_spawn(&process, program.c_str(), nullptr, &attributes, arguments, environment);
    posix_spawnattr_destroy(&attributes);
    return failed ? 0 : process;
}

TEST_F(InstalledProgramFolder, UnderAFileSizeLimitAnEditSaysFileTooLargeAndTheProgramGoesOn) {
    const fs::path folder = Install("quellmar");
    AddProbe(folder);
    const fs::path database = folder / "quellmar.mdb";
    const std::string before = Bytes(database);
    const std::set<std::string> listed = Listing(folder);

    // The version editor's change and the model's drawing, written to a temporary file, are
    // refused in the program's words; the program goes on to search and list the models.
    const Seen seen = Probe(folder, "limit write search drawing models");
    EXPECT_EQ(seen["limit"], "1024 bytes") << seen.output;
    EXPECT_EQ(seen["write"], "refused") << seen.output;
    ASSERT_EQ(seen.messages.size(), 2u) << seen.output;
    EXPECT_EQ(seen.messages[0], "The cooler database " + database.string() +
                                    " cannot be changed: File too large (this session lets a program write files of at "
                                    "most 1024 bytes).");
    EXPECT_TRUE(seen.messages[1].starts_with("Cannot write the temporary drawing file " + folder.string() + "/tmp"))
        << seen.messages[1];
    EXPECT_TRUE(seen.messages[1].ends_with(": File too large")) << seen.messages[1];
    EXPECT_TRUE(seen["search"].starts_with("selected ")) << seen.output;
    EXPECT_EQ(seen["drawing"], "0 pixels") << seen.output;
    EXPECT_GT(std::atoi(seen["models"].c_str()), 0) << seen.output;
    EXPECT_TRUE(Bytes(database) == before) << "the database is as it was";
    EXPECT_EQ(Listing(folder), listed) << "no journal left beside the database";

    // The program itself ignores the signal of the limit from its start.
    constexpr unsigned long long kFileSizeSignal = 1ull << (SIGXFSZ - 1);
    const pid_t program = StartProgram(folder);
    ASSERT_NE(program, 0);
    unsigned long long ignored = 0;
    for (int i = 0; i < 500 && !(ignored & kFileSizeSignal); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ignored = IgnoredSignals(program);
    }
    kill(program, SIGTERM);
    waitpid(program, nullptr, 0);
    EXPECT_TRUE(ignored & kFileSizeSignal) << std::hex << ignored;
}

TEST_F(InstalledProgramFolder, AnEmptyDatabaseFileIsNamedAsNoCoolerDatabaseAndStaysEmpty) {
    const fs::path folder = Install("quellmar");
    AddProbe(folder);
    fs::resize_file(folder / "quellmar.mdb", 0);
    const std::set<std::string> before = Listing(folder);

    const Seen seen = Probe(folder, "search version models");
    EXPECT_EQ(seen["search"], "no cooler");
    EXPECT_EQ(seen["version"], "Version: unavailable");
    EXPECT_EQ(seen["models"], "none, the list closed");
    const std::string why = "The file " + (folder / "quellmar.mdb").string() + " is not a cooler database: it is empty.";
    ASSERT_FALSE(seen.messages.empty()) << seen.output;
    for (const std::string& message : seen.messages) EXPECT_NE(message.find(why), std::string::npos) << message;
    EXPECT_EQ(fs::file_size(folder / "quellmar.mdb"), 0u);
    EXPECT_EQ(Listing(folder), before);
}

}  // namespace
