#pragma once

#include <sys/stat.h>

namespace vb {

// Why a name of this kind is neither read nor written as a file the user chose; empty for a
// regular file. Opening a pipe or a terminal could wait for ever, and replacing a folder or a
// device by a file is never what the user meant.
inline const char* KindRefusal(mode_t mode) {
    if (S_ISREG(mode)) return "";
    if (S_ISDIR(mode)) return "This is a folder, not a file.";
    if (S_ISFIFO(mode)) return "This is a named pipe (FIFO), not a file.";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "This is a device, not a file.";
    if (S_ISSOCK(mode)) return "This is a socket, not a file.";
    return "This is not a regular file.";
}

}  // namespace vb
