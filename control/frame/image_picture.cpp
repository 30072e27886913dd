#include "frame/image_picture.h"

#include "com/object.h"

#include <cmath>

namespace tiraq {
namespace {

constexpr double kHimetricPerInch = 2540;

class ImagePicture final : public com::Object<com::Picture> {
public:
    ImagePicture(QImage image, double dotsPerInch) : image_(std::move(image)), dotsPerInch_(dotsPerInch) {}
    std::int32_t Width() override { return Himetric(image_.width()); }
    std::int32_t Height() override { return Himetric(image_.height()); }
    const QImage& Image() const { return image_; }

private:
    std::int32_t Himetric(int pixels) const {
        return std::int32_t(std::lround(pixels * kHimetricPerInch / dotsPerInch_));
    }
    QImage image_;
    double dotsPerInch_;
};

}  // namespace

vb::Ref<com::Picture> MakeImagePicture(QImage image, double dotsPerInch) {
    return vb::New<ImagePicture>(std::move(image), dotsPerInch);
}

QImage ImageOfPicture(com::Picture* picture) {
    const auto* image = dynamic_cast<const ImagePicture*>(picture);
    return image ? image->Image() : QImage();
}

}  // namespace tiraq
