#include "com/registry.h"

#include "component_test_support.h"
#include "environment_variable.h"
#include "named_pipe.h"
#include "temp_folder.h"
#include "unprivileged.h"
#include "vb/program_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

constexpr auto kFirst = com::MakeGuid("{00000000-0000-0000-0000-000000000001}");
constexpr auto kSecond = com::MakeGuid("{00000000-0000-0000-0000-000000000002}");

TEST(Registry, NamesClassesByProgIdWithoutRegardToCase) {
    quellmar::test::TempFolder folder;
    com::Registry registry(folder / "sub" / "components.reg");
    EXPECT_FALSE(registry.ClassOf("Lib.First"));  // no file yet
    registry.Register(kFirst, "Lib.First", "/opt/lib one/libFirst.so");
    registry.Register(kSecond, "Lib.Second", "/opt/libSecond.so");
    EXPECT_EQ(registry.ClassOf("LIB.FIRST"), kFirst);
    EXPECT_EQ(registry.LibraryOf(kFirst), "/opt/lib one/libFirst.so");
    EXPECT_EQ(registry.ClassOf("lib.second"), kSecond);
    EXPECT_FALSE(registry.ClassOf("Lib.Third"));

    registry.Register(kSecond, "lib.first", "/opt/libSecond.so");  // the ProgID now names the second class
    EXPECT_EQ(registry.ClassOf("Lib.First"), kSecond);
    EXPECT_EQ(registry.LibraryOf(kFirst), "/opt/lib one/libFirst.so");
}

TEST(Registry, ARegistryThatIsNoFileIsRefusedWithoutWaiting) {
    quellmar::test::TempFolder folder;
    const quellmar::test::NamedPipe pipe(folder / "components.reg");
    const auto error = com_test::ErrorOf([&] { com::Registry(pipe.Path()).ClassOf("Lib.First"); });
    EXPECT_EQ(error.Number(), vb::kErrPathFileAccess);
    EXPECT_EQ(error.Description(), "Path/File access error: cannot read " + pipe.Path().string() +
                                       ": This is a named pipe (FIFO), not a file.");
}

TEST(Registry, UnregisteringRemovesTheClassAndItsProgIdsOnly) {
    quellmar::test::TempFolder folder;
    com::Registry registry(folder / "components.reg");
    registry.Register(kFirst, "Lib.First", "/opt/libFirst.so");
    registry.Register(kFirst, "Lib.FirstAgain", "/opt/libFirst.so");
    registry.Register(kSecond, "Lib.Second", "/opt/libSecond.so");
    registry.Unregister(kFirst);
    registry.Unregister(kFirst);  // twice changes nothing
    EXPECT_FALSE(registry.ClassOf("Lib.First"));
    EXPECT_FALSE(registry.ClassOf("Lib.FirstAgain"));
    EXPECT_FALSE(registry.LibraryOf(kFirst));
    EXPECT_EQ(registry.ClassOf("Lib.Second"), kSecond);
}

TEST(Registry, RefusesProgIdsWithBlanksAndReportsAMalformedFileByLine) {
    quellmar::test::TempFolder folder;
    com::Registry registry(folder / "components.reg");
    EXPECT_EQ(com_test::ErrorOf([&] { registry.Register(kFirst, "Lib First", "/x.so"); }).Number(),
              vb::kErrInvalidCall);
    EXPECT_EQ(com_test::ErrorOf([&] { registry.Register(kFirst, "", "/x.so"); }).Number(), vb::kErrInvalidCall);
    std::ofstream(folder / "components.reg") << "# comment\nclass {00000000-0000-0000-0000-000000000001} /x.so\n"
                                             << "progid Lib.First not-a-class-id\n";
    const auto error = com_test::ErrorOf([&] { registry.ClassOf("Lib.First"); });
    EXPECT_EQ(error.Number(), vb::kErrInvalidFileFormat);
    EXPECT_NE(error.Description().find("line 3"), std::string::npos) << error.Description();
}

TEST(Registry, RegistrationsAtTheSameTimeLoseNothing) {
    quellmar::test::TempFolder folder;
    const auto file = folder / "components.reg";
    std::vector<std::thread> writers;
    for (int writer = 0; writer < 4; ++writer)
        writers.emplace_back([&, writer] {
            com::Registry registry(file);
            for (int i = 0; i < 25; ++i) {
                auto id = kFirst;
                id.bytes[0] = static_cast<std::uint8_t>(writer);
                id.bytes[1] = static_cast<std::uint8_t>(i);
                registry.Register(id, "Lib.W" + std::to_string(writer) + "C" + std::to_string(i), "/x.so");
            }
        });
    for (auto& writer : writers) writer.join();
    com::Registry registry(file);
    for (int writer = 0; writer < 4; ++writer)
        for (int i = 0; i < 25; ++i)
            EXPECT_TRUE(registry.ClassOf("Lib.W" + std::to_string(writer) + "C" + std::to_string(i)));
}

