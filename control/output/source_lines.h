#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace tiraq {

// Reads a text file one line at a time by the runtime's line rule: a line ends at CR, an LF
// right after the CR belongs to the line end, a bare LF is part of the line, and a last line
// without CR is still a line. Only one buffer of the file is held at a time.
class SourceLines {
public:
    explicit SourceLines(const std::filesystem::path& path);
    ~SourceLines();
    SourceLines(const SourceLines&) = delete;
    SourceLines& operator=(const SourceLines&) = delete;

    // The next line without its line end; false at the end of the file.
    bool Next(std::string& line);

private:
    // The next byte, or -1 at the end of the file.
    int Get();
    int Peek();

    std::FILE* file_ = nullptr;
    char buffer_[1 << 16];
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
};

}  // namespace tiraq
