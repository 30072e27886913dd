#include "vb/user_folders.h"

#include "vb/account.h"

#include <cstdlib>
#include <unistd.h>

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
    const auto account = AccountOf(::geteuid());
    return account && account->home.is_absolute() ? account->home : fs::path();
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
