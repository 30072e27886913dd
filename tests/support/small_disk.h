#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace quellmar::test {

// Mounts a file system of `bytes` on `folder`, for this process and its children alone: the mount
// lives in a mount namespace of the process's own, so call it in a forked child (a death test).
// The new file system's top folder lets every user in but only the superuser make names there.
// False where the process may not mount (it is not the superuser).
bool MountSmallDisk(const std::filesystem::path& folder, std::size_t bytes);

// Writes a file into `folder` until its file system takes no byte more.
void FillUp(const std::filesystem::path& folder);

// A way that a new file finds no room, and the reason the program gives for it.
struct NoRoom {
    const char* name;
    bool fullDisk;  // else a limit on the size of every file the process writes
    const char* reason;
};
inline constexpr NoRoom kNoRoom[] = {{"a full disk", true, "The disk is full."},
                                     {"a file-size limit", false, "File too large"}};

// In a child process of its own (a death test): leaves no room for a new file of more than a
// kilobyte in the folder of `file`, where a short old file of that name stands (a small disk
// mounted there and filled, or the file-size limit), then runs `failing`, which returns what it
// found wrong. Exits with 0 when nothing was wrong and the folder holds what it held, byte for
// byte, and nothing beside it; else says what was wrong on the error stream.
[[noreturn]] void WithNoRoom(const NoRoom& room, const std::filesystem::path& file,
                             const std::function<std::string()>& failing);

}  // namespace quellmar::test
