#pragma once

#include "vb/export.h"

#include <filesystem>

namespace vb {

// Holds the folder of `file` locked while it lives, so that one change of the file at a time runs:
// another process or object that locks it for the same file waits. The folder is made where it is
// missing, and the folder itself is locked, which leaves no lock file behind. Raises error 75 when
// it cannot be locked.
class VB_API ChangeLock {
public:
    explicit ChangeLock(const std::filesystem::path& file);
    ~ChangeLock();
    ChangeLock(const ChangeLock&) = delete;
    ChangeLock& operator=(const ChangeLock&) = delete;

private:
    int descriptor_ = -1;
};

}  // namespace vb
