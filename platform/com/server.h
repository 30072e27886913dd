#pragma once

#include "com/class_factory.h"
#include "com/error.h"
#include "com/object.h"

#include <exception>
#include <span>

namespace com {

// One creatable class of a component library.
struct ServerClass {
    ClassId classId;
    const char* progId;
    vb::Ref<Unknown> (*create)();
};

// The entry points that a component library exports (QUELLMAR_COMPONENT_ENTRY_POINTS below).
using GetClassObjectEntry = HResult(const ClassId& classId, const InterfaceId& iid, void** object);
using StatusEntry = HResult();  // DllCanUnloadNow, DllRegisterServer, DllUnregisterServer

namespace server {

// The factory of one class; an object of the library like any other, so the library stays
// loaded while a host holds a factory.
class ClassFactoryObject final : public Object<ClassFactory> {
public:
    explicit ClassFactoryObject(const ServerClass& serverClass) : class_(serverClass) {}
    vb::Ref<Unknown> CreateInstance() override { return class_.create(); }

private:
    const ServerClass& class_;
};

// Runs the work of an entry point: an error becomes the failure status and the thread's error info.
template <class Work>
HResult Guard(Work work, HResult failure) noexcept {
    try {
        return work();
    } catch (const Error& error) {
        SetErrorInfo(error);
    } catch (const vb::RuntimeError& error) {
        SetErrorInfo(Error(error, ""));
    } catch (const std::exception& error) {
        SetErrorInfo(Error(failure, error.what(), ""));
    } catch (...) {
    }
    return failure;
}

inline HResult GetClassObject(std::span<const ServerClass> classes, const ClassId& classId, const InterfaceId& iid,
                              void** object) {
    *object = nullptr;
    return Guard(
        [&] {
            for (const auto& serverClass : classes) {
                if (serverClass.classId != classId) continue;
                const auto factory = vb::New<ClassFactoryObject>(serverClass);
                *object = factory->QueryInterface(iid);
                return *object ? kOk : kNoInterface;
            }
            return kClassNotAvailable;
        },
        kFail);
}

// Whether no object of this library is alive any more, so the host may unload it.
inline HResult CanUnloadNow() { return module::liveObjects.load() == 0 ? kOk : kFalse; }

// Registers every class with the library that holds the given address, in the process's registry.
COM_API HResult RegisterClasses(std::span<const ServerClass> classes, const void* addressInLibrary);
COM_API HResult UnregisterClasses(std::span<const ServerClass> classes);

}  // namespace server
}  // namespace com

// Defines the four exported entry points of a component library over its table of classes.
#define QUELLMAR_COMPONENT_ENTRY_POINTS(classes)                                                              \
    extern "C" __attribute__((visibility("default"))) com::HResult DllGetClassObject(                         \
        const com::ClassId& classId, const com::InterfaceId& iid, void** object) {                            \
        return com::server::GetClassObject(classes, classId, iid, object);                                    \
    }                                                                                                         \
    extern "C" __attribute__((visibility("default"))) com::HResult DllCanUnloadNow() {                        \
        return com::server::CanUnloadNow();                                                                   \
    }                                                                                                         \
    extern "C" __attribute__((visibility("default"))) com::HResult DllRegisterServer() {                      \
        /* The address of a local object finds this library's file, wherever the entry point resolves. */    \
        static const char here = 0;                                                                           \
        return com::server::RegisterClasses(classes, &here);                                                  \
    }                                                                                                         \
    extern "C" __attribute__((visibility("default"))) com::HResult DllUnregisterServer() {                    \
        return com::server::UnregisterClasses(classes);                                                       \
    }
