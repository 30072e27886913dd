#pragma once

#include "vb/error.h"

#include <string>
#include <string_view>
#include <utility>

namespace tiraq {

// The control's one application error number, &H80040001, as the runtime's 32-bit Long holds it.
inline constexpr long kErrTiraq = -2147221503;

inline constexpr long kErrInputPastEnd = 62;
using vb::kErrDivisionByZero;
using vb::kErrFileAlreadyExists;
using vb::kErrFileNotFound;
using vb::kErrOutOfMemory;
using vb::kErrPathNotFound;
using vb::kErrPermissionDenied;

// The message text of the exception being handled (call inside a catch block): a runtime error's
// description, "Out of memory" for a failed allocation, else the exception's own text.
std::string CurrentErrorDescription();

// The exception being handled as the control's error, its description followed by CR LF and
// `trace` (" ->  Name." by the control's convention), so that the text shows the call path.
vb::RuntimeError ChainedError(std::string_view trace);

// Raises the control's error with a description of its own.
[[noreturn]] void RaiseTiraqError(std::string description);

// Runs the work of a member that reports a failure in its by-reference text instead of raising
// it: true with the text emptied when the work is done, false with `prefix` and the error's
// description in the text when it raised.
template <typename Work>
bool Reported(std::string& strError, std::string_view prefix, Work&& work) {
    try {
        std::forward<Work>(work)();
        strError.clear();
        return true;
    } catch (...) {
        strError = std::string(prefix) + CurrentErrorDescription();
        return false;
    }
}

}  // namespace tiraq
