#pragma once

#include "com/picture.h"

#include <QImage>

namespace tiraq {

// A picture of an image, as the control hands out its drawing surface's persistent image.
vb::Ref<com::Picture> MakeImagePicture(QImage image, double dotsPerInch);

}  // namespace tiraq