TEST(Registry, ALibraryBesideTheRegistryIsFoundWhereverTheFolderIsCopiedOrMoved) {
    quellmar::test::TempFolder folder;
    std::filesystem::create_directory(folder / "built");
    std::ofstream(folder / "built" / "libFirst.so") << "";
    {
        com::Registry registry(folder / "built" / "components.reg");
        registry.Register(kFirst, "Lib.First", folder / "built" / "libFirst.so");
        registry.Register(kSecond, "Lib.Second", "/opt/libSecond.so");
    }
    std::ifstream in(folder / "built" / "components.reg");
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("{00000000-0000-0000-0000-000000000001} libFirst.so\n"), std::string::npos) << text;
    EXPECT_NE(text.find("{00000000-0000-0000-0000-000000000002} /opt/libSecond.so\n"), std::string::npos) << text;

    std::filesystem::rename(folder / "built", folder / "moved");
    const com::Registry moved(folder / "moved" / "components.reg");
    EXPECT_EQ(moved.LibraryOf(kFirst), folder / "moved" / "libFirst.so");
    EXPECT_EQ(moved.LibraryOf(kSecond), "/opt/libSecond.so");

    // A registry that an earlier build wrote names the library by a path that is gone with it.
    std::ofstream(folder / "moved" / "components.reg")
        << "class {00000000-0000-0000-0000-000000000001} /gone/build/bin/libFirst.so\n"
        << "class {00000000-0000-0000-0000-000000000002} /gone/build/bin/libSecond.so\n";
    EXPECT_EQ(moved.LibraryOf(kFirst), folder / "moved" / "libFirst.so");
    EXPECT_EQ(moved.LibraryOf(kSecond), "/gone/build/bin/libSecond.so") << "the error names what was recorded";
}

TEST(Registry, TheRegistrationToolKeepsTheRegistrysPermissionsOrRefusesToWriteIt) {
    namespace fs = std::filesystem;
    quellmar::test::TempFolder folder;
    // The tool and its libraries where any user may run them, in a folder where any user may make
    // files but none may replace another's (else the registry would not be trusted).
    fs::permissions(folder.Path(), fs::perms::all | fs::perms::sticky_bit);
    for (const fs::path& library : {fs::path(QUELLMAR_PROGRAM_DIR) / "register_component",
                                   fs::path(QUELLMAR_PROGRAM_DIR) / "libquellmar_com.so",
                                   fs::path(QUELLMAR_PROGRAM_DIR) / "libquellmar_vb.so", fs::path(COUNTER_COMPONENT)})
        fs::copy_file(library, folder / library.filename());
    const fs::path registry = folder / "components.reg";
    const std::string command = "env QUELLMAR_COMPONENT_REGISTRY='" + registry.string() + "' '" +
                                (folder / "register_component").string() + "' '" +
                                (folder / fs::path(COUNTER_COMPONENT).filename()).string() + "' >/dev/null 2>&1";
    const auto mode = [&] { return fs::status(registry).permissions() & fs::perms::mask; };

    ASSERT_EQ(std::system(command.c_str()), 0);
    fs::permissions(registry, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(mode(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(registry, readOnly);
    const auto before = fs::last_write_time(registry);
    EXPECT_NE(std::system(quellmar::test::AsUnprivilegedUser(command).c_str()), 0);
    EXPECT_EQ(fs::last_write_time(registry), before) << "a write-protected registry is not replaced";
    EXPECT_EQ(mode(), readOnly);
    if (quellmar::test::RunAsSuperuser()) {
        // Whom permissions do not stop writes it, and it stays write-protected.
        EXPECT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(mode(), readOnly);
    }
}

TEST(Registry, TheProcessFileIsTheNamedOneThenTheProgramFoldersThenTheUsers) {
    quellmar::test::TempFolder folder;
    std::optional<com_test::TemporaryRegistry> named(std::in_place);
    EXPECT_EQ(com::Registry::DefaultFile(), named->File());
    named.reset();

    const quellmar::test::EnvironmentVariable configuration("XDG_CONFIG_HOME", (folder / "config").string());
    vb::SetProgramFolder(folder / "program");
    EXPECT_EQ(com::Registry::DefaultFile(), folder / "config" / "quellmar" / "components.reg");
    std::filesystem::create_directories(folder / "program");
    std::ofstream(folder / "program" / "components.reg") << "";
    EXPECT_EQ(com::Registry::DefaultFile(), folder / "program" / "components.reg");

    vb::SetProgramFolder({});
}

}  // namespace
