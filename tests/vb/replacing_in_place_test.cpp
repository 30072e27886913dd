// Files that other users share, saved by one of them: the file stays the same file to all of them,
// and a save that cannot be finished leaves it as it was.
#include "vb/replacing_file.h"

#include "access_list.h"
#include "small_disk.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quellmar::test::AccessList;
using quellmar::test::AccessListOf;
using quellmar::test::kNobody;
using quellmar::test::kSecondUser;
using quellmar::test::kSharedGroup;
using quellmar::test::TempFolder;

std::string Content(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What the file is to its users besides its content.
struct Identity {
    unsigned owner = 0, group = 0, mode = 0;
    bool operator==(const Identity&) const = default;
};

void PrintTo(const Identity& identity, std::ostream* out) {
    *out << identity.owner << ":" << identity.group << " " << std::oct << identity.mode;
}

Identity IdentityOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return {info.st_uid, info.st_gid, info.st_mode & 07777u};
}

void Make(const fs::path& file, const std::string& content, Identity identity) {
    std::ofstream(file) << content;
    ASSERT_EQ(::chown(file.c_str(), identity.owner, identity.group), 0);
    ASSERT_EQ(::chmod(file.c_str(), identity.mode), 0);
}

// Saves `content` as `target` as the user `user` in the further groups `groups`; what it said.
std::string SaveAs(unsigned user, const fs::path& target, const std::string& content, const char* fallback = "in-place",
                   const std::string& groups = "") {
    int status = 0;
    const std::string said = quellmar::test::CommandOutput(
        quellmar::test::AsUser(user, "'" REPLACE_FILE_PROBE "' '" + target.string() + "' '" + content + "' " + fallback, groups),
        status);
    return status == 0 ? said : "(the probe failed: " + said + ")";
}

class SharedFile : public ::testing::Test {
protected:
    void SetUp() override {
        if (!quellmar::test::RunAsSuperuser()) GTEST_SKIP() << "acting as several users needs the superuser";
        quellmar::test::OpenToEveryone(folder.Path());
    }
    TempFolder folder;
};

TEST_F(SharedFile, AGroupMembersSaveKeepsTheOwnerTheGroupAndTheAccessList) {
    // A folder that every user may write to, without the sticky bit: a new file could take the old one's place.
    fs::permissions(folder.Path(), fs::perms::all);
    const Identity shared{kSecondUser, kSharedGroup, 0664};
    Make(folder / "shared.quo", "old", shared);
    EXPECT_EQ(SaveAs(kNobody, folder / "shared.quo", "by a member", "in-place", std::to_string(kSharedGroup)), "written");
    EXPECT_EQ(Content(folder / "shared.quo"), "by a member");
    EXPECT_EQ(IdentityOf(folder / "shared.quo"), shared);

    // The member's own file in the shared group: replaced by a new file of the same group.
    const Identity own{kNobody, kSharedGroup, 0664};
    Make(folder / "own.quo", "old", own);
    EXPECT_EQ(SaveAs(kNobody, folder / "own.quo", "new", "replace", std::to_string(kSharedGroup)), "written");
    EXPECT_EQ(Content(folder / "own.quo"), "new");
    EXPECT_EQ(IdentityOf(folder / "own.quo"), own);

    const std::string list = AccessList();
    Make(folder / "listed.quo", "old", {kNobody, kNobody, 0664});
    if (::setxattr((folder / "listed.quo").c_str(), "system.posix_acl_access", list.data(), list.size(), 0) != 0)
        GTEST_SKIP() << "the file system keeps no access control lists";
    EXPECT_EQ(SaveAs(kNobody, folder / "listed.quo", "new", "replace"), "written");
    EXPECT_EQ(Content(folder / "listed.quo"), "new");
    EXPECT_EQ(AccessListOf(folder / "listed.quo"), list);
    EXPECT_EQ(quellmar::test::Listing(folder.Path()), (std::set<std::string>{"listed.quo", "own.quo", "shared.quo"}));
}

TEST_F(SharedFile, EveryHardLinkOfASavedFileShowsTheNewContent) {
    fs::permissions(folder.Path(), fs::perms::all);
    Make(folder / "a.quo", "old", {kNobody, kNobody, 0644});
    fs::create_hard_link(folder / "a.quo", folder / "b.quo");
    EXPECT_EQ(SaveAs(kNobody, folder / "a.quo", "new"), "written");
    EXPECT_EQ(Content(folder / "b.quo"), "new");
    EXPECT_EQ(fs::hard_link_count(folder / "a.quo"), 2u);
}

TEST_F(SharedFile, AnotherUsersWritableFileInAStickyFolderIsSavedInPlace) {
    fs::permissions(folder.Path(), fs::perms::all | fs::perms::sticky_bit);
    const Identity theirs{kSecondUser, kSecondUser, 0666};
    Make(folder / "theirs.quo", "a much longer old content", theirs);
    EXPECT_EQ(SaveAs(kNobody, folder / "theirs.quo", "new"), "written");
    EXPECT_EQ(Content(folder / "theirs.quo"), "new");
    EXPECT_EQ(IdentityOf(folder / "theirs.quo"), theirs);
    EXPECT_EQ(quellmar::test::Listing(folder.Path()), std::set<std::string>{"theirs.quo"});
}

const std::string kQuotation = "Air,20,0,60,0,30,60,0,5,0,2,2004-02-29,Quellmar Ltd,Hill Road,Ann,Q1,Bob\r\n";

// Runs in a child process of its own, where the small full disk is; says what went wrong on the
// error stream and in its exit code.
[[noreturn]] void SaveInPlaceOnAFullDisk(const fs::path& disk) {
    if (!quellmar::test::MountSmallDisk(disk, 64 * 1024)) {
        std::cerr << "cannot mount a small disk\n";
        std::_Exit(2);
    }
    // A folder that takes no new file from the user, who may write the quotation itself.
    const fs::path quotes = disk / "quotes";
    fs::create_directory(quotes);
    const fs::path file = quotes / "a.quo";
    Make(file, kQuotation, {kNobody, kNobody, 0644});
    quellmar::test::FillUp(disk);
    std::ostringstream wrong;
    const std::string longer(5000, 'x');
    if (const std::string said = SaveAs(kNobody, file, longer); said != "The disk is full.")
        wrong << "a longer save said \"" << said << "\"\n";
    if (Content(file) != kQuotation) wrong << "the old quotation became \"" << Content(file).substr(0, 80) << "...\"\n";
    if (quellmar::test::Listing(quotes) != std::set<std::string>{"a.quo"}) wrong << "a file was left beside it\n";
    // A save that needs no more room than the old file had still goes through.
    if (const std::string said = SaveAs(kNobody, file, "Air,1"); said != "written") wrong << "a shorter save said " << said;
    if (Content(file) != "Air,1") wrong << "the shorter save wrote \"" << Content(file) << "\"\n";
    std::cerr << wrong.str();
    std::_Exit(wrong.str().empty() ? 0 : 1);
}

TEST_F(SharedFile, InPlaceFullDiskSaveLeavesTheOldFileByteForByte) {
    fs::create_directory(folder / "disk");
    EXPECT_EXIT(SaveInPlaceOnAFullDisk(folder / "disk"), ::testing::ExitedWithCode(0), "");
}

}  // namespace
