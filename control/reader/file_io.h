#pragma once

#include <filesystem>
#include <string>

namespace tiraq {

// Reads a whole file; a failure is the runtime's error for it ("File not found", "Path not
// found", "Permission denied", ...).
std::string ReadWholeFile(const std::filesystem::path& path);

// Raises the runtime's error for a failed file operation with the given errno value.
[[noreturn]] void RaiseFileError(int errorNumber);

}  // namespace tiraq
