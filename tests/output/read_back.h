#pragma once

#include "reader_fixture.h"

#include <filesystem>
#include <string>

namespace tiraq::test {

// A drawing database loaded from a file that a writer wrote, as a control loads it.
struct ReadBack {
    ReadBack(const std::filesystem::path& file, const std::string& spoolFolder) {
        reader.Properties.TmpFileNamePath = spoolFolder;
        loaded = reader.ReadDrawing(dxfMergeNew, file.string());
    }

    DrawingDatabase db;
    RecordingHost host;
    DXFReader reader{db, host};
    bool loaded = false;
};

}  // namespace tiraq::test
