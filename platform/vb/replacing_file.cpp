#include "vb/replacing_file.h"

#include "vb/file_kind.h"
#include "vb/file_size_signal.h"
#include "vb/in_place_write.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace vb {
namespace {

namespace fs = std::filesystem;
using Step = FileWriteError::Step;

// As many links as the system follows in one name.
constexpr int kMostLinks = 40;
// A temporary name is the target's name, this mark and six random characters.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kRandomCharacters = 6;
constexpr const char* kAccessControlList = "system.posix_acl_access";

std::string ReasonFor(int error) {
    if (error == ENOSPC) return "The disk is full.";
    return std::strerror(error);
}

// The file a name leads to: links followed to their end, also one that leads to no file yet, so
// that the link itself stays. A loop, or a chain longer than the system follows, is refused as the
// system refuses it, not replaced by a file.
fs::path LinkedFile(fs::path path) {
    for (int depth = 0;; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        if (depth == kMostLinks) throw FileWriteError(Step::Target, ELOOP);
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) throw FileWriteError(Step::Target, error.value());
        path = path.parent_path() / next;
    }
}

std::size_t LongestName(const fs::path& folder) {
    const long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : 255;
}

// The temporary names' start: the target's name, cut before a character where a longer one would
// not fit in the folder, and the mark.
std::string TemporaryStart(const fs::path& target) {
    std::string name = target.filename().string();
    const std::size_t room = LongestName(target.parent_path()) - kTemporaryMark.size() - kRandomCharacters;
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    return name + std::string(kTemporaryMark);
}

bool RefusedByFolder(int error) { return error == EACCES || error == EPERM; }

void GiveNewFilePermissions(const fs::path& written) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(written.c_str(), 0666 & ~mask);
}

// Gives the new file what the replaced one is to its users: permissions, owner, group and access
// control list. Only a privileged process may give a file to another owner, and only a member of a
// group may give it that group; false where something could not be given.
bool TakeOverIdentity(const fs::path& written, const fs::path& target, const struct stat& replaced) {
    if (::chown(written.c_str(), replaced.st_uid, replaced.st_gid) != 0) {
        [[maybe_unused]] const int group = ::chown(written.c_str(), static_cast<uid_t>(-1), replaced.st_gid);
    }
    // A file system that keeps no permissions refuses; its files are all alike anyway.
    ::chmod(written.c_str(), replaced.st_mode & 07777);
    bool kept = true;
    const ssize_t size = ::getxattr(target.c_str(), kAccessControlList, nullptr, 0);
    if (size > 0) {
        std::vector<char> list(static_cast<std::size_t>(size));
        const ssize_t got = ::getxattr(target.c_str(), kAccessControlList, list.data(), list.size());
        kept = got > 0 && ::setxattr(written.c_str(), kAccessControlList, list.data(), static_cast<std::size_t>(got), 0) == 0;
    }
    struct stat made {};
    return kept && ::stat(written.c_str(), &made) == 0 && made.st_uid == replaced.st_uid &&
           made.st_gid == replaced.st_gid && (made.st_mode & 07777) == (replaced.st_mode & 07777);
}

}  // namespace

// Writing, a name whose folder is missing is the runtime's "Path not found".
FileWriteError::FileWriteError(Step step, int error, const std::string& reason)
    : RuntimeError(FileError(error == ENOENT ? ENOTDIR : error)), step_(step), error_(error), reason_(reason) {}

FileWriteError::FileWriteError(Step step, int error) : FileWriteError(step, error, ReasonFor(error)) {}

