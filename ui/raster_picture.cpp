// Bitmaps and PNG pictures: decoded once at load and scaled at each drawing.
#include <optional>
#include <utility>

#include "ui/bmp_codec.h"
#include "ui/image_resample.h"
#include "ui/picture.h"
#include "ui/png_codec.h"

namespace rovan {
namespace {

class RasterPicture : public Picture {
 public:
  explicit RasterPicture(RgbaImage image) : image_(std::move(image)) {}
  int Width() const override { return image_.width; }
  int Height() const override { return image_.height; }
  void Draw(RgbaImage& target, const PixelRect& rect) override { DrawScaled(image_, target, rect); }

 private:
  RgbaImage image_;
};

std::unique_ptr<Picture> Wrap(std::optional<RgbaImage> image) {
  if (!image) return nullptr;
  return std::make_unique<RasterPicture>(std::move(*image));
}

}  // namespace

std::unique_ptr<Picture> LoadBmpPicture(std::string_view bytes) { return Wrap(DecodeBmp(bytes)); }
std::unique_ptr<Picture> LoadPngPicture(std::string_view bytes) { return Wrap(DecodePng(bytes)); }

}  // namespace rovan
