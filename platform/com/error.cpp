#include "com/error.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace com {
namespace {

thread_local std::optional<Error> lastError;

}  // namespace

Error::Error(long number, const std::string& description, std::string source)
    : vb::RuntimeError(number, description), source_(std::move(source)) {}

Error::Error(const vb::RuntimeError& error, std::string source)
    : Error(error.Number(), error.Description(), std::move(source)) {}

void SetErrorInfo(const Error& error) { lastError = error; }

std::optional<Error> TakeErrorInfo() { return std::exchange(lastError, std::nullopt); }

void Check(HResult status, const std::string& call) {
    if (status >= 0) return;
    if (auto error = TakeErrorInfo()) throw *error;
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(status), 16).ptr;
    std::string code(digits, end);
    std::transform(code.begin(), code.end(), code.begin(), [](unsigned char c) { return std::toupper(c); });
    throw Error(status, call + " failed with status &H" + code, "");
}

}  // namespace com
