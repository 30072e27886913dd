#pragma once

#include "vb/export.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vb {

// A file the user chose, opened for reading only when it is a regular file. A folder, a named
// pipe, a device or a socket is refused by its kind before anything opens it: opening a pipe or a
// terminal for reading could wait for ever. Failures raise a RuntimeError whose description says
// why, in words for the user ("No such file or directory", "This is a folder, not a file.").
class VB_API InputFile {
public:
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The length in bytes when it was opened.
    std::int64_t Size() const noexcept { return size_; }
    // Reads up to `count` bytes; 0 at the end of the file.
    std::size_t Read(char* buffer, std::size_t count);
    // Reads until the end of the file, but no more than `most` bytes.
    std::string ReadUpTo(std::size_t most);

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
};

}  // namespace vb
