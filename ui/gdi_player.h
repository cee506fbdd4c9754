// The drawing state of a metafile being played, and the drawing operations both metafile formats
// share: pens, brushes, the current position, the fill mode, saved states, and the mapping of the
// metafile's logical coordinates to the pixels of the target image.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/raster_canvas.h"

namespace rovan {

struct GdiPen {
  bool visible = true;
  double width = 0;          // logical units; 0 is one pixel whatever the scale
  std::uint32_t colour = 0;  // 0xRRGGBB
};

struct GdiBrush {
  bool visible = true;
  std::uint32_t colour = 0xFFFFFF;
};

// The mapping modes, with the Windows values.
enum class MapMode { Text = 1, LoMetric = 2, HiMetric = 3, LoEnglish = 4, HiEnglish = 5, Twips = 6, Isotropic = 7, Anisotropic = 8 };

// Logical to device coordinates as the mapping mode, the window and the viewport say.
struct GdiMapping {
  MapMode mode = MapMode::Text;
  PointF windowOrg{0, 0};
  PointF windowExt{1, 1};
  PointF viewportOrg{0, 0};
  PointF viewportExt{1, 1};
  double pixelsPerMm = 96 / 25.4;  // of the device, for the metric modes

  PointF ToDevice(PointF logical) const;
};

// A colour reference of the metafile (0x00BBGGRR) as 0xRRGGBB.
std::uint32_t FromColorRef(std::uint32_t colorRef);

class GdiPlayer {
 public:
  // Device coordinates reach the target as device * scale + offset; drawing is clipped to clip.
  GdiPlayer(RgbaImage& target, const PixelRect& clip, const GdiMapping& mapping, PointF scale, PointF offset);

  GdiMapping& Mapping() { return state_.mapping; }
  void SelectPen(const GdiPen& pen) { state_.pen = pen; }
  void SelectBrush(const GdiBrush& brush) { state_.brush = brush; }
  void SetWinding(bool winding) { state_.winding = winding; }
  PointF Position() const { return state_.position; }

  void MoveTo(PointF p) { state_.position = p; }
  void LineTo(PointF p);
  // A line from the current position through the points, which then ends at the last one.
  void PolylineTo(const PointList& points);
  void Polyline(const PointList& points);
  // Filled with the brush as one shape, each outlined with the pen.
  void Polygons(const std::vector<PointList>& polygons);
  void Rectangle(double left, double top, double right, double bottom);
  void Ellipse(double left, double top, double right, double bottom);
  void RoundRect(double left, double top, double right, double bottom, double cornerWidth, double cornerHeight);

  void Save();
  // which < 0: that many states back; which > 0: the state saved as number which (1 = the first).
  void Restore(int which);

 private:
  struct State {
    GdiPen pen;
    GdiBrush brush;
    PointF position;
    bool winding = false;
    GdiMapping mapping;
  };

  PointF ToTarget(PointF logical) const;
  PointList ToTarget(const PointList& logical) const;
  double PenWidthInPixels() const;
  // Fills (brush) and outlines (pen) polygons already in target pixels.
  void FillAndStroke(const std::vector<PointList>& target);

  RasterCanvas canvas_;
  PointF scale_;
  PointF offset_;
  State state_;
  std::vector<State> saved_;
};

// The points of the cubic Bézier curves start, c1, c2, end, c1, c2, end..., flattened (start excluded).
PointList FlattenBeziers(PointF start, const PointList& controlAndEndPoints);

}  // namespace rovan
