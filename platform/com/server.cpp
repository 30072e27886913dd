#include "com/server.h"

#include "com/registry.h"

#include <dlfcn.h>
#include <filesystem>

namespace com::server {

HResult RegisterClasses(std::span<const ServerClass> classes, const void* addressInLibrary) {
    return Guard(
        [&] {
            Dl_info library{};
            if (::dladdr(addressInLibrary, &library) == 0 || !library.dli_fname)
                throw Error(kRegistrationFailed, "The component library cannot find its own file", "");
            const auto file = std::filesystem::weakly_canonical(std::filesystem::absolute(library.dli_fname));
            Registry registry;
            for (const auto& serverClass : classes) registry.Register(serverClass.classId, serverClass.progId, file);
            return kOk;
        },
        kRegistrationFailed);
}

HResult UnregisterClasses(std::span<const ServerClass> classes) {
    return Guard(
        [&] {
            Registry registry;
            for (const auto& serverClass : classes) registry.Unregister(serverClass.classId);
            return kOk;
        },
        kRegistrationFailed);
}

}  // namespace com::server
