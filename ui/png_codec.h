// PNG files through libpng.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/rgba_image.h"

namespace rovan {

// Decodes any PNG (palette, grey, 16-bit, with or without alpha) to RGBA; a malformed or truncated
// file gives nothing.
std::optional<RgbaImage> DecodePng(std::string_view bytes);

// An RGBA PNG file of the image; empty when libpng refuses it.
std::string EncodePng(const RgbaImage& image);

}  // namespace rovan
