#include "reader/file_io.h"

#include "reader/error_chain.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <sys/stat.h>

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

}  // namespace tiraq
