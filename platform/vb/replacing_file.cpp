#include "vb/replacing_file.h"

#include "vb/file_kind.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {
namespace {

namespace fs = std::filesystem;

// As many links as the system follows in one name.
constexpr int kMostLinks = 40;

// The file a name leads to: links followed to their end, also one that leads to no file yet, so
// that the link itself stays.
fs::path LinkedFile(fs::path path) {
    std::error_code error;
    for (int depth = 0; depth < kMostLinks && fs::is_symlink(path, error); ++depth) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = path.parent_path() / next;
    }
    return path;
}

// Gives the new file the replaced file's permissions and owner, or the permissions the process
// gives new files. A file system that keeps no permissions refuses; the file is written all the same.
void TakeOverPermissions(const fs::path& written, const fs::path& target) {
    struct stat replaced {};
    if (::stat(target.c_str(), &replaced) == 0) {
        // Only a privileged process may give the file back to its owner.
        [[maybe_unused]] const int owned = ::chown(written.c_str(), replaced.st_uid, replaced.st_gid);
        ::chmod(written.c_str(), replaced.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(written.c_str(), 0666 & ~mask);
}

}  // namespace

// Writing, a name whose folder is missing is the runtime's "Path not found".
FileWriteError::FileWriteError(Step step, int error, const std::string& reason)
    : RuntimeError(FileError(error == ENOENT ? ENOTDIR : error)), step_(step), error_(error), reason_(reason) {}

ReplacingFile::ReplacingFile(const fs::path& target, Fallback fallback) : target_(LinkedFile(target)) {
    using Step = FileWriteError::Step;
    // The rename at the end would replace a folder, a device or a write-protected file as readily
    // as any other.
    struct stat info {};
    if (::stat(target_.c_str(), &info) == 0) {
        if (const char* refusal = KindRefusal(info.st_mode); *refusal) throw FileWriteError(Step::Target, EISDIR, refusal);
        if (::access(target_.c_str(), W_OK) != 0) Fail(Step::Target, errno);
    }
    std::string name = fs::path(target_).concat(".XXXXXX").string();
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0 && errno == EACCES && fallback == Fallback::WriteInPlace) {
        inPlace_ = true;
        name = target_.string();
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    }
    if (fd < 0) Fail(Step::Writing, errno);
    written_ = name;
    file_ = ::fdopen(fd, inPlace_ ? "wb" : "w+b");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(fd);
        Fail(Step::Writing, error);
    }
}

ReplacingFile::~ReplacingFile() { Abandon(); }

void ReplacingFile::Abandon() noexcept {
    if (file_ != nullptr) std::fclose(std::exchange(file_, nullptr));
    if (!inPlace_ && !written_.empty()) ::unlink(written_.c_str());
    written_.clear();
}

void ReplacingFile::Fail(FileWriteError::Step step, int error) {
    Abandon();
    throw FileWriteError(step, error, std::strerror(error));
}

void ReplacingFile::Write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail(FileWriteError::Step::Writing, errno);
}

void ReplacingFile::CheckStream() {
    if (std::ferror(file_)) Fail(FileWriteError::Step::Writing, errno == 0 ? EIO : errno);
}

void ReplacingFile::Commit() {
    CheckStream();
    // A failing last write shows only when the buffer is flushed by the close.
    if (std::fclose(std::exchange(file_, nullptr)) != 0) Fail(FileWriteError::Step::Writing, errno);
    if (inPlace_) return;
    TakeOverPermissions(written_, target_);
    if (::rename(written_.c_str(), target_.c_str()) != 0) Fail(FileWriteError::Step::Renaming, errno);
    written_.clear();
}

void ReplaceFile(const fs::path& target, std::string_view bytes, ReplacingFile::Fallback fallback) {
    ReplacingFile file(target, fallback);
    file.Write(bytes);
    file.Commit();
}

}  // namespace vb
