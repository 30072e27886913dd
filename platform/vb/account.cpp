#include "vb/account.h"

#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace vb {
namespace {

// Runs a reentrant lookup with a buffer that grows until the entry fits.
template <typename Entry, typename Lookup>
const Entry* Looked(Entry& entry, std::vector<char>& buffer, Lookup lookup) {
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    buffer.resize(suggested > 16384 ? static_cast<std::size_t>(suggested) : 16384);
    for (;;) {
        Entry* found = nullptr;
        const int error = lookup(&entry, buffer.data(), buffer.size(), &found);
        if (error != ERANGE) return error == 0 ? found : nullptr;
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::optional<Account> AccountOf(uid_t user) {
    passwd entry{};
    std::vector<char> buffer;
    const passwd* found = Looked(entry, buffer, [user](passwd* e, char* b, std::size_t n, passwd** f) {
        return ::getpwuid_r(user, e, b, n, f);
    });
    if (found == nullptr) return std::nullopt;
    return Account{found->pw_name, found->pw_dir != nullptr ? found->pw_dir : "", found->pw_gid};
}

std::optional<Group> GroupOf(gid_t group) {
    ::group entry{};
    std::vector<char> buffer;
    const ::group* found = Looked(entry, buffer, [group](::group* e, char* b, std::size_t n, ::group** f) {
        return ::getgrgid_r(group, e, b, n, f);
    });
    if (found == nullptr) return std::nullopt;
    Group result{found->gr_name, {}};
    for (char** member = found->gr_mem; member != nullptr && *member != nullptr; ++member) result.members.emplace_back(*member);
    return result;
}

}  // namespace vb
