#pragma once

#include "vb/export.h"

#include <stdexcept>
#include <string>

namespace vb {

// A run-time error with the number and text the original runtime gives it (6 "Overflow",
// 13 "Type mismatch", 94 "Invalid use of Null", ...). Callers catch it at their window's boundary.
class VB_API RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, const std::string& description);
    long Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    long number_;
    std::string description_;
};

inline constexpr long kErrOverflow = 6;
inline constexpr long kErrTypeMismatch = 13;
inline constexpr long kErrInvalidUseOfNull = 94;

[[noreturn]] VB_API void RaiseOverflow();

}  // namespace vb
