#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tiraq {

// Reads a whole file; a failure is the runtime's error for it ("File not found", "Path not
// found", "Permission denied", ...).
std::string ReadWholeFile(const std::filesystem::path& path);

// Reads a file a piece at a time by the runtime's line rule (a line ends at CR, an LF right after
// that CR belongs to the line end, a bare LF is part of the line, a last line without CR is still
// a line), so that a writer copying a large drawing neither holds it whole nor waits for all of it
// to be read. Failures are the runtime's errors, as ReadWholeFile raises them.
class FileLines {
public:
    explicit FileLines(const std::filesystem::path& path);

    // The next line without its line end, good until the next call; false at the end of the file.
    bool Next(std::string_view& line);

private:
    // Moves the lines not yet read to the front, making room for a line longer than the buffer,
    // and reads on; at the end of the file, marks it.
    void ReadOn();

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    std::string buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
};

// Whether two names lead to one file (the same name, or another spelling of an existing file).
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tiraq
