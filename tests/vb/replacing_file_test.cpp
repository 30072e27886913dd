#include "vb/replacing_file.h"

#include "file_size_limit.h"
#include "named_pipe.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using quellmar::test::Listing;
using quellmar::test::TempFolder;
using Step = vb::FileWriteError::Step;

std::string Content(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Failure {
    long number = 0;
    std::string reason;
    Step at = Step::Target;
    bool operator==(const Failure&) const = default;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.number << " \"" << failure.reason << "\" at step " << static_cast<int>(failure.at);
}

Failure FailureOf(const std::function<void()>& write) {
    try {
        write();
    } catch (const vb::FileWriteError& error) {
        return {error.Number(), error.Reason(), error.At()};
    }
    return {0, "(written)"};
}

fs::perms ModeOf(const fs::path& file) { return fs::status(file).permissions() & fs::perms::mask; }

TEST(ReplacingFile, ReplacesTheWholeFileKeepsItsPermissionsAndWritesThroughALink) {
    const TempFolder folder;
    std::ofstream(folder / "a.txt") << "a much longer old content";
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(folder / "a.txt", mode);
    vb::ReplaceFile(folder / "a.txt", "new");
    EXPECT_EQ(Content(folder / "a.txt"), "new");
    EXPECT_EQ(ModeOf(folder / "a.txt"), mode);

    // A link, also one that leads to no file yet, stays a link; the file it leads to gets the content.
    fs::create_symlink("a.txt", folder / "link.txt");
    fs::create_symlink("later.txt", folder / "dangling.txt");
    vb::ReplaceFile(folder / "link.txt", "through the link");
    vb::ReplaceFile(folder / "dangling.txt", "made");
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.txt"));
    EXPECT_EQ(Content(folder / "a.txt"), "through the link");
    EXPECT_EQ(Content(folder / "later.txt"), "made");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(folder / "later.txt"), static_cast<fs::perms>(0666 & ~mask)) << "a new file's permissions";
    EXPECT_EQ(Listing(folder.Path()), (std::set<std::string>{"a.txt", "dangling.txt", "later.txt", "link.txt"}));
}

TEST(ReplacingFile, AFolderAPipeADeviceOrAWriteProtectedFileIsRefusedAndLeftAsItWas) {
    if (quellmar::test::RanAsUnprivilegedUser()) return;
    const TempFolder folder;
    const quellmar::test::NamedPipe pipe(folder / "pipe");
    fs::create_directory(folder / "sub");
    std::ofstream(folder / "protected.txt") << "kept";
    fs::permissions(folder / "protected.txt", fs::perms::owner_read);
    const auto write = [](const fs::path& target) { return FailureOf([&] { vb::ReplaceFile(target, "new"); }); };
    EXPECT_EQ(write(pipe.Path()), (Failure{75, "This is a named pipe (FIFO), not a file.", Step::Target}));
    EXPECT_EQ(write(folder / "sub"), (Failure{75, "This is a folder, not a file.", Step::Target}));
    EXPECT_EQ(write("/dev/null"), (Failure{75, "This is a device, not a file.", Step::Target}));
    EXPECT_EQ(write(folder / "protected.txt"), (Failure{70, "Permission denied", Step::Target}));
    EXPECT_EQ(write(folder / "missing" / "new.txt"), (Failure{76, "No such file or directory", Step::Writing}));
    EXPECT_EQ(fs::status(pipe.Path()).type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_empty(folder / "sub"));
    EXPECT_EQ(Content(folder / "protected.txt"), "kept");
    EXPECT_EQ(Listing(folder.Path()), (std::set<std::string>{"pipe", "protected.txt", "sub"}));
}

TEST(ReplacingFile, AWriteThatFailsPartWayLeavesTheOldFileAndNoTemporaryFile) {
    const TempFolder folder;
    std::ofstream(folder / "a.txt") << "old";
    Failure failure;
    {
        const quellmar::test::FileSizeLimit limit(8);
        failure = FailureOf([&] { vb::ReplaceFile(folder / "a.txt", std::string(100000, 'x')); });
    }
    EXPECT_EQ(failure, (Failure{75, "File too large", Step::Writing}));
    EXPECT_EQ(Content(folder / "a.txt"), "old");
    EXPECT_EQ(Listing(folder.Path()), std::set<std::string>{"a.txt"});
}

