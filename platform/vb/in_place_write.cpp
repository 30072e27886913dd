#include "vb/in_place_write.h"

#include "vb/file_kind.h"
#include "vb/replacing_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vb {
namespace {

using Step = FileWriteError::Step;

// Copies the bytes [from, to) of `source` to the same place in `target`; the system's error, or 0.
int CopyRange(int source, int target, off_t from, off_t to) {
    std::vector<char> buffer(std::size_t{1} << 16);
    while (from < to) {
        const auto wanted = static_cast<std::size_t>(std::min<off_t>(to - from, static_cast<off_t>(buffer.size())));
        const ssize_t got = ::pread(source, buffer.data(), wanted, from);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return got == 0 ? EIO : errno;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::pwrite(target, buffer.data() + done, static_cast<std::size_t>(got - done), from + done);
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return put == 0 ? EIO : errno;
            done += put;
        }
        from += got;
    }
    return 0;
}

// The target, open for writing while it lives.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes it; the system's error of the close, or 0.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

bool CannotReserve(int error) { return error == EOPNOTSUPP || error == ENOSYS || error == EINVAL; }

}  // namespace

void WriteInPlace(const std::filesystem::path& target, int source) {
    struct stat content {};
    if (::fstat(source, &content) != 0) throw FileWriteError(Step::Writing, errno);
    // Opened without creating: the file is there, and in a sticky folder a creating open of
    // another user's file may be refused where a plain one is not. Opened without waiting and
    // without following a link, and looked at again through the descriptor: whoever may change the
    // folder may have given the name to a pipe, a device or a link since the save began.
    Descriptor file(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        const int error = errno;
        struct stat now {};
        if (::lstat(target.c_str(), &now) == 0)
            if (const char* refusal = KindRefusal(now.st_mode); *refusal) throw FileWriteError(Step::Target, EISDIR, refusal);
        throw FileWriteError(Step::Writing, error);
    }
    struct stat old {};
    if (::fstat(file.Get(), &old) != 0) throw FileWriteError(Step::Writing, errno);
    if (const char* refusal = KindRefusal(old.st_mode); *refusal) throw FileWriteError(Step::Target, EISDIR, refusal);

    const off_t size = content.st_size;
    int error = size > 0 ? ::posix_fallocate(file.Get(), 0, size) : 0;
    off_t unchanged = size;  // the new bytes still to write stand before this point
    if (CannotReserve(error) && size > old.st_size) {
        error = CopyRange(source, file.Get(), old.st_size, size);
        unchanged = old.st_size;
    } else if (CannotReserve(error)) {
        error = 0;
    }
    if (error != 0) {
        // What the reservation added is taken away again; the old bytes were never touched.
        struct stat now {};
        if (::fstat(file.Get(), &now) == 0 && now.st_size != old.st_size) {
            [[maybe_unused]] const int cut = ::ftruncate(file.Get(), old.st_size);
        }
        throw FileWriteError(Step::Writing, error);
    }
    error = CopyRange(source, file.Get(), 0, unchanged);
    if (error == 0 && ::ftruncate(file.Get(), size) != 0) error = errno;
    if (const int closed = file.Close(); error == 0) error = closed;
    if (error != 0) throw FileWriteError(Step::Writing, error);
}

}  // namespace vb
