#include "com/create.h"
#include "com/font.h"
#include "com/registry.h"
#include "com/server.h"
#include "component_test_support.h"
#include "control/dxf.h"
#include "counter.h"

#include "temp_folder.h"

#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using counter_test::Counter;

bool IsLoaded(const char* library) {
    void* handle = ::dlopen(library, RTLD_NOW | RTLD_NOLOAD);
    if (handle) ::dlclose(handle);
    return handle != nullptr;
}

// The library's own answer, through a handle of the test's own.
com::HResult CanUnloadNow(void* handle) {
    return reinterpret_cast<com::StatusEntry*>(::dlsym(handle, "DllCanUnloadNow"))();
}

TEST(Creation, WorksByProgIdAfterRegistrationAndFailsAfterUnregistration) {
    com_test::TemporaryRegistry registry;
    EXPECT_EQ(com_test::ErrorOf([] { com::CreateObject(counter_test::kCounterProgId); }).Number(),
              com::kErrCannotCreateObject);

    com::RegisterServer(COUNTER_COMPONENT);
    EXPECT_EQ(com::Registry().ClassOf(counter_test::kCounterProgId), counter_test::kCounterClassId);
    auto counter = com::CreateInstance<Counter>("QUELLMARTEST.COUNTER");
    ASSERT_TRUE(counter);
    counter->LetTotal(41);
    EXPECT_EQ(counter->Total(), 41);
    EXPECT_FALSE(com::CreateInstance<Counter>(counter_test::kCounterProgId) == counter);  // a new object each time

    com::UnregisterServer(COUNTER_COMPONENT);
    const auto error = com_test::ErrorOf([] { com::CreateObject(counter_test::kCounterProgId); });
    EXPECT_EQ(error.Number(), com::kErrCannotCreateObject);
    EXPECT_NE(error.Description().find("ActiveX component can't create object"), std::string::npos);
    EXPECT_NE(error.Description().find("is not registered"), std::string::npos) << error.Description();
    EXPECT_EQ(counter->Total(), 41);  // objects made before live on
}

TEST(Creation, TheLibraryCanUnloadOnlyWhenNoObjectOfItLives) {
    com_test::TemporaryRegistry registry;
    com::RegisterServer(COUNTER_COMPONENT);
    void* handle = ::dlopen(COUNTER_COMPONENT, RTLD_NOW);
    ASSERT_TRUE(handle);
    EXPECT_EQ(CanUnloadNow(handle), com::kOk);

    auto first = com::CreateInstance<Counter>(counter_test::kCounterProgId);
    auto second = com::CreateInstance<Counter>(counter_test::kCounterProgId);
    EXPECT_EQ(CanUnloadNow(handle), com::kFalse);
    first = nullptr;
    EXPECT_EQ(CanUnloadNow(handle), com::kFalse);
    second = nullptr;
    EXPECT_EQ(CanUnloadNow(handle), com::kOk);

    // A factory the host holds keeps the library too.
    auto* getClassObject = reinterpret_cast<com::GetClassObjectEntry*>(::dlsym(handle, "DllGetClassObject"));
    void* factory = nullptr;
    ASSERT_EQ(getClassObject(counter_test::kCounterClassId, com::ClassFactory::kIid, &factory), com::kOk);
    EXPECT_EQ(CanUnloadNow(handle), com::kFalse);
    vb::Ref<com::ClassFactory>::Adopt(static_cast<com::ClassFactory*>(factory));
    EXPECT_EQ(CanUnloadNow(handle), com::kOk);
    EXPECT_EQ(getClassObject(tiraq::kDXFClassId, com::ClassFactory::kIid, &factory), com::kClassNotAvailable);
    ::dlclose(handle);
}

TEST(Creation, UnusedLibrariesAreUnloadedAndLoadedAgainWhenNeeded) {
    com_test::TemporaryRegistry registry;
    com::RegisterServer(COUNTER_COMPONENT);
    auto counter = com::CreateInstance<Counter>(counter_test::kCounterProgId);
    com::FreeUnusedLibraries();
    EXPECT_TRUE(IsLoaded(COUNTER_COMPONENT));
    EXPECT_EQ(counter->Name(), "Counter");
    counter = nullptr;
    com::FreeUnusedLibraries();
    EXPECT_FALSE(IsLoaded(COUNTER_COMPONENT));
    EXPECT_EQ(com::CreateInstance<Counter>(counter_test::kCounterProgId)->Total(), 0);
}

TEST(Creation, SaysWhyAClassCannotBeMade) {
    com_test::TemporaryRegistry registry;
    com::RegisterServer(COUNTER_COMPONENT);
    // The class lacks the interface asked for.
    EXPECT_EQ(com_test::ErrorOf([] { com::CreateInstance<tiraq::DXF>(counter_test::kCounterProgId); }).Number(),
              com::kErrInterfaceNotSupported);
    // The library is gone.
    com::Registry().Register(tiraq::kDXFClassId, "Lib.Gone", "/nonexistent/libGone.so");
    const auto gone = com_test::ErrorOf([] { com::CreateObject("Lib.Gone"); });
    EXPECT_EQ(gone.Number(), com::kErrCannotCreateObject);
    EXPECT_NE(gone.Description().find("libGone.so"), std::string::npos) << gone.Description();
    // Registering a file that is no library fails with the loader's reason.
    const auto notLibrary = com_test::ErrorOf([&] { com::RegisterServer(registry.File()); });
    EXPECT_EQ(notLibrary.Number(), com::kErrCannotCreateObject);
}

TEST(Creation, ALibrarysFailureReachesTheCallerWithItsOwnText) {
    quellmar::test::TempFolder folder;
    std::ofstream(folder / "file") << "";
    ::setenv("QUELLMAR_COMPONENT_REGISTRY", (folder / "file" / "components.reg").c_str(), 1);
    const auto error = com_test::ErrorOf([] { com::RegisterServer(COUNTER_COMPONENT); });
    ::unsetenv("QUELLMAR_COMPONENT_REGISTRY");
    EXPECT_EQ(error.Number(), vb::kErrPathFileAccess);
    EXPECT_NE(error.Description().find("components.reg"), std::string::npos) << error.Description();
    EXPECT_FALSE(com::TakeErrorInfo());  // taken once
}

TEST(Creation, TheRegistrationToolRegistersAndUnregisters) {
    com_test::TemporaryRegistry registry;
    const std::string tool = std::string(QUELLMAR_PROGRAM_DIR) + "/register_component";
    const std::string quiet = " >/dev/null 2>&1";
    EXPECT_EQ(std::system((tool + " " + COUNTER_COMPONENT + quiet).c_str()), 0);
    EXPECT_EQ(com::Registry().ClassOf(counter_test::kCounterProgId), counter_test::kCounterClassId);
    EXPECT_EQ(std::system((tool + " -u " + COUNTER_COMPONENT + quiet).c_str()), 0);
    EXPECT_FALSE(com::Registry().ClassOf(counter_test::kCounterProgId));
    EXPECT_NE(std::system((tool + " /nonexistent/libNone.so" + quiet).c_str()), 0);
    EXPECT_NE(std::system((tool + quiet).c_str()), 0);
}

TEST(Creation, TheLayersOwnClassesNeedNoRegistration) {
    com_test::TemporaryRegistry registry;
    const auto font = com::QueryInterface<com::Font>(com::CreateObject(com::Font::kClassId).get());
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Size, 0.0);
}

}  // namespace