// The descriptors of this process that a program it starts would inherit.
std::set<int> InheritedDescriptors() {
    std::set<int> inherited;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        const int descriptor = std::stoi(entry.path().filename().string());
        const int flags = ::fcntl(descriptor, F_GETFD);
        if (flags >= 0 && !(flags & FD_CLOEXEC)) inherited.insert(descriptor);
    }
    return inherited;
}

TEST(ReplacingFile, InAFolderThatTakesNoNewFileOnlyTheFallbackWritesAFileInPlace) {
    if (quellmar::test::RanAsUnprivilegedUser()) return;
    const TempFolder folder;
    std::ofstream(folder / "a.txt") << "a much longer old content";
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::set<int> inheritedBefore = InheritedDescriptors();
    std::set<int> inheritedWhileHeld;
    {
        vb::ReplacingFile held(folder / "a.txt", vb::ReplacingFile::Fallback::WriteInPlace);
        held.Write("new");
        inheritedWhileHeld = InheritedDescriptors();
    }
    EXPECT_EQ(inheritedWhileHeld, inheritedBefore) << "a program started during the save would inherit its content";
    const Failure refused = FailureOf([&] { vb::ReplaceFile(folder / "a.txt", "new"); });
    const std::string unchanged = Content(folder / "a.txt");
    vb::ReplaceFile(folder / "a.txt", "new", vb::ReplacingFile::Fallback::WriteInPlace);
    const std::string inPlace = Content(folder / "a.txt");
    const Failure noNewFile =
        FailureOf([&] { vb::ReplaceFile(folder / "b.txt", "new", vb::ReplacingFile::Fallback::WriteInPlace); });
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(refused, (Failure{70, "Permission denied", Step::Writing}));
    EXPECT_EQ(unchanged, "a much longer old content");
    EXPECT_EQ(inPlace, "new");
    EXPECT_EQ(noNewFile, (Failure{70, "Permission denied", Step::Writing}));
    EXPECT_EQ(Listing(folder.Path()), std::set<std::string>{"a.txt"});
}

// Saves "new" over a.txt, which has a second name and so is written in place, while another
// program gives the name to something else between the start of the save and its end.
Failure SaveWhileTheNameIsSwapped(const fs::path& folder, const std::function<void(const fs::path&)>& swap) {
    const fs::path target = folder / "a.txt";
    std::ofstream(target) << "old";
    fs::create_hard_link(target, folder / "a-also.txt");
    vb::ReplacingFile file(target, vb::ReplacingFile::Fallback::WriteInPlace);
    file.Write("new");
    fs::remove(target);
    swap(target);
    return FailureOf([&] { file.Commit(); });
}

[[noreturn]] void SaveWhileTheNameIsGivenToAPipe(const fs::path& folder) {
    ::alarm(60);  // a save that waits for a reader of the pipe ends the process here
    const Failure failure = SaveWhileTheNameIsSwapped(folder, [&](const fs::path& target) {
        ::mkfifo(target.c_str(), 0600);
        fs::create_hard_link(target, folder / "pipe-also");
    });
    std::_Exit(failure == Failure{75, "This is a named pipe (FIFO), not a file.", Step::Target} ? 0 : 1);
}

