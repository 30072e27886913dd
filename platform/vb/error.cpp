#include "vb/error.h"

namespace vb {

RuntimeError::RuntimeError(long number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

void RaiseOverflow() { throw RuntimeError(kErrOverflow, "Overflow"); }

}  // namespace vb
