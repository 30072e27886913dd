#pragma once

#include <filesystem>

namespace vb {

// Writes the whole content of the open file `source` over the regular file `target`, which stays
// the same file: its owner, group, permissions, access control list and further hard links stay.
// The new length is reserved first (where the file system cannot reserve, the part beyond the old
// end is written first, which changes no old byte), then the content is written and the file cut
// to its new length; a failure before that point (a full disk, the file-size limit) leaves the old
// content as it was. A name that no longer leads to a regular file itself (a pipe, a device or a
// link put in its place) is refused, neither waited on nor followed. Failures raise FileWriteError.
void WriteInPlace(const std::filesystem::path& target, int source);

}  // namespace vb
