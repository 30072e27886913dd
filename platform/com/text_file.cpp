#include "com/text_file.h"

#include "vb/error.h"
#include "vb/input_file.h"
#include "vb/replacing_file.h"

#include <cerrno>
#include <limits>
#include <sys/stat.h>

namespace com {
namespace {

[[noreturn]] void RaiseAccess(const std::filesystem::path& file, const std::string& what, const std::string& why = {}) {
    throw vb::RuntimeError(vb::kErrPathFileAccess,
                           "Path/File access error: cannot " + what + " " + file.string() + (why.empty() ? "" : ": " + why));
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 && errno == ENOENT) return std::nullopt;
    try {
        vb::InputFile in(file);
        return in.ReadUpTo(std::numeric_limits<std::size_t>::max());
    } catch (const vb::RuntimeError& error) {
        RaiseAccess(file, "read", error.Description());
    }
}

void ReplaceTextFile(const std::filesystem::path& file, const std::string& content) {
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    try {
        vb::ReplaceFile(file, content);
    } catch (const vb::FileWriteError& error) {
        using Step = vb::FileWriteError::Step;
        if (error.At() == Step::Target && error.Number() == vb::kErrPermissionDenied)
            throw vb::RuntimeError(vb::kErrPermissionDenied, "Permission denied: " + file.string() + " is write-protected");
        RaiseAccess(file, error.At() == Step::Writing ? "write" : "replace");
    }
}

}  // namespace com
