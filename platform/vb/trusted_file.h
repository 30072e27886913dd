#pragma once

#include "vb/export.h"

#include <filesystem>
#include <string>

namespace vb {

// Whether a file (or folder) may be trusted with what runs or is kept as the user running the
// program: it and every folder above it belong to that user or to root, and no other user may
// change them. A folder above may let others add names when its sticky bit keeps them from
// replacing names they do not own (as in /tmp); the file or folder asked about itself may not.
// Write permission for a group counts as others' unless it is the user's private group (named like
// the user, the user's own primary group, with no other members) and no access control list lets
// further users or groups write.
struct Trust {
    std::filesystem::path resolved;  // the path with every link resolved: open this one, not the name
    std::string refusal;             // empty when trusted, else why not, in words for the user
    bool Trusted() const { return refusal.empty(); }
};

VB_API Trust TrustOf(const std::filesystem::path& path);

}  // namespace vb
