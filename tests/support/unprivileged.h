#pragma once

#include <filesystem>
#include <string>

namespace quellmar::test {

// Whether the tests run as the superuser, whom file permissions do not stop.
bool RunAsSuperuser();

// The shell command that runs `command` as a user whom permissions stop: the user "nobody" when
// the tests run as the superuser, else the user running them.
std::string AsUnprivilegedUser(const std::string& command);

// Numbers that no account of the machine has, for a second user and a group shared by users.
inline constexpr unsigned kSecondUser = 61234;
inline constexpr unsigned kSharedGroup = 61235;
inline constexpr unsigned kNobody = 65534;

// The shell command that runs `command` as the user and group of number `user`, also in the
// further groups `groups` (numbers separated by commas) and in no other. Only the superuser may.
std::string AsUser(unsigned user, const std::string& command, const std::string& groups = "");

// File permissions do not stop the superuser, so a test of what they stop means nothing run by
// it. Run as the superuser, such a test runs itself again as the user "nobody", in a process of
// its own, and passes or fails as that run does: true then, and the caller returns at once. False
// where the test is to run here: not as the superuser, or in that second run.
bool RanAsUnprivilegedUser();

// Runs a shell command and returns what it printed on its standard output; `status` gets its
// exit status.
std::string CommandOutput(const std::string& command, int& status);

// Lets every user read and enter the folder (a temporary folder is the creator's own at first).
void OpenToEveryone(const std::filesystem::path& folder);

// Takes away every write permission from the folder and everything in it while it lives, and gives
// the owner's back at the end, so the folder can be removed.
class WriteProtectedTree {
public:
    explicit WriteProtectedTree(std::filesystem::path folder);
    ~WriteProtectedTree();
    WriteProtectedTree(const WriteProtectedTree&) = delete;
    WriteProtectedTree& operator=(const WriteProtectedTree&) = delete;

private:
    std::filesystem::path folder_;
};

}  // namespace quellmar::test
