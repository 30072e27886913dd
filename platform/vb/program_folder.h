#pragma once

#include "vb/export.h"

#include <filesystem>

namespace vb {

// The folder of the running program file, where the program finds its cooler database, help page
// and temporary drawing files. Tests and tools that run the program's code from elsewhere point it
// at a folder of their own with SetProgramFolder.
VB_API std::filesystem::path ProgramFolder();
VB_API void SetProgramFolder(const std::filesystem::path& folder);

}  // namespace vb
