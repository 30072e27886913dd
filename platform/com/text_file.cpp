#include "com/text_file.h"

#include "vb/error.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace com {
namespace {

constexpr long kErrPermissionDenied = 70;

[[noreturn]] void RaiseAccess(const std::filesystem::path& file, const std::string& what) {
    throw vb::RuntimeError(vb::kErrPathFileAccess, "Path/File access error: cannot " + what + " " + file.string());
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::error_code error;
        if (!std::filesystem::exists(file, error)) return std::nullopt;
        RaiseAccess(file, "read");
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) RaiseAccess(file, "read");
    return std::move(content).str();
}

void ReplaceTextFile(const std::filesystem::path& file, const std::string& content) {
    std::error_code error;
    // The rename at the end would replace a write-protected file as readily as any other.
    struct stat existing {};
    const bool replacing = ::stat(file.c_str(), &existing) == 0;
    if (replacing && ::access(file.c_str(), W_OK) != 0)
        throw vb::RuntimeError(kErrPermissionDenied, "Permission denied: " + file.string() + " is write-protected");
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    auto temporary = file;
    temporary += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.close();
        // Only a privileged process may give the file back to its owner: for others EPERM is expected.
        const bool kept = !replacing || ((::chown(temporary.c_str(), existing.st_uid, existing.st_gid) == 0 || errno == EPERM) &&
                                         ::chmod(temporary.c_str(), existing.st_mode & 07777) == 0);
        if (!out || !kept) {
            std::filesystem::remove(temporary, error);
            RaiseAccess(file, "write");
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        RaiseAccess(file, "replace");
    }
}

}  // namespace com
