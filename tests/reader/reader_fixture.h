#pragma once

#include "dxf_builder.h"
#include "temp_folder.h"

#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "reader/reader_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tiraq::test {

// A host that records what the reader asks of it.
struct RecordingHost : ReaderHost {
    void ShowStatusBar(bool placeByLocation) override { shown.push_back(placeByLocation); }
    void PaintProgress(float fraction) override { progress.push_back(fraction); }
    void HideStatusBar() override { ++hidden; }
    void SetMousePointer(int pointer) override { pointers.push_back(pointer); }
    void ClearDrawing() override { ++cleared; }
    void SetPreviousViews(const ViewRect& extents) override { previousViews.push_back(extents); }
    void LinesRead(float pct) override { linesRead.push_back(pct); }

    std::vector<bool> shown;
    std::vector<float> progress;
    int hidden = 0;
    std::vector<int> pointers;
    int cleared = 0;
    std::vector<ViewRect> previousViews;
    std::vector<float> linesRead;
};

// A reader over a fresh database whose spool files go to a folder of the test's own.
class ReaderTest : public ::testing::Test {
protected:
    ReaderTest() {
        std::filesystem::create_directory(SpoolFolder());
        reader.Properties.TmpFileNamePath = SpoolFolder().string() + "\\";
    }

    std::filesystem::path SpoolFolder() const { return folder / "spool"; }

    // Writes the text to a file and loads it as the control's Regen does.
    bool Load(const std::string& text, MergeEnum merge = dxfMergeNew, float xOffset = 0, float yOffset = 0) {
        const std::string path = Write(text);
        return reader.ReadDrawing(merge, path, xOffset, yOffset);
    }

    // The error chain's text of a load that must fail.
    std::string LoadError(const std::string& text, MergeEnum merge = dxfMergeNew) {
        try {
            Load(text, merge);
        } catch (const vb::RuntimeError& e) {
            return e.Description();
        }
        ADD_FAILURE() << "the load did not fail";
        return "";
    }

    std::string Write(const std::string& text, const std::string& name = "drawing.dxf") {
        const std::filesystem::path path = folder / name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        return path.string();
    }

    // Files and folders left in the spool folder.
    int SpoolEntriesLeft() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::recursive_directory_iterator(SpoolFolder()))
            ++count;
        return count;
    }

    quellmar::test::TempFolder folder;
    DrawingDatabase db;
    RecordingHost host;
    DXFReader reader{db, host};
};

// A drawing of the given entities in an ENTITIES section.
inline std::string Drawing(const DxfBuilder& entities) {
    return "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n" + entities.Unclosed() + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
}

// A drawing whose BLOCKS section holds `blocks` and whose ENTITIES section holds `entities`.
inline std::string BlocksAndEntities(const DxfBuilder& blocks, const DxfBuilder& entities) {
    return "  0\r\nSECTION\r\n  2\r\nBLOCKS\r\n" + blocks.Unclosed() + "  0\r\nENDSEC\r\n" + Drawing(entities);
}

}  // namespace tiraq::test
