#include "reader/file_io.h"

#include "reader/error_chain.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace tiraq {

void RaiseFileError(int errorNumber) {
    switch (errorNumber) {
        case ENOENT: throw vb::RuntimeError(kErrFileNotFound, "File not found");
        case ENOTDIR: throw vb::RuntimeError(kErrPathNotFound, "Path not found");
        case EACCES:
        case EPERM:
        case EROFS: throw vb::RuntimeError(kErrPermissionDenied, "Permission denied");
        case EEXIST: throw vb::RuntimeError(kErrFileAlreadyExists, "File already exists");
        case ENOMEM: throw vb::RuntimeError(kErrOutOfMemory, "Out of memory");
        case ENOSPC: throw vb::RuntimeError(61, "Disk full");
        default: throw vb::RuntimeError(75, "Path/File access error");
    }
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) RaiseFileError(errno);
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
    // A folder opens but does not read.
    if (std::ferror(file.get())) RaiseFileError(errno == 0 ? EIO : errno);
    return text;
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

namespace {

// The permissions a replaced file keeps, or those a new file would get.
mode_t ReplacedFileMode(const std::filesystem::path& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::filesystem::path& target) : target_(target) {
    // What an open for output would write to: a folder, a device, a pipe or a write-protected
    // file cannot take the rename at the end, and a link is written through, not replaced.
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) RaiseFileError(EISDIR);
        if (access(target.c_str(), W_OK) != 0) RaiseFileError(errno);
        std::error_code ec;
        if (std::filesystem::is_symlink(target, ec)) {
            const std::filesystem::path linked = std::filesystem::canonical(target, ec);
            if (!ec) target_ = linked;
        }
    }
    const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
    temporary_ = (folder / (target_.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temporary_.data());
    if (fd < 0) RaiseFileError(errno == ENOENT ? ENOTDIR : errno);
    file_ = fdopen(fd, "w+b");
    if (file_ == nullptr) {
        const int error = errno;
        close(fd);
        std::remove(temporary_.c_str());
        RaiseFileError(error);
    }
}

ReplacingFile::~ReplacingFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
        std::remove(temporary_.c_str());
    }
}

void ReplacingFile::Write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) RaiseFileError(errno);
}

void ReplacingFile::CheckStream() {
    if (std::ferror(file_)) RaiseFileError(errno == 0 ? EIO : errno);
}

void ReplacingFile::Commit() {
    CheckStream();
    std::FILE* file = file_;
    file_ = nullptr;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno;
    if (!closed) {
        std::remove(temporary_.c_str());
        RaiseFileError(closeError);
    }
    chmod(temporary_.c_str(), ReplacedFileMode(target_));
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary_.c_str());
        RaiseFileError(error);
    }
}

}  // namespace tiraq
