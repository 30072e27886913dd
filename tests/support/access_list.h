#pragma once

#include "unprivileged.h"

#include <filesystem>
#include <string>
#include <sys/xattr.h>
#include <vector>

namespace quellmar::test {

// A POSIX access control list as the system keeps it: the owner, the user kSecondUser and the
// group may read and write, the mask lets them, others read.
inline std::string AccessList() {
    std::string list;
    const auto add32 = [&](unsigned value) {
        for (int i = 0; i < 4; ++i) list += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    const auto entry = [&](unsigned tag, unsigned permissions, unsigned id) {
        list += static_cast<char>(tag);
        list += '\0';
        list += static_cast<char>(permissions);
        list += '\0';
        add32(id);
    };
    add32(2);
    entry(0x01, 6, 0xffffffff);   // the owner
    entry(0x02, 6, kSecondUser);  // a named user
    entry(0x04, 6, 0xffffffff);   // the group
    entry(0x10, 6, 0xffffffff);   // the mask
    entry(0x20, 4, 0xffffffff);   // others
    return list;
}

inline std::string AccessListOf(const std::filesystem::path& file) {
    std::vector<char> list(256);
    const ssize_t size = ::getxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size());
    return size < 0 ? "(none)" : std::string(list.data(), static_cast<std::size_t>(size));
}

}  // namespace quellmar::test
