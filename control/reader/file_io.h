#pragma once

#include <filesystem>
#include <string>

namespace tiraq {

// Reads a whole file; a failure is the runtime's error for it ("File not found", "Path not
// found", "Permission denied", ...).
std::string ReadWholeFile(const std::filesystem::path& path);

// Whether two names lead to one file (the same name, or another spelling of an existing file).
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tiraq
