#include "vb/trusted_file.h"

#include "vb/account.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vb {
namespace fs = std::filesystem;
namespace {

std::string UserName(uid_t uid) {
    if (const auto account = AccountOf(uid)) return account->name;
    return "number " + std::to_string(uid);
}

std::string GroupName(gid_t gid) {
    if (const auto group = GroupOf(gid)) return group->name;
    return "number " + std::to_string(gid);
}

// The user's private group: the primary group of the user's account, named like the user, with no
// other member. Files made with a group-writable mask in it are still only the user's.
bool IsPrivateGroup(gid_t gid) {
    const auto account = AccountOf(::geteuid());
    if (!account || account->group != gid) return false;
    const auto group = GroupOf(gid);
    return group && group->name == account->name &&
           std::all_of(group->members.begin(), group->members.end(),
                       [&](const std::string& member) { return member == account->name; });
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
    if (!(info.st_mode & S_IWGRP)) return {};
    // With an access control list the group's bits are the most that any user or group it names
    // may do, not what the file's group may do.
    if (::lgetxattr(step.c_str(), "system.posix_acl_access", nullptr, 0) > 0)
        return step.string() + " may be changed by other users through its access control list";
    if (!IsPrivateGroup(info.st_gid)) return step.string() + " may be changed by the users of the group " + GroupName(info.st_gid);
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
