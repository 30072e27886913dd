#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The program's own pictures, drawn by code: the toolbar images (19 by 17 pixels, in the sixteen
// basic colours), the window icon and the about box's picture (240 by 150 pixels).
namespace quellmar::artwork {

QIcon ToolbarImage(const QString& key);
QIcon ProgramIcon();
QImage AboutPicture();

}  // namespace quellmar::artwork