TEST(ReplacingFile, ANameGivenToAPipeOrALinkDuringAnInPlaceSaveIsRefusedNeitherWaitedOnNorFollowed) {
    const TempFolder pipeFolder, linkFolder;
    EXPECT_EXIT(SaveWhileTheNameIsGivenToAPipe(pipeFolder.Path()), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(fs::status(pipeFolder / "a.txt").type(), fs::file_type::fifo);
    EXPECT_EQ(Listing(pipeFolder.Path()), (std::set<std::string>{"a-also.txt", "a.txt", "pipe-also"}));

    // A file with a second name too, which a link put in the save's place would lead the save to.
    std::ofstream(linkFolder / "other.txt") << "other";
    fs::create_hard_link(linkFolder / "other.txt", linkFolder / "other-also.txt");
    const Failure failure =
        SaveWhileTheNameIsSwapped(linkFolder.Path(), [](const fs::path& target) { fs::create_symlink("other.txt", target); });
    EXPECT_EQ(failure, (Failure{75, "This is not a regular file.", Step::Target}));
    EXPECT_EQ(Content(linkFolder / "other.txt"), "other");
    EXPECT_EQ(Content(linkFolder / "a-also.txt"), "old");
    EXPECT_EQ(Listing(linkFolder.Path()), (std::set<std::string>{"a-also.txt", "a.txt", "other-also.txt", "other.txt"}));
}

TEST(ReplacingFile, ALoopOfLinksOrALongerChainThanTheSystemFollowsIsRefusedForTheSystemsReason) {
    const TempFolder folder;
    fs::create_symlink("b", folder / "a");
    fs::create_symlink("a", folder / "b");
    // link0 -> link1 -> ... -> link40 -> end.txt: 41 links from link0, 40 from link1.
    const auto link = [&](int n) { return folder / ("link" + std::to_string(n)); };
    for (int n = 0; n < 40; ++n) fs::create_symlink(link(n + 1).filename(), link(n));
    fs::create_symlink("end.txt", link(40));
    std::ofstream(folder / "end.txt") << "old";
    const int opened = ::open(link(0).c_str(), O_RDONLY);
    EXPECT_EQ(opened < 0 ? errno : 0, ELOOP) << "the system follows no more than 40 links";
    if (opened >= 0) ::close(opened);

    const Failure loop{75, "Too many levels of symbolic links", Step::Target};
    EXPECT_EQ(FailureOf([&] { vb::ReplaceFile(folder / "a", "new"); }), loop);
    EXPECT_EQ(FailureOf([&] { vb::ReplaceFile(link(0), "new"); }), loop);
    EXPECT_TRUE(fs::is_symlink(folder / "a"));
    EXPECT_TRUE(fs::is_symlink(link(0)));
    EXPECT_EQ(Content(folder / "end.txt"), "old");
    vb::ReplaceFile(link(1), "through forty links");
    EXPECT_EQ(Content(folder / "end.txt"), "through forty links");
    EXPECT_EQ(Listing(folder.Path()).size(), 44u) << "no file beside the links";
}

TEST(ReplacingFile, NamesOfTheLongestLengthsAreWrittenThroughShorterTemporaryNames) {
    const TempFolder folder;
    std::string accented;
    while (accented.size() < 254) accented += "\xC3\xA9";  // "é", two bytes
    const std::set<std::string> names = {std::string(245, 'q') + ".quo", std::string(251, 'q') + ".quo", accented + "x"};
    for (const std::string& name : names) {
        ASSERT_LE(name.size(), 255u);
        std::ofstream(folder / name) << "a much longer old content";
        EXPECT_EQ(FailureOf([&] { vb::ReplaceFile(folder / name, "new"); }), (Failure{0, "(written)"})) << name.size();
        EXPECT_EQ(Content(folder / name), "new");
    }
    EXPECT_EQ(Listing(folder.Path()), names);
}

// The process runs with the system's default for the signal of the file-size limit, which ends it.
[[noreturn]] void SaveBeyondTheFileSizeLimit(const fs::path& folder) {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &limit);
    const Failure failure = FailureOf([&] { vb::ReplaceFile(folder / "a.txt", std::string(100000, 'x')); });
    const bool saidAndKept = failure == Failure{75, "File too large", Step::Writing} && Content(folder / "a.txt") == "old" &&
                             Listing(folder) == std::set<std::string>{"a.txt"};
    std::_Exit(saidAndKept ? 0 : 1);
}

TEST(ReplacingFile, AFileSizeLimitEndsTheSaveWithFileTooLargeNotTheProgram) {
    const TempFolder folder;
    std::ofstream(folder / "a.txt") << "old";
    EXPECT_EXIT(SaveBeyondTheFileSizeLimit(folder.Path()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