ReplacingFile::ReplacingFile(const fs::path& target, Fallback fallback)
    : target_(LinkedFile(target)), fallback_(fallback) {
    // The program ignores the signal from its start; another host of the drawing component may not.
    IgnoreFileSizeSignal();
    // The rename at the end would replace a folder, a device or a write-protected file as readily
    // as any other.
    struct stat info {};
    if (::stat(target_.c_str(), &info) == 0) {
        if (const char* refusal = KindRefusal(info.st_mode); *refusal) throw FileWriteError(Step::Target, EISDIR, refusal);
        if (::access(target_.c_str(), W_OK) != 0) Fail(Step::Target, errno);
        exists_ = true;
    } else if (errno != ENOENT) {
        Fail(Step::Target, errno);
    }
    std::string name = (target_.parent_path() / TemporaryStart(target_)).string() + std::string(kRandomCharacters, 'X');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) {
        written_ = name;
    } else {
        const int error = errno;
        if (!exists_ || fallback_ != Fallback::WriteInPlace || !RefusedByFolder(error)) Fail(Step::Writing, error);
        // The content is held in memory, in a file of no name, until Commit writes it in place:
        // no folder's free space or other users are involved, and no program started meanwhile
        // inherits it.
        fd = ::memfd_create("held save", MFD_CLOEXEC);
        if (fd < 0) Fail(Step::Writing, errno);
    }
    file_ = ::fdopen(fd, "w+b");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(fd);
        Fail(Step::Writing, error);
    }
}

ReplacingFile::~ReplacingFile() { Abandon(); }

void ReplacingFile::Abandon() noexcept {
    if (file_ != nullptr) std::fclose(std::exchange(file_, nullptr));
    if (!written_.empty()) ::unlink(written_.c_str());
    written_.clear();
}

void ReplacingFile::Fail(Step step, int error) {
    Abandon();
    throw FileWriteError(step, error);
}

void ReplacingFile::Write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail(Step::Writing, errno);
}

void ReplacingFile::CheckStream() {
    if (std::ferror(file_)) Fail(Step::Writing, errno == 0 ? EIO : errno);
}

void ReplacingFile::CopyInPlace() {
    // The held file is still open; a temporary file beside the target was closed to flush it.
    const bool held = file_ != nullptr;
    const int source = held ? ::fileno(file_) : ::open(written_.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) Fail(Step::Writing, errno);
    try {
        WriteInPlace(target_, source);
    } catch (const FileWriteError&) {
        if (!held) ::close(source);
        Abandon();
        throw;
    }
    if (!held) ::close(source);
    Abandon();
}

void ReplacingFile::Commit() {
    CheckStream();
    // A failing last write shows only when the buffer is flushed.
    if (std::fflush(file_) != 0) Fail(Step::Writing, errno);
    if (written_.empty()) return CopyInPlace();
    if (std::fclose(std::exchange(file_, nullptr)) != 0) Fail(Step::Writing, errno);

    struct stat replaced {};
    const bool replacing = exists_ && ::stat(target_.c_str(), &replaced) == 0;
    if (!replacing) GiveNewFilePermissions(written_);
    const bool sameToItsUsers = !replacing || (TakeOverIdentity(written_, target_, replaced) && replaced.st_nlink == 1);
    // A file the new one cannot stand in for is also one that a sticky folder would not let it replace.
    if (fallback_ == Fallback::WriteInPlace && !sameToItsUsers) return CopyInPlace();
    if (::rename(written_.c_str(), target_.c_str()) != 0) Fail(Step::Renaming, errno);
    written_.clear();
}

bool ReplacingFile::IsTemporaryOf(const fs::path& target, const fs::path& name) {
    const std::string start = TemporaryStart(target);
    const std::string candidate = name.filename().string();
    return candidate.size() == start.size() + kRandomCharacters && candidate.starts_with(start) &&
           std::all_of(candidate.begin() + static_cast<std::ptrdiff_t>(start.size()), candidate.end(),
                       [](unsigned char c) { return std::isalnum(c); });
}

void ReplaceFile(const fs::path& target, std::string_view bytes, ReplacingFile::Fallback fallback) {
    ReplacingFile file(target, fallback);
    file.Write(bytes);
    file.Commit();
}

}  // namespace vb
