#include "com/text_file.h"

#include "vb/error.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

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
    std::error_code error;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    auto temporary = file;
    temporary += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.close();
        if (!out) {
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
