// Scaling a raster picture into a rectangle of a target image.
#pragma once

#include "ui/rgba_image.h"

namespace rovan {

// Writes src scaled to rect.w x rect.h at rect into target, replacing the pixels there (alpha included);
// the parts of rect outside target are skipped. Each target pixel is the area-weighted average of the
// source pixels it covers (a box filter), averaged with premultiplied alpha so transparent pixels lend
// no colour to their neighbours.
void DrawScaled(const RgbaImage& src, RgbaImage& target, const PixelRect& rect);

}  // namespace rovan
