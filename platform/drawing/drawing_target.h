#pragma once

// A drawing target in the manner of the language runtime's picture boxes and printer: drawing in
// the target's own scale (twips, points, pixels, inches, ... or a scale of the caller's), a current
// position that drawing and printing move, a font, text extents and the device's pixels underneath
// (`Surface`, the device context). Picture boxes and the printer object derive from it; the logic
// here needs no Qt.

#include "drawing/drawing_surface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gui {

enum ScaleModes : int {
    kScaleUser = 0,
    kScaleTwips = 1,
    kScalePoints = 2,
    kScalePixels = 3,
    kScaleCharacters = 4,
    kScaleInches = 5,
    kScaleMillimetres = 6,
    kScaleCentimetres = 7,
};

enum DrawModes : int {
    kDrawInvert = 6,
    kDrawCopyPen = 13,
};

enum class LineShape { Line, Box, FilledBox };

class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;

    // Scale. Setting a non-user mode puts the origin back at the top left corner; setting any of
    // the four scale values switches to the user mode (0). The scale's width and height in the
    // standard modes follow the device's size.
    int ScaleMode() const { return scaleMode_; }
    void SetScaleMode(int mode);
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;
    void SetScaleLeft(double value);
    void SetScaleTop(double value);
    void SetScaleWidth(double value);
    void SetScaleHeight(double value);

    // Positions in scale units, to device pixels and back.
    double ToPixelX(double x) const;
    double ToPixelY(double y) const;
    double FromPixelX(double px) const;
    double FromPixelY(double py) const;

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    // Font; the size is in points.
    const std::string& FontName() const { return font_.face; }
    void SetFontName(std::string face) { font_.face = std::move(face); }
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    bool FontBold() const { return font_.weight >= 700; }
    void SetFontBold(bool bold) { font_.weight = bold ? 700 : 400; }
    bool FontItalic() const { return font_.italic; }
    void SetFontItalic(bool italic) { font_.italic = italic; }
    bool FontUnderline() const { return font_.underline; }
    void SetFontUnderline(bool underline) { font_.underline = underline; }

    // Extents of a text in the present font, in scale units.
    double TextWidth(std::string_view text);
    double TextHeight(std::string_view text);
    // Prints the text with its top left corner at the current position, then moves the position to
    // the start of the next line.
    void Print(std::string_view text);

    Colour ForeColor() const { return foreColor_; }
    void SetForeColor(Colour colour) { foreColor_ = colour; }
    Colour BackColor() const { return backColor_; }
    virtual void SetBackColor(Colour colour) { backColor_ = colour; }
    int DrawMode() const { return drawMode_; }
    void SetDrawMode(int mode);
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int width);
    int DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(int style);

    // Figures in scale units, in the fore colour unless another is given; each leaves the current
    // position at its last point (a circle at its centre).
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {},
              LineShape shape = LineShape::Line);
    void Circle(double x, double y, double radius, std::optional<Colour> colour = {});
    void PSet(double x, double y, std::optional<Colour> colour = {});
    // The colour of the pixel under the point, or -1 outside the target or on a device that
    // cannot be read.
    std::int64_t Point(double x, double y);

    // Clears to the back colour and puts the current position at the origin.
    virtual void Cls();
    // Shows what was drawn (a picture puts its image on the screen).
    virtual void Refresh() {}
    // The device's pixels, for drawing at full speed.
    virtual DrawingSurface& Surface() = 0;
    // The window the target shows in (0 for a device without one).
    virtual std::uintptr_t WindowHandle() const { return 0; }

    virtual std::int32_t PixelWidth() const = 0;
    virtual std::int32_t PixelHeight() const = 0;
    virtual double DotsPerInch() const = 0;

protected:
    // Brings a new surface into the present draw mode.
    void PrepareSurface(DrawingSurface& surface) const;
    virtual std::int64_t ReadPixel(PixelPoint) { return -1; }

private:
    double UnitsPerPixelX() const;
    double UnitsPerPixelY() const;
    double UnitsPerInch(bool vertical) const;
    TextFont PixelFont() const;
    Pen CurrentPen(Colour colour) const;
    DrawingSurface& DrawingSurfaceInMode();
    PixelPoint ToPixel(double x, double y) const;

    int scaleMode_ = kScaleTwips;
    double userLeft_ = 0, userTop_ = 0, userWidth_ = 1, userHeight_ = 1;
    double currentX_ = 0, currentY_ = 0;
    TextFont font_{.face = "MS Sans Serif", .heightKind = TextFont::Height::Em};
    double fontSize_ = 8.25;
    Colour foreColor_ = kBlack;
    Colour backColor_ = kWhite;
    int drawMode_ = kDrawCopyPen;
    int drawWidth_ = 1;
    int drawStyle_ = 0;
};

// A drawing target whose drawing makes a printed document: the printer object or a stand-in.
class PrintingTarget : public DrawingTarget {
public:
    virtual void NewPage() = 0;
    // Hands the document over; nothing happens when none is open. A printer that cannot take the
    // document raises its error, and is idle all the same.
    virtual void EndDoc() = 0;
    virtual bool DocumentOpen() const = 0;
};

// A metafile being recorded: its device, and the close that ends the recording.
class MetafileDevice {
public:
    virtual ~MetafileDevice() = default;
    virtual DrawingSurface& Surface() = 0;
    virtual void CloseMetaFile() = 0;
};

}  // namespace gui
