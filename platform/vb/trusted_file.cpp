#include "vb/trusted_file.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace vb {
namespace fs = std::filesystem;
namespace {

std::vector<char> LookupBuffer() {
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    return std::vector<char>(size > 16384 ? static_cast<std::size_t>(size) : 16384);
}

std::string UserName(uid_t uid) {
    std::vector<char> buffer = LookupBuffer();
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->pw_name;
    return "number " + std::to_string(uid);
}

std::string GroupName(gid_t gid) {
    std::vector<char> buffer = LookupBuffer();
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) return found->gr_name;
    return "number " + std::to_string(gid);
}

// The user's private group: the primary group of the user's account, named like the user, with no
// other member. Files made with a group-writable mask in it are still only the user's.
bool IsPrivateGroup(gid_t gid) {
    const uid_t user = ::geteuid();
    std::vector<char> userBuffer = LookupBuffer();
    passwd account{};
    passwd* foundUser = nullptr;
    if (::getpwuid_r(user, &account, userBuffer.data(), userBuffer.size(), &foundUser) != 0 || foundUser == nullptr ||
        foundUser->pw_gid != gid)
        return false;
    std::vector<char> groupBuffer = LookupBuffer();
    group entry{};
    group* foundGroup = nullptr;
    if (::getgrgid_r(gid, &entry, groupBuffer.data(), groupBuffer.size(), &foundGroup) != 0 || foundGroup == nullptr)
        return false;
    if (std::strcmp(foundGroup->gr_name, foundUser->pw_name) != 0) return false;
    for (char** member = foundGroup->gr_mem; member != nullptr && *member != nullptr; ++member)
        if (std::strcmp(*member, foundUser->pw_name) != 0) return false;
    return true;
}

// Why this one step of the path is not trusted; empty when it is.
std::string StepRefusal(const fs::path& step, bool last) {
    struct stat info {};
    if (::lstat(step.c_str(), &info) != 0) return step.string() + ": " + std::strerror(errno);
    if (info.st_uid != ::geteuid() && info.st_uid != 0)
        return step.string() + " belongs to the user " + UserName(info.st_uid) + ", who is neither you nor root";
    // Beneath a sticky folder others may add names but not replace the ones that are not theirs.
    if (!last && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX)) return {};
    if (info.st_mode & S_IWOTH) return step.string() + " may be changed by every user";
    if ((info.st_mode & S_IWGRP) && !IsPrivateGroup(info.st_gid))
        return step.string() + " may be changed by the users of the group " + GroupName(info.st_gid);
    return {};
}

}  // namespace

Trust TrustOf(const fs::path& path) {
    Trust trust;
    std::error_code error;
    trust.resolved = fs::canonical(path, error);
    if (error) {
        trust.refusal = path.string() + ": " + error.message();
        return trust;
    }
    fs::path step = trust.resolved.root_path();
    const auto last = std::prev(trust.resolved.end());
    trust.refusal = StepRefusal(step, trust.resolved == step);
    for (auto part = std::next(trust.resolved.begin()); trust.refusal.empty() && part != trust.resolved.end(); ++part) {
        step /= *part;
        trust.refusal = StepRefusal(step, part == last);
    }
    return trust;
}

}  // namespace vb
