#include "gui/picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace gui {
namespace {

QImage Resized(const QImage& old, QSize size, Colour background) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ToQColor(background));
    if (!old.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, old);
    }
    return image;
}

int RuntimeButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int RuntimeButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int RuntimeShift(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

PictureBox::~PictureBox() { surface_.End(); }

template <typename Change>
void PictureBox::ChangeImages(Change change) {
    const bool painting = surface_.IsActive();
    surface_.End();
    change();
    if (painting) {
        surface_.Begin(DrawingImage());
        PrepareSurface(surface_);
    }
}

void PictureBox::SyncSize() {
    const QSize wanted(std::max(0, width()), std::max(0, height()));
    if (persistent_.size() == wanted && screen_.size() == wanted) return;
    ChangeImages([&] {
        persistent_ = Resized(persistent_, wanted, BackColor());
        screen_ = Resized(screen_, wanted, BackColor());
    });
}

DrawingSurface& PictureBox::Surface() {
    SyncSize();
    QImage& image = DrawingImage();
    if (!surface_.IsActive() || surface_.Device() != &image) {
        surface_.Begin(image);
        PrepareSurface(surface_);
    }
    if (!autoRedraw_) update();
    return surface_;
}

void PictureBox::SetAutoRedraw(bool on) {
    if (on == autoRedraw_) return;
    SyncSize();
    ChangeImages([&] {
        // While AutoRedraw is on the window shows the persistent image, so that is where the
        // screen image starts from when it goes off.
        if (!on) screen_ = persistent_.copy();
        autoRedraw_ = on;
    });
    update();
}

void PictureBox::DrawPicture(QImage& image) const {
    if (picture_.isNull()) return;
    QPainter painter(&image);
    painter.drawImage(0, 0, picture_);
}

void PictureBox::SetPicture(QImage picture) {
    if (picture.isNull() && picture_.isNull()) return;
    picture_ = std::move(picture);
    SyncSize();
    ChangeImages([&] {
        persistent_.fill(ToQColor(BackColor()));
        DrawPicture(persistent_);
        screen_ = persistent_.copy();
    });
    update();
}

void PictureBox::Cls() {
    SyncSize();
    if (autoRedraw_) {
        DrawingTarget::Cls();
        if (!picture_.isNull()) ChangeImages([&] { DrawPicture(persistent_); });
    } else {
        ChangeImages([&] { screen_ = persistent_.copy(); });
        SetCurrentX(ScaleLeft());
        SetCurrentY(ScaleTop());
    }
    update();
}

void PictureBox::Refresh() {
    SyncSize();
    ChangeImages([&] { screen_ = persistent_.copy(); });
    if (isVisible()) {
        repaint();
    } else {
        update();
    }
}

std::uintptr_t PictureBox::WindowHandle() const { return reinterpret_cast<std::uintptr_t>(this); }

const QImage& PictureBox::Image() {
    SyncSize();
    return persistent_;
}

const QImage& PictureBox::ScreenImage() {
    SyncSize();
    return autoRedraw_ ? persistent_ : screen_;
}

std::int64_t PictureBox::ReadPixel(PixelPoint point) {
    SyncSize();
    const QImage& image = DrawingImage();
    if (!image.valid(point.x, point.y)) return -1;
    return FromQRgb(image.pixel(point.x, point.y));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    SyncSize();
    QPainter painter(this);
    painter.drawImage(event->rect(), ScreenImage(), event->rect());
}

void PictureBox::EmitMouse(void (PictureBox::*signal)(int, int, double, double), QMouseEvent* event, int button) {
    const QPointF at = event->position();
    emit(this->*signal)(button, RuntimeShift(event->modifiers()), FromPixelX(at.x()), FromPixelY(at.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    EmitMouse(&PictureBox::MouseDown, event, RuntimeButton(event->button()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    EmitMouse(&PictureBox::MouseMove, event, RuntimeButtons(event->buttons()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    EmitMouse(&PictureBox::MouseUp, event, RuntimeButton(event->button()));
}

}  // namespace gui
