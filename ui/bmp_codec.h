// Windows bitmap files (BMP), read and written by hand.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/rgba_image.h"

namespace rovan {

// Decodes a bitmap file: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit-field masks,
// bottom-up or top-down. Compressed (RLE, embedded JPEG/PNG) and malformed files give nothing.
// The pixels are opaque: the fourth byte of 32-bit bitmaps is unused padding in most writers.
std::optional<RgbaImage> DecodeBmp(std::string_view bytes);

// A 24-bit bottom-up bitmap file of the image; alpha is dropped (flatten first to keep its look).
std::string EncodeBmp(const RgbaImage& image);

}  // namespace rovan
