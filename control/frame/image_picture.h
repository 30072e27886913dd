#pragma once

#include "com/picture.h"

#include <QImage>

namespace tiraq {

// A picture of an image, as the control hands out its drawing surface's persistent image.
vb::Ref<com::Picture> MakeImagePicture(QImage image, double dotsPerInch);

// The image of a picture made by MakeImagePicture; a null image for no picture or one of another maker.
QImage ImageOfPicture(com::Picture* picture);

}  // namespace tiraq
