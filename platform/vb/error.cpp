#include "vb/error.h"

#include <cerrno>
#include <cstdint>

namespace vb {

RuntimeError::RuntimeError(long number, const std::string& description)
    : std::runtime_error(description), number_(static_cast<std::int32_t>(number)), description_(description) {}

void RaiseOverflow() { throw RuntimeError(kErrOverflow, "Overflow"); }

RuntimeError FileError(int error) {
    switch (error) {
        case ENOENT: return RuntimeError(kErrFileNotFound, "File not found");
        case ENOTDIR: return RuntimeError(kErrPathNotFound, "Path not found");
        case EACCES:
        case EPERM:
        case EROFS: return RuntimeError(kErrPermissionDenied, "Permission denied");
        case EEXIST: return RuntimeError(kErrFileAlreadyExists, "File already exists");
        case ENOMEM: return RuntimeError(kErrOutOfMemory, "Out of memory");
        case ENOSPC: return RuntimeError(kErrDiskFull, "Disk full");
        default: return RuntimeError(kErrPathFileAccess, "Path/File access error");
    }
}

}  // namespace vb
