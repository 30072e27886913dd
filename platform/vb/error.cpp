#include "vb/error.h"

#include <cstdint>

namespace vb {

RuntimeError::RuntimeError(long number, const std::string& description)
    : std::runtime_error(description), number_(static_cast<std::int32_t>(number)), description_(description) {}

void RaiseOverflow() { throw RuntimeError(kErrOverflow, "Overflow"); }

}  // namespace vb
