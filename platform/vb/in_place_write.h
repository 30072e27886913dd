#pragma once

#include <filesystem>

namespace vb {

// Writes the whole content of the open file `source` over the regular file `target`, which stays
// the same file: its owner, group, permissions, access control list and further hard links stay.
// The new length is reserved first (where the file system cannot reserve, the part beyond the old
// end is written first, which changes no old byte), then the content is written and the file cut
// to its new length; a failure before that point (a full disk, the file-size limit) leaves the old
// content as it was. Failures raise FileWriteError at the writing step.
void WriteInPlace(const std::filesystem::path& target, int source);

}  // namespace vb
