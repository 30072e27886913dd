#include "vb/program_folder.h"

#include <system_error>

namespace vb {
namespace {

std::filesystem::path& Override() {
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

std::filesystem::path ProgramFolder() {
    if (!Override().empty()) return Override();
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

void SetProgramFolder(const std::filesystem::path& folder) { Override() = folder; }

}  // namespace vb
