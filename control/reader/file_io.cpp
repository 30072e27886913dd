#include "reader/file_io.h"

#include "vb/error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

namespace tiraq {
namespace {

// A folder opens but does not read.
void RaiseReadError(std::FILE* file) {
    if (std::ferror(file)) throw vb::FileError(errno == 0 ? EIO : errno);
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw vb::FileError(errno);
    // Read straight into a string sized from the file's length, so a large drawing is neither
    // copied nor grown while it is read.
    struct stat info {};
    std::string text;
    if (fstat(fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode)) {
        text.resize(static_cast<std::size_t>(info.st_size));
        text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    }
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        text.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    RaiseReadError(file.get());
    return text;
}

FileLines::FileLines(const std::filesystem::path& path)
    : file_(std::fopen(path.c_str(), "rb"), &std::fclose), buffer_(std::size_t{1} << 16, '\0') {
    if (!file_) throw vb::FileError(errno);
}

bool FileLines::Next(std::string_view& line) {
    for (bool firstInCall = true;; firstInCall = false) {
        const char* begin = buffer_.data() + begin_;
        const char* end = buffer_.data() + end_;
        // Lines are short: a plain search finds their ends sooner than memchr.
        const char* cr = std::find(begin, end, '\r');
        // A CR that ends what has been read may have the LF of its line end still to come.
        if (cr != end && (cr + 1 < end || atEnd_)) {
            line = std::string_view(begin, std::size_t(cr - begin));
            begin_ += line.size() + 1;
            if (begin_ < end_ && buffer_[begin_] == '\n') ++begin_;
            return true;
        }
        if (atEnd_) {
            if (begin_ == end_) return false;
            line = std::string_view(begin, end_ - begin_);
            begin_ = end_;
            return true;
        }
        ReadOn(firstInCall);
    }
}

void FileLines::ReadOn(bool firstInCall) {
    if (firstInCall) {
        lastPiece_.resize(buffer_.size());
        std::swap(buffer_, lastPiece_);
        std::memcpy(buffer_.data(), lastPiece_.data() + begin_, end_ - begin_);
    } else {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    }
    end_ -= begin_;
    begin_ = 0;
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_.get());
    end_ += got;
    if (got == 0) {
        RaiseReadError(file_.get());
        atEnd_ = true;
    }
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

}  // namespace tiraq
