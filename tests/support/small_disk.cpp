#include "small_disk.h"

#include "file_size_limit.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <linux/capability.h>
#include <map>
#include <optional>
#include <sched.h>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quellmar::test {

namespace {

bool WriteProcFile(const char* name, const std::string& text) {
    const int fd = ::open(name, O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (fd >= 0) ::close(fd);
    return written;
}

// The user and group keep their numbers inside, so the tests' view of who runs them stays true
// (a map to root would make geteuid() 0). Files made on the new disk need a mapped owner.
bool EnterUserNamespace() {
    const std::string user = std::to_string(::geteuid()), group = std::to_string(::getegid());
    return ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && WriteProcFile("/proc/self/setgroups", "deny") &&
           WriteProcFile("/proc/self/uid_map", user + " " + user + " 1") &&
           WriteProcFile("/proc/self/gid_map", group + " " + group + " 1");
}

// The namespace's maker holds every capability in it, and these reach the user's own files: with
// CAP_DAC_OVERRIDE a test of what permissions stop would pass or fail for the wrong reason.
bool DropCapabilities() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    return ::syscall(SYS_capset, &header, none) == 0;
}

}  // namespace

bool MountSmallDisk(const std::filesystem::path& folder, std::size_t bytes) {
    const bool superuser = RunAsSuperuser();
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    return (superuser ? ::unshare(CLONE_NEWNS) == 0 : EnterUserNamespace()) &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0 && (superuser || DropCapabilities());
}

void FillUp(const std::filesystem::path& folder) {
    const int fd = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const std::vector<char> block(512, 'f');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    for (char byte = 'f'; fd >= 0 && ::write(fd, &byte, 1) == 1;) {
    }
    if (fd >= 0) ::close(fd);
}

namespace {

std::map<std::string, std::string> Contents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        contents[entry.path().filename().string()] = bytes.str();
    }
    return contents;
}

// Why a child of this process gets no small disk on `folder`; empty when it does. Tried in a
// forked child, which runs one thread alone, as a death test's fresh process does at first.
std::string NoSmallDisk(const std::filesystem::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(MountSmallDisk(folder, 64 * 1024) ? 0 : errno);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return "the trial mount did not end";
    if (WEXITSTATUS(status) == 0) return {};
    return std::string("the process may mount none, neither as the superuser nor in a user namespace of its own (") +
           std::strerror(WEXITSTATUS(status)) + ")";
}

// The death test's statement: exits with 0 when nothing was wrong, else says what on the error
// stream.
[[noreturn]] void WithNoRoom(const NoRoom& room, const std::filesystem::path& file,
                             const std::function<std::string()>& failing) {
    const std::filesystem::path folder = file.parent_path();
    if (room.fullDisk && !MountSmallDisk(folder, 64 * 1024)) {
        std::cerr << "cannot mount a small disk: " << std::strerror(errno) << "\n";
        std::_Exit(2);
    }
    std::ofstream(file, std::ios::binary) << "%PDF-1.4 an old print\n";
    std::optional<FileSizeLimit> limit;
    if (room.fullDisk)
        FillUp(folder);
    else
        limit.emplace(1024);
    const auto kept = Contents(folder);
    std::string wrong = failing();
    if (Contents(folder) != kept) wrong += "the folder's files changed\n";
    std::cerr << wrong;
    std::_Exit(wrong.empty() ? 0 : 1);
}

}  // namespace

void ExpectNoRoomChangesNothing(const NoRoom& room, const std::filesystem::path& file,
                                const std::function<std::string()>& failing) {
    if (room.fullDisk) {
        if (const std::string why = NoSmallDisk(file.parent_path()); !why.empty())
            GTEST_SKIP() << "no small disk to fill: " << why;
    }
    EXPECT_EXIT(WithNoRoom(room, file, failing), ::testing::ExitedWithCode(0), "");
}

}  // namespace quellmar::test
