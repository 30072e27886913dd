#include "small_disk.h"

#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace quellmar::test {

bool MountSmallDisk(const std::filesystem::path& folder, std::size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

void FillUp(const std::filesystem::path& folder) {
    const int fd = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const std::vector<char> block(512, 'f');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    for (char byte = 'f'; fd >= 0 && ::write(fd, &byte, 1) == 1;) {
    }
    if (fd >= 0) ::close(fd);
}

}  // namespace quellmar::test
