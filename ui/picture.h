// A loaded picture of any stored kind, as the picture control draws it.
#pragma once

#include <memory>
#include <string_view>

#include "ui/rgba_image.h"

namespace rovan {

class Picture {
 public:
  virtual ~Picture() = default;

  // The picture's own size in pixels (metafiles: their frame at 96 dots per inch).
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Draws the picture scaled to fill rect of target; what falls outside target is clipped. Raster
  // pictures replace the pixels of rect (alpha included); metafiles paint over them.
  virtual void Draw(RgbaImage& target, const PixelRect& rect) = 0;
};

// Each returns nothing for malformed, truncated or unsupported data.
std::unique_ptr<Picture> LoadBmpPicture(std::string_view bytes);
std::unique_ptr<Picture> LoadPngPicture(std::string_view bytes);
std::unique_ptr<Picture> LoadJpegPicture(std::string_view bytes);
// A Windows metafile (placeable or plain) or an enhanced metafile, told apart by content.
std::unique_ptr<Picture> LoadMetafilePicture(std::string_view bytes);
std::unique_ptr<Picture> LoadWmfPicture(std::string_view bytes);
std::unique_ptr<Picture> LoadEmfPicture(std::string_view bytes);

}  // namespace rovan
