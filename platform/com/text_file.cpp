#include "com/text_file.h"

#include "vb/error.h"
#include "vb/replacing_file.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace com {
namespace {

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
