#pragma once

#include "com/export.h"
#include "com/guid.h"
#include "com/unknown.h"
#include "com/error.h"

#include <filesystem>
#include <string_view>

namespace com {

// The runtime's CreateObject: finds the class of the ProgID and the library of the class in the
// process's registry, loads the library once and has its class factory make an object. Any step
// that fails raises error 429 with the reason; a library that another user owns or may change is
// not loaded.
COM_API vb::Ref<Unknown> CreateObject(std::string_view progId);
// The same for a class known by its identifier; the component layer's own classes (Font) need
// no registration.
COM_API vb::Ref<Unknown> CreateObject(const ClassId& classId);

// An object of the ProgID's class through its interface I; error 430 when the class lacks it.
template <class I>
vb::Ref<I> CreateInstance(std::string_view progId) {
    auto typed = QueryInterface<I>(CreateObject(progId).get());
    if (!typed)
        throw Error(kErrInterfaceNotSupported,
                    "Class does not support Automation or does not support expected interface", std::string(progId));
    return typed;
}

// Unloads every loaded component library that answers DllCanUnloadNow with no live objects.
COM_API void FreeUnusedLibraries();

// What the registration tool does: loads the library and calls its DllRegisterServer (or
// DllUnregisterServer), which write to the process's registry; a failure raises the library's error.
COM_API void RegisterServer(const std::filesystem::path& library);
COM_API void UnregisterServer(const std::filesystem::path& library);

}  // namespace com
