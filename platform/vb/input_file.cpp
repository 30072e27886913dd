#include "vb/input_file.h"

#include "vb/error.h"
#include "vb/file_kind.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {
namespace {

[[noreturn]] void Refuse(const std::string& reason) { throw RuntimeError(kErrPathFileAccess, reason); }

[[noreturn]] void RefuseErrno(int error) { Refuse(std::strerror(error)); }

}  // namespace

InputFile::InputFile(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) RefuseErrno(errno);
    if (const char* refusal = KindRefusal(info.st_mode); *refusal) Refuse(refusal);
    // Opened without waiting, and looked at again through the descriptor, in case the name was
    // given to a pipe or device in between.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) RefuseErrno(errno);
    if (::fstat(fd_, &info) != 0 || *KindRefusal(info.st_mode)) {
        const int error = errno;
        const std::string refusal = KindRefusal(info.st_mode);
        ::close(fd_);
        fd_ = -1;
        if (refusal.empty()) RefuseErrno(error);
        Refuse(refusal);
    }
    size_ = static_cast<std::int64_t>(info.st_size);
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t InputFile::Read(char* buffer, std::size_t count) {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, count);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) RefuseErrno(errno);
    }
}

std::string InputFile::ReadUpTo(std::size_t most) {
    std::string bytes;
    bytes.resize(std::min(most, static_cast<std::size_t>(size_)));
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            // The file may have grown since it was opened.
            if (bytes.size() >= most) break;
            bytes.resize(std::min(most, bytes.size() + (std::size_t{1} << 16)));
        }
        const std::size_t got = Read(bytes.data() + filled, bytes.size() - filled);
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace vb
