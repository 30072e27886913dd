#include "output/source_lines.h"

#include "vb/error.h"

#include <cerrno>

namespace tiraq {

SourceLines::SourceLines(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "rb")) {
    if (file_ == nullptr) throw vb::FileError(errno);
}

SourceLines::~SourceLines() { std::fclose(file_); }

int SourceLines::Peek() {
    if (pos_ == size_) {
        size_ = std::fread(buffer_, 1, sizeof buffer_, file_);
        pos_ = 0;
        // A folder opens but does not read.
        if (size_ == 0 && std::ferror(file_)) throw vb::FileError(errno == 0 ? EIO : errno);
        if (size_ == 0) return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

int SourceLines::Get() {
    const int c = Peek();
    if (c >= 0) ++pos_;
    return c;
}

bool SourceLines::Next(std::string& line) {
    line.clear();
    int c = Get();
    if (c < 0) return false;
    while (c >= 0 && c != '\r') {
        line += static_cast<char>(c);
        c = Get();
    }
    if (c == '\r' && Peek() == '\n') Get();
    return true;
}

}  // namespace tiraq
