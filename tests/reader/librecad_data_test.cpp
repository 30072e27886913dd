#include "reader_fixture.h"

#include "reader/line_ending_repair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

namespace tiraq::test {
namespace {

// The DXF files a Debian package of a drawing program installs: patterns, part libraries and
// drawing sheets from many writers.
constexpr const char* kLibreCadData = "/usr/share/librecad";

// The refusals the reader makes by design of its file format rules.
bool IsOwnRefusal(const std::string& error) {
    return error.find("does not appear to be a DXF file.") != std::string::npos ||
           error.find("Polyline read error") != std::string::npos;
}

using LibreCadData = ReaderTest;

TEST_F(LibreCadData, EveryInstalledDrawingLoads) {
    if (!std::filesystem::is_directory(kLibreCadData)) GTEST_SKIP() << "librecad-data is not installed";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kLibreCadData)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".dxf") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    const std::string converted = (folder / "converted.dxf").string();
    int loaded = 0;
    std::map<std::string, int> refusals;
    std::int64_t entities = 0;
    for (const auto& file : files) {
        // Files with bare line feeds are converted first, as the host does.
        std::string error;
        std::string path = file.string();
        if (FixUNIXFile(error, path, converted, host)) path = converted;
        try {
            reader.ReadDrawing(dxfMergeNew, path);
            ++loaded;
            entities += db.SeqCount();
            EXPECT_TRUE(db.DXFComplete) << file;
        } catch (const vb::RuntimeError& e) {
            EXPECT_TRUE(IsOwnRefusal(e.Description())) << file << ": " << e.Description();
            ++refusals[e.Description().substr(e.Description().find('\n') + 1, 40)];
        }
        EXPECT_EQ(SpoolEntriesLeft(), 0) << file;
    }
    std::cout << files.size() << " files, " << loaded << " loaded with " << entities << " display entries\n";
    for (const auto& [text, count] : refusals) std::cout << count << " refused: " << text << "\n";
    EXPECT_GT(loaded, static_cast<int>(files.size()) * 9 / 10);
}

}  // namespace
}  // namespace tiraq::test
