#include "vb/change_lock.h"

#include "vb/error.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vb {

ChangeLock::ChangeLock(const std::filesystem::path& file) {
    const std::filesystem::path folder = std::filesystem::absolute(file).parent_path();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0 || ::flock(descriptor_, LOCK_EX) != 0) {
        if (descriptor_ >= 0) ::close(descriptor_);
        throw RuntimeError(kErrPathFileAccess, "Path/File access error: cannot lock " + file.string());
    }
}

ChangeLock::~ChangeLock() { ::close(descriptor_); }

}  // namespace vb
