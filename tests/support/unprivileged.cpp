#include "unprivileged.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace quellmar::test {

namespace fs = std::filesystem;

bool RunAsSuperuser() { return ::geteuid() == 0; }

std::string AsUnprivilegedUser(const std::string& command) {
    if (!RunAsSuperuser()) return command;
    return "setpriv --reuid=nobody --regid=nogroup --clear-groups " + command;
}

std::string AsUser(unsigned user, const std::string& command, const std::string& groups) {
    const std::string id = std::to_string(user);
    return "setpriv --reuid=" + id + " --regid=" + id + (groups.empty() ? " --clear-groups " : " --groups=" + groups + " ") +
           command;
}

bool RanAsUnprivilegedUser() {
    static const char* const kSecondRun = "QUELLMAR_UNPRIVILEGED";
    if (!RunAsSuperuser() || std::getenv(kSecondRun)) return false;
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test.test_suite_name()) + "." + test.name();
    // The superuser's runtime folder is closed to the other user: the test's main makes one of its own.
    const std::string command = AsUnprivilegedUser("env -u XDG_RUNTIME_DIR " + std::string(kSecondRun) + "=1 '" +
                                                   fs::read_symlink("/proc/self/exe").string() + "' '--gtest_filter=" +
                                                   name + "' 2>&1");
    int status = 0;
    const std::string output = CommandOutput(command, status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("[       OK ] " + name), std::string::npos) << output;
    return true;
}

std::string CommandOutput(const std::string& command, int& status) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return output;
    }
    std::array<char, 4096> buffer{};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), got);
    const int raw = ::pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

void OpenToEveryone(const fs::path& folder) {
    fs::permissions(folder, fs::perms::others_read | fs::perms::others_exec | fs::perms::group_read | fs::perms::group_exec,
                    fs::perm_options::add);
}

namespace {

void ChangeTree(const fs::path& folder, fs::perms permissions, fs::perm_options change) {
    std::error_code ignored;
    fs::permissions(folder, permissions, change, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored))
        fs::permissions(entry.path(), permissions, change, ignored);
}

}  // namespace

WriteProtectedTree::WriteProtectedTree(fs::path folder) : folder_(std::move(folder)) {
    ChangeTree(folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
}

WriteProtectedTree::~WriteProtectedTree() { ChangeTree(folder_, fs::perms::owner_write, fs::perm_options::add); }

}  // namespace quellmar::test
