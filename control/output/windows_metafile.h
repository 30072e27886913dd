#pragma once

#include "drawing/drawing_target.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace tiraq {

// The 22 bytes that make a Windows metafile placeable: its bounds in metafile units and how many
// of those make an inch.
struct PlaceableHeader {
    std::int16_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::uint16_t Inch = 0;
};

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr std::size_t kPlaceableHeaderSize = 22;

// The header as it is written, little-endian, with its checksum (the XOR of the ten words
// before it).
std::array<std::uint8_t, kPlaceableHeaderSize> EncodePlaceableHeader(const PlaceableHeader& header);

// A standard (old-style) Windows metafile recorded into a seekable stream from its present
// position on: the device of a metafile pass, in the drawing picture's pixels. Coordinates are
// the format's 16-bit ones. The metafile ends at CloseMetaFile, which the drawing routine calls
// at the end of its pass; later drawing is not recorded.
class WindowsMetafile final : public gui::MetafileDevice, private gui::DrawingSurface {
public:
    explicit WindowsMetafile(std::FILE* out);
    ~WindowsMetafile() override;

    gui::DrawingSurface& Surface() override { return *this; }
    // Writes the end record and puts the finished header in front; the stream's error, if any,
    // is the caller's to check.
    void CloseMetaFile() override;

private:
    void SetRasterOp(gui::RasterOp op) override;
    void DrawLine(const gui::Pen& pen, gui::PixelPoint from, gui::PixelPoint to) override;
    void DrawPolyline(const gui::Pen& pen, std::span<const gui::PixelPoint> points) override;
    void DrawArc(const gui::Pen& pen, const gui::PixelRect& box, gui::PixelPoint start, gui::PixelPoint end) override;
    void DrawEllipse(const gui::Pen& pen, const gui::PixelRect& box) override;
    void SetPixel(gui::PixelPoint point, gui::Colour colour) override;
    void FillPolygon(std::span<const gui::PixelPoint> corners, gui::Colour colour) override;
    void DrawRectangle(const gui::Pen& pen, const gui::PixelRect& box, bool filled) override;
    void DrawText(const gui::TextFont& font, gui::PixelPoint anchor, double rotation, gui::TextAlign align,
                  gui::Colour colour, std::string_view text) override;
    gui::TextMetrics MeasureText(const gui::TextFont& font, std::string_view text) override;

    // One record: its function and its parameters as 16-bit words.
    void Record(std::uint16_t function, const std::vector<std::uint16_t>& parameters);
    void WriteHeader();
    // Objects take the lowest free slot of the metafile's object table.
    std::uint16_t CreateObject(std::uint16_t function, const std::vector<std::uint16_t>& parameters);
    void DeleteObject(std::uint16_t slot);
    void SelectObject(std::uint16_t slot);
    void UsePen(const gui::Pen& pen);
    void UseSolidBrush(gui::Colour colour);
    void UseHollowBrush();
    void UseFont(const gui::TextFont& font, double rotation);
    void UseTextAlign(std::uint16_t flags);
    void UseTextColour(gui::Colour colour);

    std::FILE* out_;
    long start_ = 0;
    bool open_ = true;
    std::uint32_t sizeInWords_ = 0;
    std::uint32_t largestRecord_ = 0;
    std::vector<bool> slots_;

    std::uint16_t hollowBrush_ = 0;
    int pen_ = -1;
    gui::Pen currentPen_;
    int brush_ = -1;
    gui::Colour brushColour_ = 0;
    bool brushSelected_ = false;
    int font_ = -1;
    gui::TextFont currentFont_;
    std::int32_t currentEscapement_ = 0;
    int textAlign_ = -1;
    std::int64_t textColour_ = -1;
};

}  // namespace tiraq
