#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include <cmath>
#include <functional>
#include <map>

namespace quellmar::artwork {
namespace {

// The sixteen basic colours.
const QColor kBlack(0, 0, 0), kNavy(0, 0, 128), kGreen(0, 128, 0), kTeal(0, 128, 128), kMaroon(128, 0, 0),
    kOlive(128, 128, 0), kGrey(128, 128, 128), kSilver(192, 192, 192), kRed(255, 0, 0), kLime(0, 255, 0),
    kYellow(255, 255, 0), kBlue(0, 0, 255), kAqua(0, 255, 255), kWhite(255, 255, 255);

using Drawing = std::function<void(QPainter&)>;

void Page(QPainter& p) {
    p.setPen(kBlack);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygon({{4, 1}, {11, 1}, {14, 4}, {14, 15}, {4, 15}}));
    p.drawLine(11, 1, 11, 4);
    p.drawLine(11, 4, 14, 4);
}

const std::map<QString, Drawing>& Drawings() {
    static const std::map<QString, Drawing> drawings = {
        {"new", [](QPainter& p) { Page(p); p.setPen(kYellow); p.drawLine(15, 0, 17, 2); p.drawLine(17, 0, 15, 2); }},
        {"open",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kOlive);
             p.drawRect(1, 5, 13, 9);
             p.setBrush(kYellow);
             p.drawPolygon(QPolygon({{3, 8}, {17, 8}, {14, 14}, {1, 14}}));
             p.drawRect(1, 3, 5, 2);
         }},
        {"save",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kNavy);
             p.drawRect(2, 1, 14, 14);
             p.setBrush(kWhite);
             p.drawRect(5, 1, 8, 6);
             p.setBrush(kSilver);
             p.drawRect(5, 10, 8, 5);
         }},
        {"select",
         [](QPainter& p) {
             Page(p);
             p.setPen(kNavy);
             for (int y = 6; y <= 12; y += 3) p.drawLine(6, y, 12, y);
             p.setPen(kRed);
             p.drawLine(9, 14, 17, 6);
         }},
        {"customer",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kYellow);
             p.drawEllipse(6, 1, 6, 6);
             p.setBrush(kBlue);
             p.drawRoundedRect(3, 8, 12, 8, 3, 3);
         }},
        {"size",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kGreen);
             p.drawPolygon(QPolygon({{5, 1}, {9, 6}, {1, 6}}));
             p.drawRect(4, 6, 2, 9);
             p.setBrush(kMaroon);
             p.drawPolygon(QPolygon({{13, 15}, {17, 10}, {9, 10}}));
             p.drawRect(12, 1, 2, 9);
         }},
        {"deltap",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kWhite);
             p.drawEllipse(2, 1, 14, 14);
             p.setPen(kRed);
             p.drawLine(9, 8, 13, 4);
             p.setPen(kBlack);
             p.drawPoint(9, 8);
             p.drawLine(5, 12, 13, 12);
         }},
        {"price",
         [](QPainter& p) {
             p.setPen(kOlive);
             p.setBrush(kYellow);
             p.drawEllipse(2, 1, 14, 14);
             p.setPen(kOlive);
             QFont font("DejaVu Sans");
             font.setPixelSize(11);
             font.setBold(true);
             p.setFont(font);
             p.drawText(QRect(2, 1, 15, 15), Qt::AlignCenter, "$");
         }},
        {"noise",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kGrey);
             p.drawPolygon(QPolygon({{2, 6}, {5, 6}, {9, 2}, {9, 14}, {5, 10}, {2, 10}}));
             p.setPen(kBlue);
             p.setBrush(Qt::NoBrush);
             p.drawArc(8, 4, 6, 8, -60 * 16, 120 * 16);
             p.drawArc(8, 1, 10, 14, -60 * 16, 120 * 16);
         }},
        {"dxf",
         [](QPainter& p) {
             p.setPen(kNavy);
             p.setBrush(kWhite);
             p.drawRect(1, 1, 16, 14);
             p.setPen(kTeal);
             p.drawRect(4, 5, 7, 7);
             p.drawEllipse(10, 3, 5, 5);
             p.setPen(kRed);
             p.drawLine(4, 13, 11, 13);
         }},
        {"preview",
         [](QPainter& p) {
             Page(p);
             p.setPen(kBlack);
             p.setBrush(kAqua);
             p.drawEllipse(7, 6, 6, 6);
             p.drawLine(12, 11, 16, 15);
         }},
        {"print",
         [](QPainter& p) {
             p.setPen(kBlack);
             p.setBrush(kWhite);
             p.drawRect(5, 1, 8, 6);
             p.setBrush(kSilver);
             p.drawRect(1, 7, 16, 6);
             p.setBrush(kWhite);
             p.drawRect(5, 11, 8, 5);
             p.setPen(kLime);
             p.drawPoint(14, 9);
         }},
        {"help",
         [](QPainter& p) {
             p.setPen(kNavy);
             p.setBrush(kYellow);
             p.drawEllipse(2, 1, 14, 14);
             QFont font("DejaVu Sans");
             font.setPixelSize(12);
             font.setBold(true);
             p.setFont(font);
             p.drawText(QRect(2, 1, 15, 15), Qt::AlignCenter, "?");
         }},
    };
    return drawings;
}

