#pragma once

#include "drawing/drawing_target.h"
#include "gui/painter_surface.h"

#include <QImage>
#include <QWidget>


namespace gui {

// A picture box: a window that is a drawing target. It keeps two images of its size. The
// persistent image holds what is drawn while AutoRedraw is on and is what the window shows then;
// with AutoRedraw off drawing goes to the screen image only, over the persistent image as it was,
// and is lost at the next Cls or Refresh (rubber bands are drawn so). Both are Format_RGB32 and drawn
// without antialiasing, so `Point` reads back exactly the colours drawn.
//
// Mouse events come out with the runtime's arguments: Button 1 left, 2 right, 4 middle; Shift 1
// shift, 2 control, 4 alt; X and Y in the picture's scale.
class PictureBox : public QWidget, public DrawingTarget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on);

    // The picture the box shows under what is drawn on it: it fills the persistent image at once and
    // again at every Cls. A null image is no picture.
    void SetPicture(QImage picture);

    void Cls() override;
    void Refresh() override;
    DrawingSurface& Surface() override;
    std::uintptr_t WindowHandle() const override;
    std::int32_t PixelWidth() const override { return width(); }
    std::int32_t PixelHeight() const override { return height(); }
    double DotsPerInch() const override { return kScreenDotsPerInch; }

    // The persistent image (the runtime's Image) and what the window shows.
    const QImage& Image();
    const QImage& ScreenImage();

    static constexpr double kScreenDotsPerInch = 96;

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

protected:
    std::int64_t ReadPixel(PixelPoint point) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage& DrawingImage() { return autoRedraw_ ? persistent_ : screen_; }
    // Changes the images under the surface; a surface that was painting paints on the drawing
    // image again afterwards, so a caller's reference to it stays good.
    template <typename Change>
    void ChangeImages(Change change);
    void SyncSize();
    void EmitMouse(void (PictureBox::*signal)(int, int, double, double), QMouseEvent* event, int button);

    void DrawPicture(QImage& image) const;

    QImage persistent_;
    QImage screen_;
    QImage picture_;
    PainterSurface surface_;
    bool autoRedraw_ = false;
};

}  // namespace gui
