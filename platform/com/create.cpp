#include "com/create.h"

#include "com/class_factory.h"
#include "com/font.h"
#include "com/registry.h"
#include "com/server.h"

#include "vb/trusted_file.h"

#include <dlfcn.h>
#include <map>
#include <mutex>

namespace com {
namespace {

constexpr const char* kCannotCreate = "ActiveX component can't create object";

[[noreturn]] void RaiseCannotCreate(const std::string& reason, const std::string& source) {
    throw Error(kErrCannotCreateObject, std::string(kCannotCreate) + ": " + reason, source);
}

// The component libraries loaded by this process, each once, by canonical path.
class LoadedLibraries {
public:
    static LoadedLibraries& Instance() {
        static LoadedLibraries libraries;
        return libraries;
    }

    // The library's handle; nullptr with the loader's message when it cannot be loaded.
    void* Load(const std::filesystem::path& file, std::string& message) {
        std::error_code ignored;
        const auto key = std::filesystem::weakly_canonical(std::filesystem::absolute(file), ignored);
        std::lock_guard lock(mutex_);
        if (const auto found = handles_.find(key); found != handles_.end()) return found->second;
        void* handle = ::dlopen(key.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* error = ::dlerror();
            message = error ? error : "cannot load " + key.string();
            return nullptr;
        }
        handles_.emplace(key, handle);
        return handle;
    }

    void FreeUnused() {
        std::lock_guard lock(mutex_);
        for (auto i = handles_.begin(); i != handles_.end();) {
            auto* canUnloadNow = reinterpret_cast<StatusEntry*>(::dlsym(i->second, "DllCanUnloadNow"));
            if (canUnloadNow && canUnloadNow() == kOk) {
                ::dlclose(i->second);
                i = handles_.erase(i);
            } else {
                ++i;
            }
        }
    }

private:
    std::mutex mutex_;
    std::map<std::filesystem::path, void*> handles_;
};

template <class Entry>
Entry* EntryPoint(const std::filesystem::path& library, const char* name, const std::string& source) {
    std::string message;
    void* handle = LoadedLibraries::Instance().Load(library, message);
    if (!handle) RaiseCannotCreate(message, source);
    auto* entry = reinterpret_cast<Entry*>(::dlsym(handle, name));
    if (!entry) RaiseCannotCreate(library.string() + " exports no " + name, source);
    return entry;
}

vb::Ref<Unknown> CreateRegistered(const ClassId& classId, const Registry& registry, const std::string& source) {
    const auto library = registry.LibraryOf(classId);
    if (!library)
        RaiseCannotCreate("the class " + classId.ToString() + " has no library in " + registry.File().string(), source);
    // A library that another user owns or may change would run their code as this user.
    const vb::Trust trust = vb::TrustOf(*library);
    if (!trust.Trusted()) RaiseCannotCreate("the library " + library->string() + " is not loaded: " + trust.refusal, source);
    auto* getClassObject = EntryPoint<GetClassObjectEntry>(trust.resolved, "DllGetClassObject", source);
    void* factoryInterface = nullptr;
    const HResult status = getClassObject(classId, ClassFactory::kIid, &factoryInterface);
    if (status != kOk || !factoryInterface) {
        const auto error = TakeErrorInfo();
        RaiseCannotCreate(
            error ? error->Description() : library->string() + " does not make the class " + classId.ToString(),
            source);
    }
    const auto factory = vb::Ref<ClassFactory>::Adopt(static_cast<ClassFactory*>(factoryInterface));
    auto object = factory->CreateInstance();
    if (!object) RaiseCannotCreate(library->string() + " made no object of the class " + classId.ToString(), source);
    return object;
}

}  // namespace

vb::Ref<Unknown> CreateObject(std::string_view progId) {
    const Registry registry;
    const std::string source(progId);
    const auto classId = registry.ClassOf(progId);
    if (!classId) RaiseCannotCreate(source + " is not registered in " + registry.File().string(), source);
    return CreateRegistered(*classId, registry, source);
}

vb::Ref<Unknown> CreateObject(const ClassId& classId) {
    if (classId == Font::kClassId) return vb::New<Font>();
    return CreateRegistered(classId, Registry(), classId.ToString());
}

void FreeUnusedLibraries() { LoadedLibraries::Instance().FreeUnused(); }

void RegisterServer(const std::filesystem::path& library) {
    Check(EntryPoint<StatusEntry>(library, "DllRegisterServer", library.string())(),
          "DllRegisterServer of " + library.string());
}

void UnregisterServer(const std::filesystem::path& library) {
    Check(EntryPoint<StatusEntry>(library, "DllUnregisterServer", library.string())(),
          "DllUnregisterServer of " + library.string());
}

}  // namespace com
