#include "vb/trusted_file.h"
#include "vb/user_folders.h"

#include "access_list.h"
#include "environment_variable.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using quellmar::test::kSecondUser;
using quellmar::test::kSharedGroup;
using quellmar::test::TempFolder;

class Trust : public ::testing::Test {
protected:
    Trust() {
        fs::create_directory(folder / "sub");
        std::ofstream(folder / "sub" / "components.reg") << "";
    }
    std::string Refusal(const fs::path& path) const { return vb::TrustOf(path).refusal; }
    TempFolder folder;
};

TEST_F(Trust, TheUsersOwnFileIsTrustedAndOpenedByItsResolvedName) {
    fs::create_symlink(folder / "sub" / "components.reg", folder / "link.reg");
    const vb::Trust trust = vb::TrustOf(folder / "link.reg");
    EXPECT_TRUE(trust.Trusted()) << trust.refusal;
    EXPECT_EQ(trust.resolved, fs::canonical(folder / "sub" / "components.reg"));
    EXPECT_EQ(Refusal(folder / "missing.reg"), (folder / "missing.reg").string() + ": No such file or directory");
}

TEST_F(Trust, WhatOtherUsersOwnOrMayChangeIsRefusedAndSaysWhy) {
    const fs::path sub = folder / "sub";
    const fs::path file = sub / "components.reg";
    fs::permissions(file, fs::perms::others_write, fs::perm_options::add);
    EXPECT_EQ(Refusal(file), file.string() + " may be changed by every user");
    fs::permissions(file, fs::perms::others_write, fs::perm_options::remove);
    EXPECT_EQ(Refusal(file), "");

    // A folder above that others may write to, unless its sticky bit keeps them from replacing names.
    fs::permissions(sub, fs::perms::all);
    EXPECT_EQ(Refusal(file), sub.string() + " may be changed by every user");
    fs::permissions(sub, fs::perms::sticky_bit, fs::perm_options::add);
    EXPECT_EQ(Refusal(file), "");
    EXPECT_EQ(Refusal(sub), sub.string() + " may be changed by every user") << "a shared folder itself";

    if (!quellmar::test::RunAsSuperuser()) return;  // only the superuser gives files away
    ASSERT_EQ(::chown(file.c_str(), ::geteuid(), kSharedGroup), 0);
    fs::permissions(file, fs::perms::group_write, fs::perm_options::add);
    EXPECT_EQ(Refusal(file), file.string() + " may be changed by the users of the group number " + std::to_string(kSharedGroup));
    // The user's private group may write, but an access control list lets another user write too.
    const passwd* account = ::getpwuid(::geteuid());
    ASSERT_NE(account, nullptr);
    ASSERT_EQ(::chown(file.c_str(), ::geteuid(), account->pw_gid), 0);
    EXPECT_EQ(Refusal(file), "") << "the user's private group";
    const std::string list = quellmar::test::AccessList();
    if (::setxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) == 0) {
        EXPECT_EQ(Refusal(file), file.string() + " may be changed by other users through its access control list");
        ASSERT_EQ(::removexattr(file.c_str(), "system.posix_acl_access"), 0);
    }
    ASSERT_EQ(::chown(file.c_str(), kSecondUser, kSecondUser), 0);
    fs::permissions(file, fs::perms::group_write, fs::perm_options::remove);
    EXPECT_EQ(Refusal(file),
              file.string() + " belongs to the user number " + std::to_string(kSecondUser) + ", who is neither you nor root");
}

TEST(UserFolders, ComeFromTheUsersOwnSettingsOrAccountNeverFromASharedFolder) {
    using quellmar::test::EnvironmentVariable;
    const EnvironmentVariable config("XDG_CONFIG_HOME", "/srv/config");
    const EnvironmentVariable cache("XDG_CACHE_HOME", "relative/cache");
    const EnvironmentVariable home("HOME", nullptr);
    const EnvironmentVariable runtime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(vb::ConfigurationFolder(), "/srv/config");
    const passwd* account = ::getpwuid(::geteuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(vb::CacheFolder(), fs::path(account->pw_dir) / ".cache") << "a relative setting is ignored";
    EXPECT_EQ(vb::RuntimeFolder(), "");
}

}  // namespace
