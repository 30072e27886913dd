// The one file that includes the enhanced-metafile library: its headers define min, max, ERROR,
// TRANSPARENT and many more as macros.

#include "output/enhanced_metafile.h"

#include "output/gdi_mapping.h"
#include "vb/cp1252.h"

#include <algorithm>
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

}  // namespace

// The drawing calls of one metafile, each object made once and replaced only when it changes.
class EnhancedMetafile::Recording final : public gui::DrawingSurface {
public:
    explicit Recording(HDC dc) : dc_(dc) {
        SetBkMode(dc_, TRANSPARENT);
        SetPolyFillMode(dc_, ALTERNATE);
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
    }
    ~Recording() override { Close(); }

    void Close() {
        if (dc_ == 0) return;
        const HENHMETAFILE metafile = CloseEnhMetaFileWithFILE(dc_);
        dc_ = 0;
        if (metafile != 0) DeleteEnhMetaFile(metafile);
        for (HGDIOBJ object : {HGDIOBJ(pen_), HGDIOBJ(brush_), HGDIOBJ(font_)})
            if (object != 0) DeleteObject(object);
        pen_ = 0;
        brush_ = 0;
        font_ = 0;
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

    HDC dc_;
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
                                                           std::string_view description) {
    const RECT bounds{frame.left, frame.top, frame.right, frame.bottom};
    const std::string text(description);
    const HDC dc = CreateEnhMetaFileWithFILEA(0, out, &bounds, text.c_str());
    if (dc == 0) return nullptr;
    return std::unique_ptr<EnhancedMetafile>(new EnhancedMetafile(std::make_unique<Recording>(dc)));
}

EnhancedMetafile::EnhancedMetafile(std::unique_ptr<Recording> recording) : recording_(std::move(recording)) {}

EnhancedMetafile::~EnhancedMetafile() = default;

gui::DrawingSurface& EnhancedMetafile::Surface() { return *recording_; }

void EnhancedMetafile::Close() { recording_->Close(); }

}  // namespace tiraq
