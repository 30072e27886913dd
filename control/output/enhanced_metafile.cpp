// The one file that includes the enhanced-metafile library: its headers define min, max, ERROR,
// TRANSPARENT and many more as macros.

#include "output/enhanced_metafile.h"

#include "output/gdi_mapping.h"
#include "vb/error.h"
#include "vb/cp1252.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include <libEMF/emf.h>
#undef min
#undef max
#undef DrawText

namespace tiraq {
namespace {

COLORREF ToColorRef(gui::Colour colour) { return COLORREF(colour & 0xFFFFFF); }

POINT ToPoint(gui::PixelPoint p) { return POINT{p.x, p.y}; }

// Where the header of an enhanced metafile keeps the fields that say how big its device is.
constexpr long kBoundsOffset = 8;        // four Longs, in the device's pixels
constexpr long kDeviceOffset = 72;       // width and height in pixels, then in millimetres
constexpr long kMicrometresOffset = 100;  // width and height in micrometres

// Writes Longs, little-endian, at an offset from the start of the metafile.
void PutLongs(std::FILE* out, long at, std::initializer_list<std::int32_t> values) {
    if (std::fseek(out, at, SEEK_SET) != 0) throw vb::FileError(errno);
    for (const std::int32_t value : values) {
        const auto bits = std::uint32_t(value);
        const unsigned char bytes[4] = {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                                        std::uint8_t(bits >> 24)};
        if (std::fwrite(bytes, 1, 4, out) != 4) throw vb::FileError(errno);
    }
}

std::int32_t Rounded(double value) { return std::int32_t(std::lround(value)); }

// The library describes every metafile as made on a device of 1024 x 768 pixels on 320 x 240 mm,
// 3.2 pixels to the millimetre, whatever device the picture was drawn for; programs that show the
// metafile then scale the picture wrongly into its frame. The header is given the picture's own
// device, and bounds that are its frame in that device's pixels.
void SetReferenceDevice(std::FILE* out, long start, const MetafileFrame& frame, const ReferenceDevice& device) {
    if (std::fflush(out) != 0) throw vb::FileError(errno);
    const long end = std::ftell(out);
    if (end < 0) throw vb::FileError(errno);
    const double pixelsPerHundredth = device.dotsPerInch / 2540;
    PutLongs(out, start + kBoundsOffset,
             {Rounded(frame.left * pixelsPerHundredth), Rounded(frame.top * pixelsPerHundredth),
              Rounded(frame.right * pixelsPerHundredth), Rounded(frame.bottom * pixelsPerHundredth)});
    const double millimetresPerPixel = 25.4 / device.dotsPerInch;
    PutLongs(out, start + kDeviceOffset,
             {device.width, device.height, Rounded(device.width * millimetresPerPixel),
              Rounded(device.height * millimetresPerPixel)});
    PutLongs(out, start + kMicrometresOffset,
             {Rounded(device.width * millimetresPerPixel * 1000), Rounded(device.height * millimetresPerPixel * 1000)});
    if (std::fseek(out, end, SEEK_SET) != 0) throw vb::FileError(errno);
}

}  // namespace

// The drawing calls of one metafile, each object made once and replaced only when it changes.
class EnhancedMetafile::Recording final : public gui::DrawingSurface {
public:
    // The metafile begins at `start` in the stream `out`.
    Recording(HDC dc, std::FILE* out, long start, const MetafileFrame& frame, const ReferenceDevice& device)
        : dc_(dc), out_(out), start_(start), frame_(frame), device_(device) {
        SetBkMode(dc_, TRANSPARENT);
        SetPolyFillMode(dc_, ALTERNATE);
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
    }
    ~Recording() override {
        if (dc_ != 0) DeleteDC(dc_);
        DeleteObjects();
    }

    void Close() {
        if (dc_ == 0) return;
        const HDC dc = dc_;
        dc_ = 0;
        int error = 0;
        errno = 0;
        try {
            const HENHMETAFILE metafile = CloseEnhMetaFileWithFILE(dc);
            if (metafile != 0) DeleteEnhMetaFile(metafile);
        } catch (...) {
            // The library throws when a write fails and leaves its device open.
            error = errno != 0 ? errno : EIO;
            DeleteDC(dc);
        }
        DeleteObjects();
        if (error != 0) throw vb::FileError(error);
        SetReferenceDevice(out_, start_, frame_, device_);
    }
    bool Open() const { return dc_ != 0; }

    // A metafile pass never inverts, and the library records no raster operation.
    void SetRasterOp(gui::RasterOp) override {}

    void DrawLine(const gui::Pen& pen, gui::PixelPoint from, gui::PixelPoint to) override {
        if (!Open()) return;
        UsePen(pen);
        MoveToEx(dc_, from.x, from.y, nullptr);
        LineTo(dc_, to.x, to.y);
    }

    void DrawPolyline(const gui::Pen& pen, std::span<const gui::PixelPoint> points) override {
        if (!Open() || points.size() < 2) return;
        UsePen(pen);
        const std::vector<POINT> corners = Points(points);
        Polyline(dc_, corners.data(), INT(corners.size()));
    }

