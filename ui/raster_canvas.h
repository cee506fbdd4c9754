// Filling and stroking polygons on an RGBA image, for the metafile players. Opaque colours, no
// anti-aliasing: a pixel is painted when its centre lies inside the shape.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/rgba_image.h"

namespace rovan {

struct PointF {
  double x = 0;
  double y = 0;
};
using PointList = std::vector<PointF>;

class RasterCanvas {
 public:
  // Paints only inside clip (itself clipped to the image).
  RasterCanvas(RgbaImage& target, const PixelRect& clip);

  // Fills the polygons as one shape: alternate (even-odd) or winding (non-zero) rule. colour 0xRRGGBB.
  void Fill(const std::vector<PointList>& polygons, std::uint32_t colour, bool winding);
  // Strokes the line through points, closing it back to the first when closed; width in pixels, at
  // least one pixel is drawn.
  void Stroke(const PointList& points, double width, std::uint32_t colour, bool closed);

 private:
  void Plot(int x, int y, std::uint32_t colour);
  void ThinSegment(PointF a, PointF b, std::uint32_t colour);

  RgbaImage& target_;
  int left_, top_, right_, bottom_;  // clip, right and bottom exclusive
};

// The points of an ellipse inscribed in the box, clockwise from the right, enough for its size.
PointList EllipsePoints(double left, double top, double right, double bottom);
// A rectangle with its corners rounded by quarter ellipses of the given width and height.
PointList RoundRectPoints(double left, double top, double right, double bottom, double cornerWidth,
                          double cornerHeight);

}  // namespace rovan
