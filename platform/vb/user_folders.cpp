#include "vb/user_folders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace vb {
namespace fs = std::filesystem;
namespace {

// A variable's folder; relative ones are ignored, as the desktop's base-folder rules ask.
fs::path FromVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return {};
    const fs::path folder(value);
    return folder.is_absolute() ? folder : fs::path();
}

fs::path AccountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return {};
    const fs::path home(found->pw_dir);
    return home.is_absolute() ? home : fs::path();
}

fs::path InHome(const char* variable, const char* folder) {
    if (fs::path named = FromVariable(variable); !named.empty()) return named;
    const fs::path home = HomeFolder();
    return home.empty() ? home : home / folder;
}

}  // namespace

fs::path HomeFolder() {
    if (fs::path home = FromVariable("HOME"); !home.empty()) return home;
    return AccountHome();
}

fs::path ConfigurationFolder() { return InHome("XDG_CONFIG_HOME", ".config"); }

fs::path CacheFolder() { return InHome("XDG_CACHE_HOME", ".cache"); }

fs::path RuntimeFolder() { return FromVariable("XDG_RUNTIME_DIR"); }

}  // namespace vb
