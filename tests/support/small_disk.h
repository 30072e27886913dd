#pragma once

#include <cstddef>
#include <filesystem>

namespace quellmar::test {

// Mounts a file system of `bytes` on `folder`, for this process and its children alone: the mount
// lives in a mount namespace of the process's own, so call it in a forked child (a death test).
// The new file system's top folder lets every user in but only the superuser make names there.
// False where the process may not mount (it is not the superuser).
bool MountSmallDisk(const std::filesystem::path& folder, std::size_t bytes);

// Writes a file into `folder` until its file system takes no byte more.
void FillUp(const std::filesystem::path& folder);

}  // namespace quellmar::test
