#pragma once

#include "vb/export.h"

#include <filesystem>

namespace vb {

// The folders of the user running the program, where it keeps what is the user's own and no other
// user may plant or read. Each is empty when the user has none that can be named.

// HOME when it names a folder by its full path, else the home folder of the user's account.
VB_API std::filesystem::path HomeFolder();
// XDG_CONFIG_HOME when it names a folder by its full path, else ".config" in the home folder.
VB_API std::filesystem::path ConfigurationFolder();
// XDG_CACHE_HOME when it names a folder by its full path, else ".cache" in the home folder.
VB_API std::filesystem::path CacheFolder();
// XDG_RUNTIME_DIR when it names a folder by its full path; empty otherwise.
VB_API std::filesystem::path RuntimeFolder();

}  // namespace vb
