#pragma once

#include "com/export.h"
#include "vb/error.h"

#include <cstdint>
#include <optional>
#include <string>

namespace com {

// An error that crosses a component's boundary: the number and description of the runtime error
// and the source, the component (as a rule its ProgID) that raised it. It is a runtime error, so a
// handler of runtime errors, the control's error chain among them, handles it as well.
class COM_API Error : public vb::RuntimeError {
public:
    Error(long number, const std::string& description, std::string source);
    // The runtime error as the component named by source raised it.
    Error(const vb::RuntimeError& error, std::string source);
    const std::string& Source() const noexcept { return source_; }

private:
    std::string source_;
};

// Errors of the component layer, with the runtime's numbers and texts.
inline constexpr long kErrCannotCreateObject = 429;     // "ActiveX component can't create object"
// "Class does not support Automation or does not support expected interface"
inline constexpr long kErrInterfaceNotSupported = 430;
inline constexpr long kErrNoSuchMember = 438;           // "Object doesn't support this property or method"
inline constexpr long kErrActionNotSupported = 445;     // "Object doesn't support this action"
inline constexpr long kErrWrongArguments = 450;         // "Wrong number of arguments or invalid property assignment"

// Status of a call through a library's exported entry points, where no exception may pass.
using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kRegistrationFailed = static_cast<HResult>(0x80040201u);

// The error behind the last failed entry-point call of this thread: the library keeps it here
// before it returns its failure status, and the caller takes it to raise it again.
COM_API void SetErrorInfo(const Error& error);
COM_API std::optional<Error> TakeErrorInfo();

// Raises the kept error of a failed status, or one that names the call and the status.
COM_API void Check(HResult status, const std::string& call);

}  // namespace com
