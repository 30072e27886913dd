#include "reader_fixture.h"

#include "reader/line_ending_repair.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tiraq::test {
namespace {

class LineEndingRepair : public ReaderTest {
protected:
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Fix(const std::string& in, const std::string& out) { return FixUNIXFile(error, in, out, host); }
    std::string error = "old";
};

TEST_F(LineEndingRepair, EndsEveryLineInCarriageReturnAndLineFeed) {
    const std::string in = Write("A\nB", "unix.dxf");
    const std::string out = (folder / "dos.dxf").string();
    ASSERT_TRUE(Fix(in, out));
    EXPECT_EQ(error, "");
    EXPECT_EQ(Read(out), "A\r\nB\r\n");
    EXPECT_EQ(host.pointers, (std::vector<int>{kPointerHourglass, kPointerDefault}));
    EXPECT_EQ(host.hidden, 1);
    ASSERT_TRUE(Fix(Write("\n\nC\n", "blank.dxf"), out));
    EXPECT_EQ(Read(out), "\r\n\r\nC\r\n");
    ASSERT_TRUE(Fix(Write("", "empty.dxf"), out));
    EXPECT_EQ(Read(out), "");
}

TEST_F(LineEndingRepair, RefusesTheSameFileUnderAnySpelling) {
    const std::string in = Write("A\n", "same.dxf");
    EXPECT_FALSE(Fix(in, in));
    EXPECT_EQ(error, "An error ocurred in FixUNIXFile. The message is: The input and  output file names must be different.");
    EXPECT_FALSE(Fix(in, (folder / "." / "same.dxf").string()));
    EXPECT_NE(error.find("must be different"), std::string::npos);
    EXPECT_EQ(Read(in), "A\n");
}

TEST_F(LineEndingRepair, RefusesAFileThatHasCarriageReturnsAndLeavesTheOutputAlone) {
    const std::string in = Write("A\nB\r\nC\n", "dos.dxf");
    const std::string out = Write("previous", "out.dxf");
    EXPECT_FALSE(Fix(in, out));
    EXPECT_EQ(error, "An error ocurred in FixUNIXFile. The message is: File already appears to be DOS/Windows "
                     "compatible. CR/LF pairs are intact.");
    EXPECT_EQ(Read(out), "previous");
    EXPECT_FALSE(Fix((folder / "missing.dxf").string(), out));
    EXPECT_EQ(error, "An error ocurred in FixUNIXFile. The message is: File not found");
    EXPECT_EQ(host.pointers.back(), kPointerDefault);
}

TEST_F(LineEndingRepair, MakesAUnixDrawingLoadable) {
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line("0", "0", "1", "1").EndSection();
    std::string unix = dxf.Text();
    std::erase(unix, '\r');
    const std::string in = Write(unix, "unix.dxf");
    EXPECT_NE(LoadError(unix).find("does not appear to be a DXF file."), std::string::npos);
    const std::string out = (folder / "fixed.dxf").string();
    ASSERT_TRUE(Fix(in, out));
    ASSERT_TRUE(reader.ReadDrawing(dxfMergeNew, out));
    EXPECT_EQ(db.LineCount(), 1);
}

}  // namespace
}  // namespace tiraq::test