// A cooler seen from the front: a finned block, a fan in its middle and the oil connections.
void DrawCooler(QPainter& p, const QRectF& area) {
    const QRectF block = area.adjusted(area.width() * 0.08, area.height() * 0.08, -area.width() * 0.08, -area.height() * 0.14);
    QLinearGradient metal(block.topLeft(), block.bottomLeft());
    metal.setColorAt(0, QColor(210, 215, 222));
    metal.setColorAt(1, QColor(140, 150, 162));
    p.setPen(QPen(QColor(60, 66, 76), std::max(1.0, area.width() / 120)));
    p.setBrush(metal);
    p.drawRect(block);
    p.setPen(QPen(QColor(110, 118, 130), 1));
    for (double x = block.left() + 3; x < block.right(); x += std::max(2.0, area.width() / 60)) p.drawLine(QPointF(x, block.top() + 2), QPointF(x, block.bottom() - 2));
    const double radius = std::min(block.width(), block.height()) * 0.42;
    const QPointF centre = block.center();
    p.setPen(QPen(QColor(40, 44, 52), std::max(1.0, area.width() / 100)));
    p.setBrush(QColor(70, 90, 120));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(190, 200, 214));
    for (int blade = 0; blade < 5; ++blade) {
        const double angle = blade * 2 * M_PI / 5;
        QPainterPath path;
        path.moveTo(centre);
        path.lineTo(centre + QPointF(std::cos(angle) * radius * 0.95, std::sin(angle) * radius * 0.95));
        path.lineTo(centre + QPointF(std::cos(angle + 0.6) * radius * 0.8, std::sin(angle + 0.6) * radius * 0.8));
        path.closeSubpath();
        p.drawPath(path);
    }
    p.setBrush(QColor(40, 44, 52));
    p.drawEllipse(centre, radius * 0.15, radius * 0.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 120, 40));
    const double pipe = area.height() * 0.07;
    p.drawRect(QRectF(block.right() - pipe * 3, block.bottom(), pipe, area.bottom() - block.bottom()));
    p.drawRect(QRectF(block.left() + pipe * 2, block.bottom(), pipe, area.bottom() - block.bottom()));
}

}  // namespace

QIcon ToolbarImage(const QString& key) {
    QPixmap image(19, 17);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const auto found = Drawings().find(key);
    if (found != Drawings().end()) found->second(painter);
    return QIcon(image);
}

QIcon ProgramIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCooler(painter, QRectF(0, 0, 32, 32));
    return QIcon(icon);
}

QImage AboutPicture() {
    QImage picture(240, 150, QImage::Format_RGB888);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(236, 242, 250));
    sky.setColorAt(1, QColor(196, 212, 232));
    p.fillRect(picture.rect(), sky);
    DrawCooler(p, QRectF(12, 12, 130, 126));
    p.setPen(QColor(30, 50, 90));
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(144, 40, 92, 30), Qt::AlignCenter, "QUELLMAR");
    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(144, 70, 92, 40), Qt::AlignCenter | Qt::TextWordWrap, "Oil coolers");
    return picture;
}

}  // namespace quellmar::artwork
