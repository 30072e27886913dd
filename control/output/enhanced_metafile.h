#pragma once

#include "gui/drawing_target.h"

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

// An enhanced metafile being recorded into a stream: the device that the drawing routine draws
// on in a metafile pass, in the pixels of the drawing picture.
class EnhancedMetafile final : public gui::MetafileDevice {
public:
    // A new recording into `out`, which must stay open until Close. The description is passed
    // as it is and must end in two NULs. Null when the metafile cannot be made.
    static std::unique_ptr<EnhancedMetafile> Create(std::FILE* out, const MetafileFrame& frame,
                                                    std::string_view description);
    ~EnhancedMetafile() override;

    gui::DrawingSurface& Surface() override;
    // The drawing routine ends its metafile passes with the close of old-style metafiles, which
    // leaves an enhanced metafile open: it is ended by Close.
    void CloseMetaFile() override {}
    // Writes the end of the metafile to the stream; what is drawn after it is lost.
    void Close();

    class Recording;

private:
    explicit EnhancedMetafile(std::unique_ptr<Recording> recording);
    std::unique_ptr<Recording> recording_;
};

}  // namespace tiraq
