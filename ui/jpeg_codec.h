// JPEG files through libjpeg-turbo.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/rgba_image.h"

namespace rovan {

struct JpegDecoded {
  int width = 0;   // the picture's own size
  int height = 0;
  RgbaImage image;  // decoded at the requested scale
};

// Decodes a JPEG at scaleEighths/8 of its size (1 to 8), using the decoder's DCT scaling so a small
// scale skips most of the work. Malformed or truncated data, which libjpeg would only warn about and
// fill in grey, gives nothing; so do pictures larger than 32768 pixels a side.
std::optional<JpegDecoded> DecodeJpeg(std::string_view bytes, int scaleEighths);

// The smallest scale in eighths at which a width x height JPEG still decodes to at least
// targetWidth x targetHeight pixels (8 when nothing smaller will do).
int JpegScaleFor(int width, int height, int targetWidth, int targetHeight);

// A baseline JPEG of the image at the given quality (1-100); alpha is dropped. Empty on failure.
std::string EncodeJpeg(const RgbaImage& image, int quality);

}  // namespace rovan
