#include "ui/gdi_player.h"

#include <algorithm>
#include <cmath>

namespace rovan {
namespace {

// Millimetres per logical unit of the metric mapping modes; their y axis points up.
double MillimetresPerUnit(MapMode mode) {
  switch (mode) {
    case MapMode::LoMetric: return 0.1;
    case MapMode::HiMetric: return 0.01;
    case MapMode::LoEnglish: return 0.254;
    case MapMode::HiEnglish: return 0.0254;
    case MapMode::Twips: return 25.4 / 1440;
    default: return 0;
  }
}

}  // namespace

PointF GdiMapping::ToDevice(PointF logical) const {
  const double dx = logical.x - windowOrg.x, dy = logical.y - windowOrg.y;
  switch (mode) {
    case MapMode::Text:
      return {dx + viewportOrg.x, dy + viewportOrg.y};
    case MapMode::Isotropic:  // drawn as anisotropic: the window already has the picture's proportions
    case MapMode::Anisotropic: {
      const double sx = windowExt.x != 0 ? viewportExt.x / windowExt.x : 1;
      const double sy = windowExt.y != 0 ? viewportExt.y / windowExt.y : 1;
      return {dx * sx + viewportOrg.x, dy * sy + viewportOrg.y};
    }
    default: {
      const double k = MillimetresPerUnit(mode) * pixelsPerMm;
      return {dx * k + viewportOrg.x, -dy * k + viewportOrg.y};
    }
  }
}

std::uint32_t FromColorRef(std::uint32_t colorRef) {
  return (colorRef & 0xFF) << 16 | (colorRef & 0xFF00) | (colorRef >> 16 & 0xFF);
}

GdiPlayer::GdiPlayer(RgbaImage& target, const PixelRect& clip, const GdiMapping& mapping, PointF scale, PointF offset)
    : canvas_(target, clip), scale_(scale), offset_(offset) {
  state_.mapping = mapping;
}

PointF GdiPlayer::ToTarget(PointF logical) const {
  const PointF device = state_.mapping.ToDevice(logical);
  return {device.x * scale_.x + offset_.x, device.y * scale_.y + offset_.y};
}

PointList GdiPlayer::ToTarget(const PointList& logical) const {
  PointList points;
  points.reserve(logical.size());
  for (const PointF& p : logical) points.push_back(ToTarget(p));
  return points;
}

double GdiPlayer::PenWidthInPixels() const {
  if (state_.pen.width <= 0) return 1;
  const PointF a = ToTarget({0, 0}), b = ToTarget({state_.pen.width, 0});
  return std::hypot(b.x - a.x, b.y - a.y);
}

void GdiPlayer::LineTo(PointF p) { PolylineTo({p}); }

void GdiPlayer::PolylineTo(const PointList& points) {
  if (points.empty()) return;
  PointList line{state_.position};
  line.insert(line.end(), points.begin(), points.end());
  Polyline(line);
  state_.position = points.back();
}

void GdiPlayer::Polyline(const PointList& points) {
  if (state_.pen.visible) canvas_.Stroke(ToTarget(points), PenWidthInPixels(), state_.pen.colour, false);
}

void GdiPlayer::Polygons(const std::vector<PointList>& polygons) {
  std::vector<PointList> target;
  target.reserve(polygons.size());
  for (const PointList& polygon : polygons) target.push_back(ToTarget(polygon));
  FillAndStroke(target);
}

void GdiPlayer::FillAndStroke(const std::vector<PointList>& target) {
  if (state_.brush.visible) canvas_.Fill(target, state_.brush.colour, state_.winding);
  if (!state_.pen.visible) return;
  const double width = PenWidthInPixels();
  for (const PointList& polygon : target) canvas_.Stroke(polygon, width, state_.pen.colour, true);
}

void GdiPlayer::Rectangle(double left, double top, double right, double bottom) {
  Polygons({{{left, top}, {right, top}, {right, bottom}, {left, bottom}}});
}

// Curved shapes are flattened in target pixels, so that a small logical ellipse drawn large stays
// round. The mapping only scales and moves, so corners map to corners.
void GdiPlayer::Ellipse(double left, double top, double right, double bottom) {
  const PointF a = ToTarget({left, top}), b = ToTarget({right, bottom});
  FillAndStroke({EllipsePoints(a.x, a.y, b.x, b.y)});
}

void GdiPlayer::RoundRect(double left, double top, double right, double bottom, double cornerWidth,
                          double cornerHeight) {
  const PointF a = ToTarget({left, top}), b = ToTarget({right, bottom});
  const PointF origin = ToTarget({0, 0}), corner = ToTarget({cornerWidth, cornerHeight});
  FillAndStroke({RoundRectPoints(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
                                 corner.x - origin.x, corner.y - origin.y)});
}

void GdiPlayer::Save() { saved_.push_back(state_); }

void GdiPlayer::Restore(int which) {
  std::size_t keep;  // saved states left after the one restored is taken
  if (which < 0) {
    if (static_cast<std::size_t>(-static_cast<long long>(which)) > saved_.size()) return;
    keep = saved_.size() - static_cast<std::size_t>(-static_cast<long long>(which));
  } else {
    if (which == 0 || static_cast<std::size_t>(which) > saved_.size()) return;
    keep = static_cast<std::size_t>(which) - 1;
  }
  state_ = saved_[keep];
  saved_.resize(keep);
}

PointList FlattenBeziers(PointF start, const PointList& points) {
  constexpr int kSteps = 16;
  PointList out;
  PointF p0 = start;
  for (std::size_t i = 0; i + 2 < points.size(); i += 3) {
    const PointF p1 = points[i], p2 = points[i + 1], p3 = points[i + 2];
    for (int s = 1; s <= kSteps; ++s) {
      const double t = static_cast<double>(s) / kSteps, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      out.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    p0 = p3;
  }
  return out;
}

}  // namespace rovan
