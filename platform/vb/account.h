#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vb {

// A user's account and a group as the system's user and group databases name them; nullopt where
// the number has no entry.
struct Account {
    std::string name;
    std::filesystem::path home;
    gid_t group = 0;  // the account's primary group
};
struct Group {
    std::string name;
    std::vector<std::string> members;  // the further members; the primary group's own users are not listed
};

std::optional<Account> AccountOf(uid_t user);
std::optional<Group> GroupOf(gid_t group);

}  // namespace vb
