#pragma once

#include "vb/export.h"

#include <stdexcept>
#include <string>

namespace vb {

// A run-time error with the number and text the original runtime gives it (6 "Overflow",
// 13 "Type mismatch", 94 "Invalid use of Null", ...). Callers catch it at their window's boundary.
// The number is a 32-bit Long as the runtime keeps it, so &H80040001 written as an unsigned
// constant and as the negative Long it is compare equal.
class VB_API RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, const std::string& description);
    long Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    long number_;
    std::string description_;
};

inline constexpr long kErrInvalidCall = 5;  // "Invalid procedure call or argument"
inline constexpr long kErrOverflow = 6;
inline constexpr long kErrOutOfMemory = 7;
inline constexpr long kErrSubscript = 9;  // "Subscript out of range"
inline constexpr long kErrDivisionByZero = 11;
inline constexpr long kErrTypeMismatch = 13;
inline constexpr long kErrFileNotFound = 53;
inline constexpr long kErrFileAlreadyExists = 58;
inline constexpr long kErrDiskFull = 61;
inline constexpr long kErrPermissionDenied = 70;
inline constexpr long kErrPathFileAccess = 75;  // "Path/File access error"
inline constexpr long kErrPathNotFound = 76;
inline constexpr long kErrInvalidUseOfNull = 94;
inline constexpr long kErrInvalidFileFormat = 321;  // "Invalid file format"
inline constexpr long kErrDuplicateKey = 457;  // "This key is already associated with an element of this collection"

// The base of the numbers that components raise for their own errors (&H80040000); a
// component's first application error is kVbObjectError + 1.
inline constexpr long kVbObjectError = -2147221504L;

[[noreturn]] VB_API void RaiseOverflow();

// The runtime's error for a file operation that failed with this errno value: "File not found",
// "Path not found", "Permission denied", "Disk full", ... and "Path/File access error" for the rest.
VB_API RuntimeError FileError(int error);

}  // namespace vb
