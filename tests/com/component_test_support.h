#pragma once

#include "environment_variable.h"
#include "temp_folder.h"
#include "vb/error.h"

#include <filesystem>
#include <optional>
#include <string>

namespace com_test {

// Points the process's component registry at a fresh file for the life of the object.
class TemporaryRegistry {
public:
    std::filesystem::path File() const { return folder_ / "components.reg"; }

private:
    quellmar::test::TempFolder folder_;
    const quellmar::test::EnvironmentVariable setting_{"QUELLMAR_COMPONENT_REGISTRY", File().string()};
};

// The runtime error that the action raises (number 0 when it raises none).
template <class Action>
vb::RuntimeError ErrorOf(Action action) {
    try {
        action();
    } catch (const vb::RuntimeError& error) {
        return error;
    }
    return vb::RuntimeError(0, "");
}

}  // namespace com_test
