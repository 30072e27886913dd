#include "small_disk.h"

#include "file_size_limit.h"

#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sched.h>
#include <sstream>
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

namespace {

std::map<std::string, std::string> Contents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        contents[entry.path().filename().string()] = bytes.str();
    }
    return contents;
}

}  // namespace

void WithNoRoom(const NoRoom& room, const std::filesystem::path& file, const std::function<std::string()>& failing) {
    const std::filesystem::path folder = file.parent_path();
    if (room.fullDisk && !MountSmallDisk(folder, 64 * 1024)) {
        std::cerr << "cannot mount a small disk\n";
        std::_Exit(2);
    }
    std::ofstream(file, std::ios::binary) << "%PDF-1.4 an old print\n";
    std::optional<FileSizeLimit> limit;
    if (room.fullDisk)
        FillUp(folder);
    else
        limit.emplace(1024);
    const auto kept = Contents(folder);
    std::string wrong = failing();
    if (Contents(folder) != kept) wrong += "the folder's files changed\n";
    std::cerr << wrong;
    std::_Exit(wrong.empty() ? 0 : 1);
}

}  // namespace quellmar::test
