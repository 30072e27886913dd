#include "component_test_support.h"

#include <cstdlib>

namespace com_test {
namespace {

constexpr const char* kVariable = "QUELLMAR_COMPONENT_REGISTRY";

}  // namespace

TemporaryRegistry::TemporaryRegistry() {
    if (const char* value = std::getenv(kVariable)) previous_ = value;
    ::setenv(kVariable, File().c_str(), 1);
}

TemporaryRegistry::~TemporaryRegistry() {
    if (previous_) ::setenv(kVariable, previous_->c_str(), 1);
    else ::unsetenv(kVariable);
}

}  // namespace com_test
