#pragma once

#include "doubles/recording_surface.h"
#include "drawing/drawing_target.h"

namespace gui {

// A drawing target of a fixed pixel size over a recording surface, for tests: it stands for a
// picture or the printer and counts what happens to it besides drawing.
class RecordingTarget : public PrintingTarget {
public:
    RecordingTarget(std::int32_t width, std::int32_t height, double dotsPerInch = 96);

    RecordingSurface& Recording() { return surface_; }
    void Resize(std::int32_t width, std::int32_t height);

    DrawingSurface& Surface() override;
    std::int32_t PixelWidth() const override { return width_; }
    std::int32_t PixelHeight() const override { return height_; }
    double DotsPerInch() const override { return dotsPerInch_; }
    std::uintptr_t WindowHandle() const override { return reinterpret_cast<std::uintptr_t>(this); }

    void Cls() override;
    void Refresh() override { ++refreshes_; }
    void NewPage() override { ++pages_; }
    void EndDoc() override;
    bool DocumentOpen() const override { return documentOpen_; }

    int Refreshes() const { return refreshes_; }
    int Clears() const { return clears_; }
    int DocumentsEnded() const { return documentsEnded_; }

private:
    RecordingSurface surface_;
    std::int32_t width_;
    std::int32_t height_;
    double dotsPerInch_;
    int refreshes_ = 0;
    int clears_ = 0;
    int pages_ = 0;
    int documentsEnded_ = 0;
    bool documentOpen_ = false;
};

}  // namespace gui
