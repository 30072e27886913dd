#pragma once

#include "drawing/drawing_target.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

namespace tiraq {

// The bounds of a picture in a metafile, in hundredths of a millimetre.
struct MetafileFrame {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MetafileFrame&) const = default;
};

// The device whose pixels a metafile's picture is drawn in: its size in pixels and how many of
// its pixels make an inch. Programs that show the metafile scale the picture by it into the frame.
struct ReferenceDevice {
    std::int32_t width = 0, height = 0;
    double dotsPerInch = 96;
};

// An enhanced metafile being recorded into a stream: the device that the drawing routine draws
// on in a metafile pass, in the pixels of the reference device.
class EnhancedMetafile final : public gui::MetafileDevice {
public:
    // A new recording into `out`, a seekable stream that must stay open until Close. The
    // description is passed as it is and must end in two NULs. Null when the metafile cannot be
    // made.
    static std::unique_ptr<EnhancedMetafile> Create(std::FILE* out, const MetafileFrame& frame,
                                                    const ReferenceDevice& device, std::string_view description);
    // A metafile never closed is discarded: nothing more reaches the stream.
    ~EnhancedMetafile() override;

    gui::DrawingSurface& Surface() override;
    // The drawing routine ends its metafile passes with the close of old-style metafiles, which
    // leaves an enhanced metafile open: it is ended by Close.
    void CloseMetaFile() override {}
    // Writes the metafile to the stream; what is drawn after it is lost. A write that fails
    // raises the runtime's file error.
    void Close();

    class Recording;

private:
    explicit EnhancedMetafile(std::unique_ptr<Recording> recording);
    std::unique_ptr<Recording> recording_;
};

}  // namespace tiraq
