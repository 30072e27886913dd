#include "doubles/recording_target.h"

namespace gui {

RecordingTarget::RecordingTarget(std::int32_t width, std::int32_t height, double dotsPerInch)
    : width_(width), height_(height), dotsPerInch_(dotsPerInch) {}

void RecordingTarget::Resize(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
}

DrawingSurface& RecordingTarget::Surface() {
    documentOpen_ = true;
    return surface_;
}

void RecordingTarget::Cls() {
    ++clears_;
    DrawingTarget::Cls();
}

void RecordingTarget::EndDoc() {
    if (!documentOpen_) return;
    documentOpen_ = false;
    ++documentsEnded_;
}

}  // namespace gui