    void DrawArc(const gui::Pen& pen, const gui::PixelRect& box, gui::PixelPoint start, gui::PixelPoint end) override {
        if (!Open()) return;
        UsePen(pen);
        Arc(dc_, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
    }

    void DrawEllipse(const gui::Pen& pen, const gui::PixelRect& box) override {
        if (!Open()) return;
        UsePen(pen);
        UseHollowBrush();
        Ellipse(dc_, box.left, box.top, box.right, box.bottom);
    }

    void SetPixel(gui::PixelPoint point, gui::Colour colour) override {
        if (Open()) ::SetPixel(dc_, point.x, point.y, ToColorRef(colour));
    }

    void FillPolygon(std::span<const gui::PixelPoint> corners, gui::Colour colour) override {
        if (!Open() || corners.size() < 2) return;
        UsePen(gui::Pen{gui::PenStyle::Solid, 1, colour});
        UseSolidBrush(colour);
        const std::vector<POINT> points = Points(corners);
        Polygon(dc_, points.data(), INT(points.size()));
    }

    void DrawRectangle(const gui::Pen& pen, const gui::PixelRect& box, bool filled) override {
        if (!Open()) return;
        UsePen(pen);
        if (filled) UseSolidBrush(pen.colour);
        else UseHollowBrush();
        Rectangle(dc_, box.left, box.top, box.right, box.bottom);
    }

    void DrawText(const gui::TextFont& font, gui::PixelPoint anchor, double rotation, gui::TextAlign align,
                  gui::Colour colour, std::string_view text) override {
        if (!Open()) return;
        UseFont(font, rotation);
        SetTextAlign(dc_, gdi::TextAlignFlags(align));
        SetTextColor(dc_, ToColorRef(colour));
        const std::string bytes = vb::Utf8ToCp1252(text);
        TextOutA(dc_, anchor.x, anchor.y, bytes.c_str(), INT(bytes.size()));
    }

    gui::TextMetrics MeasureText(const gui::TextFont& font, std::string_view text) override {
        return gdi::EstimatedTextMetrics(font, text);
    }

private:
    static std::vector<POINT> Points(std::span<const gui::PixelPoint> points) {
        std::vector<POINT> result;
        result.reserve(points.size());
        std::transform(points.begin(), points.end(), std::back_inserter(result), ToPoint);
        return result;
    }

    template <typename Object>
    void Replace(Object& current, Object next) {
        SelectObject(dc_, next);
        if (current != 0) DeleteObject(current);
        current = next;
    }

    void UsePen(const gui::Pen& pen) {
        if (pen_ != 0 && pen == currentPen_) return;
        Replace(pen_, CreatePen(INT(pen.style), pen.width, ToColorRef(pen.colour)));
        currentPen_ = pen;
    }

    void UseSolidBrush(gui::Colour colour) {
        if (brush_ == 0 || colour != brushColour_) {
            Replace(brush_, CreateSolidBrush(ToColorRef(colour)));
            brushColour_ = colour;
        } else if (!brushSelected_) {
            SelectObject(dc_, brush_);
        }
        brushSelected_ = true;
    }

    void UseHollowBrush() {
        if (!brushSelected_) return;
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
        brushSelected_ = false;
    }

    void UseFont(const gui::TextFont& font, double rotation) {
        const std::int32_t escapement = gdi::Escapement(rotation);
        if (font_ != 0 && font == currentFont_ && escapement == currentEscapement_) return;
        Replace(font_, CreateFontA(gdi::FontHeight(font), 0, escapement, escapement, font.weight, font.italic,
                                   font.underline, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH, font.face.c_str()));
        currentFont_ = font;
        currentEscapement_ = escapement;
    }

    void DeleteObjects() {
        for (HGDIOBJ object : {HGDIOBJ(pen_), HGDIOBJ(brush_), HGDIOBJ(font_)})
            if (object != 0) DeleteObject(object);
        pen_ = 0;
        brush_ = 0;
        font_ = 0;
    }

    HDC dc_;
    std::FILE* out_;
    long start_;
    MetafileFrame frame_;
    ReferenceDevice device_;
    HPEN pen_ = 0;
    gui::Pen currentPen_;
    HBRUSH brush_ = 0;
    gui::Colour brushColour_ = 0;
    bool brushSelected_ = false;
    HFONT font_ = 0;
    gui::TextFont currentFont_;
    std::int32_t currentEscapement_ = 0;
};

std::unique_ptr<EnhancedMetafile> EnhancedMetafile::Create(std::FILE* out, const MetafileFrame& frame,
                                                           const ReferenceDevice& device,
                                                           std::string_view description) {
    const long start = std::ftell(out);
    if (start < 0) return nullptr;
    const RECT bounds{frame.left, frame.top, frame.right, frame.bottom};
    const std::string text(description);
    const HDC dc = CreateEnhMetaFileWithFILEA(0, out, &bounds, text.c_str());
    if (dc == 0) return nullptr;
    return std::unique_ptr<EnhancedMetafile>(
        new EnhancedMetafile(std::make_unique<Recording>(dc, out, start, frame, device)));
}

EnhancedMetafile::EnhancedMetafile(std::unique_ptr<Recording> recording) : recording_(std::move(recording)) {}

EnhancedMetafile::~EnhancedMetafile() = default;

gui::DrawingSurface& EnhancedMetafile::Surface() { return *recording_; }

void EnhancedMetafile::Close() { recording_->Close(); }

}  // namespace tiraq
