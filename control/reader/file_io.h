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

    // The next line without its line end; false at the end of the file. A line is good until the
    // call after next, so that a copy holding one line back need not copy it.
    bool Next(std::string_view& line);

private:
    // Moves what is not yet read to the front of a piece, making room for a line longer than the
    // piece, and reads on; at the end of the file, marks it. The first time in a call, that is the
    // other piece, since the line returned before lies in this one.
    void ReadOn(bool firstInCall);

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    std::string buffer_, lastPiece_;
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
};

// Whether two names lead to one file (the same name, or another spelling of an existing file).
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tiraq
