// A local user plants a component registry and a library where another user's program might look;
// the other user's program must run none of it.
#include "component_test_support.h"
#include "counter.h"

#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <pwd.h>

namespace {

namespace fs = std::filesystem;
using quellmar::test::kNobody;
using quellmar::test::kSecondUser;

class PlantedRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        if (!quellmar::test::RunAsSuperuser()) GTEST_SKIP() << "acting as two users needs the superuser";
        // A folder like the system's temporary one: everyone makes names, no one replaces another's.
        fs::permissions(shared.Path(), fs::perms::all | fs::perms::sticky_bit);
        quellmar::test::OpenToEveryone(staging.Path());
    }

    // Runs a shell command as the user.
    static void As(unsigned user, const std::string& command) {
        int status = 0;
        const std::string said = quellmar::test::CommandOutput(quellmar::test::AsUser(user, "sh -c '" + command + "' 2>&1"), status);
        ASSERT_EQ(status, 0) << command << ": " << said;
    }

    // Leaves, as the user, a registry in `folder`/quellmar naming the class's library `library`.
    void Registry(unsigned user, const fs::path& folder, const fs::path& library) {
        const fs::path content = staging / (std::to_string(user) + ".reg");
        std::ofstream(content) << "class " << counter_test::kCounterClassId.ToString() << " " << library.string() << "\n"
                               << "progid " << counter_test::kCounterProgId << " "
                               << counter_test::kCounterClassId.ToString() << "\n";
        As(user, "mkdir -p " + (folder / "quellmar").string() + " && cp " + content.string() + " " +
                     (folder / "quellmar" / "components.reg").string());
    }
    // Leaves, as the user, a working component library in `folder`.
    fs::path Library(unsigned user, const fs::path& folder) {
        As(user, "mkdir -p " + folder.string() + " && cp " COUNTER_COMPONENT " " + (folder / "libcounter.so").string());
        return folder / "libcounter.so";
    }

    // What the program, run by the user "nobody" with only these settings, makes of the class.
    static std::string Create(const std::string& settings) {
        int status = 0;
        return quellmar::test::CommandOutput(quellmar::test::AsUser(kNobody, "env -i " + settings + " '" CREATE_OBJECT_PROBE "' " +
                                                                                  counter_test::kCounterProgId + " 2>&1"),
                                             status);
    }

    quellmar::test::TempFolder shared, staging;
};

TEST_F(PlantedRegistry, AnotherUsersRegistryInASharedFolderIsNeverRead) {
    Registry(kSecondUser, shared.Path(), Library(kSecondUser, shared / "quellmar"));
    const fs::path planted = shared / "quellmar" / "components.reg";
    // Without a home folder set, the program looks in the account's, never in the shared temporary folder.
    const passwd* account = ::getpwuid(kNobody);
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(Create("TMPDIR=" + shared.Path().string()),
              "ActiveX component can't create object: " + std::string(counter_test::kCounterProgId) +
                  " is not registered in " + account->pw_dir + "/.config/quellmar/components.reg");
    const std::string refused = "Permission denied: the component registry " + planted.string() + " is not used: " +
                                (shared / "quellmar").string() + " belongs to the user number " +
                                std::to_string(kSecondUser) + ", who is neither you nor root.";
    EXPECT_EQ(Create("XDG_CONFIG_HOME=" + shared.Path().string()), refused);
    EXPECT_EQ(Create("QUELLMAR_COMPONENT_REGISTRY=" + planted.string()), refused);
}

TEST_F(PlantedRegistry, TheUsersOwnRegistryLoadsNoLibraryThatAnotherUserOwnsOrMayChange) {
    const fs::path theirs = Library(kSecondUser, shared / "theirs");
    Registry(kNobody, shared / "mine", theirs);
    EXPECT_EQ(Create("XDG_CONFIG_HOME=" + (shared / "mine").string()),
              "ActiveX component can't create object: the library " + theirs.string() + " is not loaded: " +
                  (shared / "theirs").string() + " belongs to the user number " + std::to_string(kSecondUser) +
                  ", who is neither you nor root");

    // The user's own library, but in a folder that every user may change.
    const fs::path open = Library(kNobody, shared / "open");
    fs::permissions(shared / "open", fs::perms::all);
    Registry(kNobody, shared / "mine2", open);
    EXPECT_EQ(Create("XDG_CONFIG_HOME=" + (shared / "mine2").string()),
              "ActiveX component can't create object: the library " + open.string() + " is not loaded: " +
                  (shared / "open").string() + " may be changed by every user");

    // Where nothing is another's, the same class is made.
    fs::permissions(shared / "open", fs::perms::others_write | fs::perms::group_write, fs::perm_options::remove);
    EXPECT_EQ(Create("XDG_CONFIG_HOME=" + (shared / "mine2").string()), "created");
}

}  // namespace
