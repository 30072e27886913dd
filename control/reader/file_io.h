#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tiraq {

// Reads a whole file; a failure is the runtime's error for it ("File not found", "Path not
// found", "Permission denied", ...).
std::string ReadWholeFile(const std::filesystem::path& path);

// Raises the runtime's error for a failed file operation with the given errno value.
[[noreturn]] void RaiseFileError(int errorNumber);

// Whether two names lead to one file (the same name, or another spelling of an existing file).
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// A file that replaces its target only when it is complete: it is written beside the target
// under a temporary name and renamed over it by Commit, so the target never holds half a file.
// Left without Commit (a failure, an exception) the temporary file is removed and the target
// is as it was. Failures raise the runtime's file errors.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::filesystem::path& target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // The open temporary file, for writers that need a stream of their own (seekable).
    std::FILE* Stream() const noexcept { return file_; }
    void Write(std::string_view bytes);
    // Raises the error of a write made straight on Stream() that failed.
    void CheckStream();
    // Closes the temporary file, gives it the target's permissions and renames it over the target.
    void Commit();

private:
    std::filesystem::path target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
};

}  // namespace tiraq
