#include "output/windows_metafile.h"

#include "output/gdi_mapping.h"
#include "vb/cp1252.h"

#include <algorithm>
#include <string>

namespace tiraq {
namespace {

// Record functions of the format.
enum : std::uint16_t {
    kEof = 0x0000,
    kSetBkMode = 0x0102,
    kSetRop2 = 0x0104,
    kSetPolyFillMode = 0x0106,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDeleteObject = 0x01F0,
    kSetTextColor = 0x0209,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kArc = 0x0817,
};

constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint16_t kTransparent = 1;
constexpr std::uint16_t kAlternate = 1;
constexpr std::uint16_t kCopyPen = 13;
constexpr std::uint16_t kNot = 6;
constexpr std::uint16_t kSolidBrush = 0;
constexpr std::uint16_t kHollowBrush = 1;
constexpr std::size_t kFaceNameBytes = 32;

std::uint16_t Word(std::int32_t value) {
    return std::uint16_t(std::int16_t(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX)));
}
std::uint16_t Low(std::uint32_t value) { return std::uint16_t(value & 0xFFFF); }
std::uint16_t High(std::uint32_t value) { return std::uint16_t(value >> 16); }

void AppendBytes(std::vector<std::uint16_t>& words, std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto low = std::uint8_t(bytes[i]);
        const auto high = i + 1 < bytes.size() ? std::uint8_t(bytes[i + 1]) : std::uint8_t(0);
        words.push_back(std::uint16_t(low | (high << 8)));
    }
}

// A point count and the points, x before y, as polylines and polygons take them.
std::vector<std::uint16_t> PointWords(std::span<const gui::PixelPoint> points) {
    const std::size_t count = std::min<std::size_t>(points.size(), INT16_MAX);
    std::vector<std::uint16_t> words{std::uint16_t(count)};
    for (std::size_t i = 0; i < count; ++i) {
        words.push_back(Word(points[i].x));
        words.push_back(Word(points[i].y));
    }
    return words;
}

void PutLittleEndian(std::FILE* out, const std::vector<std::uint16_t>& words) {
    std::string bytes;
    bytes.reserve(words.size() * 2);
    for (const std::uint16_t w : words) {
        bytes += char(w & 0xFF);
        bytes += char(w >> 8);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), out);
}

}  // namespace

std::array<std::uint8_t, kPlaceableHeaderSize> EncodePlaceableHeader(const PlaceableHeader& header) {
    const std::uint16_t words[10] = {Low(kPlaceableKey), High(kPlaceableKey),  0,
                                     std::uint16_t(header.Left),  std::uint16_t(header.Top),
                                     std::uint16_t(header.Right), std::uint16_t(header.Bottom),
                                     header.Inch, 0, 0};
    std::array<std::uint8_t, kPlaceableHeaderSize> bytes{};
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        bytes[2 * i] = std::uint8_t(words[i] & 0xFF);
        bytes[2 * i + 1] = std::uint8_t(words[i] >> 8);
        checksum ^= words[i];
    }
    bytes[20] = std::uint8_t(checksum & 0xFF);
    bytes[21] = std::uint8_t(checksum >> 8);
    return bytes;
}

WindowsMetafile::WindowsMetafile(std::FILE* out) : out_(out), start_(std::ftell(out)) {
    // Room for the header, written again with its sizes at the end.
    WriteHeader();
    sizeInWords_ = kHeaderWords;
    Record(kSetBkMode, {kTransparent});
    Record(kSetPolyFillMode, {kAlternate});
    hollowBrush_ = CreateObject(kCreateBrushIndirect, {kHollowBrush, 0, 0, 0});
    SelectObject(hollowBrush_);
}

WindowsMetafile::~WindowsMetafile() = default;

void WindowsMetafile::WriteHeader() {
    const std::uint16_t objects = std::uint16_t(slots_.size());
    PutLittleEndian(out_, {1, kHeaderWords, 0x0300, Low(sizeInWords_), High(sizeInWords_), objects,
                           Low(largestRecord_), High(largestRecord_), 0});
}

void WindowsMetafile::Record(std::uint16_t function, const std::vector<std::uint16_t>& parameters) {
    if (!open_) return;
    const auto size = std::uint32_t(3 + parameters.size());
    std::vector<std::uint16_t> words{Low(size), High(size), function};
    words.insert(words.end(), parameters.begin(), parameters.end());
    PutLittleEndian(out_, words);
    sizeInWords_ += size;
    largestRecord_ = std::max(largestRecord_, size);
}

void WindowsMetafile::CloseMetaFile() {
    if (!open_) return;
    Record(kEof, {});
    open_ = false;
    const long end = std::ftell(out_);
    std::fseek(out_, start_, SEEK_SET);
    WriteHeader();
    std::fseek(out_, end, SEEK_SET);
}

std::uint16_t WindowsMetafile::CreateObject(std::uint16_t function, const std::vector<std::uint16_t>& parameters) {
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    const auto slot = std::uint16_t(free - slots_.begin());
    if (free == slots_.end()) slots_.push_back(true);
    else *free = true;
    Record(function, parameters);
    return slot;
}

void WindowsMetafile::DeleteObject(std::uint16_t slot) {
    Record(kDeleteObject, {slot});
    slots_[slot] = false;
}

void WindowsMetafile::SelectObject(std::uint16_t slot) { Record(kSelectObject, {slot}); }

void WindowsMetafile::UsePen(const gui::Pen& pen) {
    if (pen_ >= 0 && pen == currentPen_) return;
    const std::uint16_t next = CreateObject(kCreatePenIndirect, {std::uint16_t(pen.style), Word(pen.width), 0,
                                                                 Low(pen.colour & 0xFFFFFF), High(pen.colour & 0xFFFFFF)});
    SelectObject(next);
    if (pen_ >= 0) DeleteObject(std::uint16_t(pen_));
    pen_ = next;
    currentPen_ = pen;
}

