#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace com {

// The whole content of a file, or nullopt when there is no such file; other failures raise error 75,
// also for a name that is no regular file (a pipe would keep the reader waiting for ever).
std::optional<std::string> ReadTextFile(const std::filesystem::path& file);

// Writes the content under a temporary name beside the file and renames it into place, so that a
// reader sees the old or the new content and a failure leaves the old one. Creates missing folders.
// A file that this process may not write is refused (error 70), not replaced; a replaced file keeps
// its permissions and, where the process may set it, its owner.
void ReplaceTextFile(const std::filesystem::path& file, const std::string& content);

}  // namespace com
