#pragma once

#include <filesystem>
#include <string_view>

namespace gui {

// A full path "tmp" + four random digits + ".dxf" of a file that does not exist yet, in the
// program folder where it is the user's own to write; else in the user's runtime folder, else in
// "quellmar" in the user's cache folder; never in a folder that other users may write to.
std::filesystem::path GetTempDxfFileName();

// A temporary drawing file: created under a new GetTempDxfFileName name, exclusively (an existing
// file is never replaced, even one that appears between the name check and the creation), with
// the drawing text followed by CR LF, readable by the user alone; removed when the object goes, on
// every exit path.
class TempDrawingFile {
public:
    explicit TempDrawingFile(std::string_view drawingText);
    ~TempDrawingFile();
    TempDrawingFile(const TempDrawingFile&) = delete;
    TempDrawingFile& operator=(const TempDrawingFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace gui