void WindowsMetafile::UseSolidBrush(gui::Colour colour) {
    if (brush_ < 0 || colour != brushColour_) {
        const std::uint16_t next =
            CreateObject(kCreateBrushIndirect, {kSolidBrush, Low(colour & 0xFFFFFF), High(colour & 0xFFFFFF), 0});
        SelectObject(next);
        if (brush_ >= 0) DeleteObject(std::uint16_t(brush_));
        brush_ = next;
        brushColour_ = colour;
    } else if (!brushSelected_) {
        SelectObject(std::uint16_t(brush_));
    }
    brushSelected_ = true;
}

void WindowsMetafile::UseHollowBrush() {
    if (!brushSelected_) return;
    SelectObject(hollowBrush_);
    brushSelected_ = false;
}

void WindowsMetafile::UseFont(const gui::TextFont& font, double rotation) {
    const std::int32_t escapement = gdi::Escapement(rotation);
    if (font_ >= 0 && font == currentFont_ && escapement == currentEscapement_) return;
    std::vector<std::uint16_t> words{Word(gdi::FontHeight(font)),
                                     0,
                                     Word(escapement),
                                     Word(escapement),
                                     Word(font.weight),
                                     std::uint16_t((font.italic ? 1 : 0) | (font.underline ? 1 << 8 : 0)),
                                     0,  // not struck out, the ANSI character set
                                     0,  // default output and clip precision
                                     0}; // default quality and pitch
    std::string face = font.face.substr(0, kFaceNameBytes - 1);
    face.resize(kFaceNameBytes, '\0');
    AppendBytes(words, face);
    const std::uint16_t next = CreateObject(kCreateFontIndirect, words);
    SelectObject(next);
    if (font_ >= 0) DeleteObject(std::uint16_t(font_));
    font_ = next;
    currentFont_ = font;
    currentEscapement_ = escapement;
}

void WindowsMetafile::UseTextAlign(std::uint16_t flags) {
    if (textAlign_ == flags) return;
    Record(kSetTextAlign, {flags, 0});
    textAlign_ = flags;
}

void WindowsMetafile::UseTextColour(gui::Colour colour) {
    if (textColour_ == std::int64_t(colour)) return;
    Record(kSetTextColor, {Low(colour & 0xFFFFFF), High(colour & 0xFFFFFF)});
    textColour_ = colour;
}

void WindowsMetafile::SetRasterOp(gui::RasterOp op) { Record(kSetRop2, {op == gui::RasterOp::Invert ? kNot : kCopyPen, 0}); }

void WindowsMetafile::DrawLine(const gui::Pen& pen, gui::PixelPoint from, gui::PixelPoint to) {
    UsePen(pen);
    Record(kMoveTo, {Word(from.y), Word(from.x)});
    Record(kLineTo, {Word(to.y), Word(to.x)});
}

void WindowsMetafile::DrawPolyline(const gui::Pen& pen, std::span<const gui::PixelPoint> points) {
    if (points.size() < 2) return;
    UsePen(pen);
    Record(kPolyline, PointWords(points));
}

void WindowsMetafile::DrawArc(const gui::Pen& pen, const gui::PixelRect& box, gui::PixelPoint start,
                              gui::PixelPoint end) {
    UsePen(pen);
    Record(kArc, {Word(end.y), Word(end.x), Word(start.y), Word(start.x), Word(box.bottom), Word(box.right),
                  Word(box.top), Word(box.left)});
}

void WindowsMetafile::DrawEllipse(const gui::Pen& pen, const gui::PixelRect& box) {
    UsePen(pen);
    UseHollowBrush();
    Record(kEllipse, {Word(box.bottom), Word(box.right), Word(box.top), Word(box.left)});
}

void WindowsMetafile::SetPixel(gui::PixelPoint point, gui::Colour colour) {
    Record(kSetPixel, {Low(colour & 0xFFFFFF), High(colour & 0xFFFFFF), Word(point.y), Word(point.x)});
}

void WindowsMetafile::FillPolygon(std::span<const gui::PixelPoint> corners, gui::Colour colour) {
    if (corners.size() < 2) return;
    UsePen(gui::Pen{gui::PenStyle::Solid, 1, colour});
    UseSolidBrush(colour);
    Record(kPolygon, PointWords(corners));
}

void WindowsMetafile::DrawRectangle(const gui::Pen& pen, const gui::PixelRect& box, bool filled) {
    UsePen(pen);
    if (filled) UseSolidBrush(pen.colour);
    else UseHollowBrush();
    Record(kRectangle, {Word(box.bottom), Word(box.right), Word(box.top), Word(box.left)});
}

void WindowsMetafile::DrawText(const gui::TextFont& font, gui::PixelPoint anchor, double rotation,
                               gui::TextAlign align, gui::Colour colour, std::string_view text) {
    const std::string bytes = vb::Utf8ToCp1252(text).substr(0, INT16_MAX);
    UseFont(font, rotation);
    UseTextAlign(gdi::TextAlignFlags(align));
    UseTextColour(colour);
    std::vector<std::uint16_t> words{std::uint16_t(bytes.size())};
    AppendBytes(words, bytes);
    words.push_back(Word(anchor.y));
    words.push_back(Word(anchor.x));
    Record(kTextOut, words);
}

gui::TextMetrics WindowsMetafile::MeasureText(const gui::TextFont& font, std::string_view text) {
    return gdi::EstimatedTextMetrics(font, text);
}

}  // namespace tiraq
