#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace quellmar::test {

// Mounts a file system of `bytes` on `folder`, for this process and its children alone: the mount
// lives in a mount namespace of the process's own, so call it in a child process (a death test).
// Any other user than the superuser needs a user namespace of the process's own for that, which
// the system may refuse and which the process can only enter while it runs one thread alone; the
// process keeps its user number there and gives up the namespace's privileges once mounted. The
// new file system's top folder is the process's user's, and lets every other user in.
// False where the process may not mount; errno says why.
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

// A death test: in a child process of its own, leaves no room for a new file of more than a
// kilobyte in the folder of `file`, where a short old file of that name stands (a small disk
// mounted there and filled, or the file-size limit), then runs `failing`, which returns what it
// found wrong. Fails the test with what was wrong, or when the folder does not hold what it held,
// byte for byte, with nothing beside it. Where the process can get no small disk, a full disk is
// reported as skipped, and the test goes on.
void ExpectNoRoomChangesNothing(const NoRoom& room, const std::filesystem::path& file,
                                const std::function<std::string()>& failing);

}  // namespace quellmar::test
