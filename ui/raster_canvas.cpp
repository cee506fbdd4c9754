#include "ui/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rovan {
namespace {

PointList Disc(PointF centre, double radius) {
  return EllipsePoints(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
}

// Points of the arc of the ellipse centred at (cx, cy) from angle a0 to a1 (radians, y down).
void AppendArc(PointList& points, double cx, double cy, double rx, double ry, double a0, double a1) {
  const int steps = std::clamp(static_cast<int>((std::abs(rx) + std::abs(ry)) * std::abs(a1 - a0) / 4), 2, 256);
  for (int i = 0; i <= steps; ++i) {
    const double a = a0 + (a1 - a0) * i / steps;
    points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
}

// Coordinates past this are corrupt data; shapes holding them are not drawn.
constexpr double kFarAway = 1e7;

bool Drawable(const PointList& points) {
  return std::all_of(points.begin(), points.end(),
                     [](const PointF& p) { return std::abs(p.x) < kFarAway && std::abs(p.y) < kFarAway; });
}

// The part of segment a-b inside the box (Liang-Barsky); false when none is.
bool ClipSegment(PointF& a, PointF& b, double x0, double y0, double x1, double y1) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  b = {a.x + dx * t1, a.y + dy * t1};
  a = {a.x + dx * t0, a.y + dy * t0};
  return true;
}

}  // namespace

RasterCanvas::RasterCanvas(RgbaImage& target, const PixelRect& clip)
    : target_(target),
      left_(std::max(0, clip.x)),
      top_(std::max(0, clip.y)),
      right_(std::min(target.width, clip.x + clip.w)),
      bottom_(std::min(target.height, clip.y + clip.h)) {}

void RasterCanvas::Plot(int x, int y, std::uint32_t colour) {
  if (x < left_ || x >= right_ || y < top_ || y >= bottom_) return;
  std::uint8_t* p = target_.Pixel(x, y);
  p[0] = static_cast<std::uint8_t>(colour >> 16);
  p[1] = static_cast<std::uint8_t>(colour >> 8);
  p[2] = static_cast<std::uint8_t>(colour);
  p[3] = 255;
}

void RasterCanvas::Fill(const std::vector<PointList>& polygons, std::uint32_t colour, bool winding) {
  if (!std::all_of(polygons.begin(), polygons.end(), Drawable)) return;
  struct Crossing {
    double x;
    int direction;
  };
  // Only the rows the shape spans.
  double minY = INFINITY, maxY = -INFINITY;
  for (const PointList& polygon : polygons) {
    for (const PointF& p : polygon) {
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
  }
  const int firstRow = static_cast<int>(std::max<double>(top_, std::floor(minY)));
  const int endRow = static_cast<int>(std::min<double>(bottom_, std::ceil(maxY) + 1));
  std::vector<Crossing> crossings;
  for (int y = firstRow; y < endRow; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (const PointList& polygon : polygons) {
      for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PointF a = polygon[i];
        const PointF b = polygon[(i + 1) % polygon.size()];
        if ((a.y <= cy) == (b.y <= cy)) continue;
        crossings.push_back({a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y), a.y < b.y ? 1 : -1});
      }
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int inside = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      inside = winding ? inside + crossings[i].direction : inside ^ 1;
      if (inside == 0) continue;
      // Pixels whose centre lies in [x0, x1).
      const double from = std::max<double>(left_, std::ceil(crossings[i].x - 0.5));
      const double to = std::min<double>(right_, std::ceil(crossings[i + 1].x - 0.5));
      for (int x = static_cast<int>(from); x < to; ++x) Plot(x, y, colour);
    }
  }
}

void RasterCanvas::ThinSegment(PointF a, PointF b, std::uint32_t colour) {
  // Only the visible part is stepped through: a corrupt coordinate far away costs nothing.
  if (!ClipSegment(a, b, left_ - 1, top_ - 1, right_ + 1, bottom_ + 1)) return;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const int steps = static_cast<int>(std::max(std::abs(dx), std::abs(dy)));
  for (int i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0 : static_cast<double>(i) / steps;
    Plot(static_cast<int>(std::floor(a.x + dx * t)), static_cast<int>(std::floor(a.y + dy * t)), colour);
  }
}

void RasterCanvas::Stroke(const PointList& points, double width, std::uint32_t colour, bool closed) {
  if (points.empty() || !Drawable(points) || !(width < kFarAway)) return;
  const std::size_t segments = closed ? points.size() : points.size() - 1;
  if (width <= 1.5) {
    if (points.size() == 1) ThinSegment(points[0], points[0], colour);
    for (std::size_t i = 0; i < segments; ++i) ThinSegment(points[i], points[(i + 1) % points.size()], colour);
    return;
  }
  const double half = width / 2;
  for (std::size_t i = 0; i < segments; ++i) {
    const PointF a = points[i];
    const PointF b = points[(i + 1) % points.size()];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length == 0) continue;
    const double nx = -(b.y - a.y) / length * half, ny = (b.x - a.x) / length * half;
    // Each segment as a quadrilateral, each joint as a disc.
    Fill({{{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}}, colour, true);
  }
  for (const PointF& p : points) Fill({Disc(p, half)}, colour, true);
}

PointList EllipsePoints(double left, double top, double right, double bottom) {
  PointList points;
  AppendArc(points, (left + right) / 2, (top + bottom) / 2, (right - left) / 2, (bottom - top) / 2, 0,
            2 * std::numbers::pi);
  points.pop_back();  // the closing point repeats the first
  return points;
}

PointList RoundRectPoints(double left, double top, double right, double bottom, double cornerWidth,
                          double cornerHeight) {
  const double rx = std::min(std::abs(cornerWidth), std::abs(right - left)) / 2;
  const double ry = std::min(std::abs(cornerHeight), std::abs(bottom - top)) / 2;
  constexpr double kPi = std::numbers::pi;
  PointList points;
  AppendArc(points, right - rx, top + ry, rx, ry, -kPi / 2, 0);
  AppendArc(points, right - rx, bottom - ry, rx, ry, 0, kPi / 2);
  AppendArc(points, left + rx, bottom - ry, rx, ry, kPi / 2, kPi);
  AppendArc(points, left + rx, top + ry, rx, ry, kPi, 3 * kPi / 2);
  return points;
}

}  // namespace rovan
