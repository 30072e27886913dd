#include "vb/input_file.h"

#include "vb/error.h"

#include "named_pipe.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string RefusalOf(const std::filesystem::path& path) {
    try {
        vb::InputFile file(path);
    } catch (const vb::RuntimeError& error) {
        return error.Description();
    }
    return "(opened)";
}

TEST(InputFile, RefusesWhatIsNoRegularFileWithoutWaitingOnIt) {
    quellmar::test::TempFolder folder;
    const quellmar::test::NamedPipe pipe(folder / "pipe.quo");
    EXPECT_EQ(RefusalOf(pipe.Path()), "This is a named pipe (FIFO), not a file.");
    EXPECT_EQ(RefusalOf(folder.Path()), "This is a folder, not a file.");
    EXPECT_EQ(RefusalOf("/dev/null"), "This is a device, not a file.");
    std::filesystem::create_symlink("/dev/zero", folder / "zero.dxf");
    EXPECT_EQ(RefusalOf(folder / "zero.dxf"), "This is a device, not a file.");
    EXPECT_EQ(RefusalOf(folder / "missing.quo"), "No such file or directory");
}

TEST(InputFile, ReadsARegularFileUpToTheLimitGiven) {
    quellmar::test::TempFolder folder;
    std::ofstream(folder / "text.txt", std::ios::binary) << std::string(200000, 'x') << "end";
    vb::InputFile whole(folder / "text.txt");
    EXPECT_EQ(whole.Size(), 200003);
    const std::string all = whole.ReadUpTo(1 << 20);
    EXPECT_EQ(all.size(), 200003u);
    EXPECT_EQ(all.substr(all.size() - 4), "xend");
    vb::InputFile start(folder / "text.txt");
    EXPECT_EQ(start.ReadUpTo(10), std::string(10, 'x'));
}

}  // namespace
