// Enhanced metafiles (EMF) played record by record onto the target. Drawn: lines, polylines,
// polygons, poly-polygons and Bézier curves (32- and 16-bit forms), rectangles, rounded rectangles,
// ellipses, with pens (plain and extended), solid brushes (hatched ones fill solid), stock objects,
// the fill mode, saved states, the mapping modes with window and viewport. Text, bitmaps, paths,
// world transforms, arcs and clipping are skipped.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/byte_reader.h"
#include "ui/gdi_player.h"
#include "ui/metafile_objects.h"
#include "ui/metafile_picture.h"

namespace rovan {
namespace {

constexpr std::uint32_t kStockObject = 0x80000000u;
constexpr std::size_t kMinHeaderSize = 88;

enum : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExt = 9,
  kSetWindowOrg = 10,
  kSetViewportExt = 11,
  kSetViewportOrg = 12,
  kEof = 14,
  kSetMapMode = 17,
  kSetPolyFillMode = 19,
  kMoveTo = 27,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kLineTo = 54,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kExtCreatePen = 95,
};

// The stock pens and brushes (GetStockObject numbers 0 to 8).
void SelectStock(std::uint32_t index, GdiPlayer& player) {
  static constexpr std::uint32_t kBrushGreys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
  if (index < 5) player.SelectBrush({true, kBrushGreys[index]});
  if (index == 5) player.SelectBrush({false, 0});
  if (index == 6) player.SelectPen({true, 0, 0xFFFFFF});
  if (index == 7) player.SelectPen({true, 0, 0x000000});
  if (index == 8) player.SelectPen({false, 0, 0});
}

class EmfPicture : public MetafilePicture {
 public:
  EmfPicture(std::string_view bytes, std::vector<MetafileRecord> records, int width, int height, double frame[4],
             double pixelsPerMm, std::size_t objects)
      : MetafilePicture(bytes, std::move(records), width, height, objects),
        frame_{frame[0], frame[1], frame[2], frame[3]}, pixelsPerMm_(pixelsPerMm) {}

  void Draw(RgbaImage& target, const PixelRect& rect) override;

 private:
  double frame_[4];     // left, top, right, bottom in device pixels: what rect shows
  double pixelsPerMm_;  // of the reference device
};

void EmfPicture::Draw(RgbaImage& target, const PixelRect& rect) {
  const ByteReader in(bytes_);
  GdiMapping mapping;
  mapping.pixelsPerMm = pixelsPerMm_;
  const PointF scale{rect.w / (frame_[2] - frame_[0]), rect.h / (frame_[3] - frame_[1])};
  const PointF offset{rect.x - frame_[0] * scale.x, rect.y - frame_[1] * scale.y};
  GdiPlayer player(target, rect, mapping, scale, offset);
  MetafileObjects objects(objects_);

  auto point = [&](std::size_t at) { return PointF{static_cast<double>(in.I32(at)), static_cast<double>(in.I32(at + 4))}; };
  // count points from `at`, of 32-bit or 16-bit coordinates; nothing when they overrun the record.
  auto points = [&](const MetafileRecord& r, std::size_t at, std::size_t count, bool small) {
    PointList list;
    const std::size_t each = small ? 4 : 8;
    if (count > r.size / each || at + count * each > r.params + r.size) return list;
    list.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t q = at + i * each;
      list.push_back(small ? PointF{static_cast<double>(in.I16(q)), static_cast<double>(in.I16(q + 2))} : point(q));
    }
    return list;
  };
  // Poly-polylines and poly-polygons: bounds, number of figures, number of points, counts, points.
  auto figures = [&](const MetafileRecord& r, bool small) {
    std::vector<PointList> list;
    const std::size_t count = in.U32(r.params + 16);
    if (count > r.size / 4) return list;
    std::size_t at = r.params + 24 + 4 * count;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t n = in.U32(r.params + 24 + 4 * i);
      PointList figure = points(r, at, n, small);
      if (figure.size() != n) break;
      list.push_back(std::move(figure));
      at += n * (small ? 4 : 8);
    }
    return list;
  };

  for (const MetafileRecord& r : records_) {
    const std::size_t p = r.params;
    switch (r.type) {
      case kPolyBezier:
      case kPolyBezier16: {
        const PointList list = points(r, r.params + 20, in.U32(r.params + 16), r.type == kPolyBezier16);
        if (list.empty()) break;
        PointList line{list.front()};
        const PointList curve = FlattenBeziers(list.front(), PointList(list.begin() + 1, list.end()));
        line.insert(line.end(), curve.begin(), curve.end());
        player.Polyline(line);
        break;
      }
      case kPolyBezierTo:
      case kPolyBezierTo16: {
        const PointList list = points(r, r.params + 20, in.U32(r.params + 16), r.type == kPolyBezierTo16);
        if (list.size() >= 3) {
          player.PolylineTo(FlattenBeziers(player.Position(), list));
          player.MoveTo(list[list.size() - list.size() % 3 - 1]);
        }
        break;
      }
      case kPolygon:
      case kPolygon16: player.Polygons({points(r, r.params + 20, in.U32(r.params + 16), r.type == kPolygon16)}); break;
      case kPolyline:
      case kPolyline16: player.Polyline(points(r, r.params + 20, in.U32(r.params + 16), r.type == kPolyline16)); break;
      case kPolylineTo:
      case kPolylineTo16: player.PolylineTo(points(r, r.params + 20, in.U32(r.params + 16), r.type == kPolylineTo16)); break;
      case kPolyPolygon:
      case kPolyPolygon16: player.Polygons(figures(r, r.type == kPolyPolygon16)); break;
      case kPolyPolyline:
      case kPolyPolyline16:
        for (const PointList& figure : figures(r, r.type == kPolyPolyline16)) player.Polyline(figure);
        break;
      case kSetWindowExt: player.Mapping().windowExt = point(p); break;
      case kSetWindowOrg: player.Mapping().windowOrg = point(p); break;
      case kSetViewportExt: player.Mapping().viewportExt = point(p); break;
      case kSetViewportOrg: player.Mapping().viewportOrg = point(p); break;
      case kSetMapMode: {
        const std::uint32_t mode = in.U32(p);
        if (mode >= 1 && mode <= 8) player.Mapping().mode = static_cast<MapMode>(mode);
        break;
      }
      case kSetPolyFillMode: player.SetWinding(in.U32(p) == 2); break;
      case kMoveTo: player.MoveTo(point(p)); break;
      case kLineTo: player.LineTo(point(p)); break;
      case kSaveDc: player.Save(); break;
      case kRestoreDc: player.Restore(in.I32(p)); break;
      case kRectangle: player.Rectangle(in.I32(p), in.I32(p + 4), in.I32(p + 8), in.I32(p + 12)); break;
      case kEllipse: player.Ellipse(in.I32(p), in.I32(p + 4), in.I32(p + 8), in.I32(p + 12)); break;
      case kRoundRect:
        player.RoundRect(in.I32(p), in.I32(p + 4), in.I32(p + 8), in.I32(p + 12), in.I32(p + 16), in.I32(p + 20));
        break;
      case kCreatePen: {
        GdiPen pen;
        pen.visible = (in.U32(p + 4) & 0x0F) != kPenStyleNull;
        pen.width = in.I32(p + 8);
        pen.colour = FromColorRef(in.U32(p + 16));
        objects.Put(in.U32(p), pen);
        break;
      }
      case kExtCreatePen: {
        constexpr std::uint32_t kGeometric = 0x00010000;
        GdiPen pen;
        const std::uint32_t style = in.U32(p + 20);
        pen.visible = (style & 0x0F) != kPenStyleNull && in.U32(p + 28) != kBrushStyleNull;
        pen.width = (style & kGeometric) != 0 ? in.U32(p + 24) : 0;
        pen.colour = FromColorRef(in.U32(p + 32));
        objects.Put(in.U32(p), pen);
        break;
      }
      case kCreateBrushIndirect: {
        GdiBrush brush;
        brush.visible = in.U32(p + 4) != kBrushStyleNull;
        brush.colour = FromColorRef(in.U32(p + 8));
        objects.Put(in.U32(p), brush);
        break;
      }
      case kSelectObject: {
        const std::uint32_t index = in.U32(p);
        if ((index & kStockObject) != 0) {
          SelectStock(index & ~kStockObject, player);
        } else {
          objects.Select(index, player);
        }
        break;
      }
      case kDeleteObject: objects.Delete(in.U32(p)); break;
      default: break;  // records that change nothing drawn here
    }
  }
}

}  // namespace

std::unique_ptr<Picture> LoadEmfPicture(std::string_view bytes) {
  const ByteReader in(bytes);
  const std::size_t headerSize = in.U32(4);
  if (in.U32(0) != kHeader || headerSize < kMinHeaderSize || !in.Has(0, headerSize)) return nullptr;
  // Bounds: the drawing in device pixels, inclusive; frame: the picture in 0.01 mm, inclusive.
  const double bounds[4] = {static_cast<double>(in.I32(8)), static_cast<double>(in.I32(12)),
                            static_cast<double>(in.I32(16)) + 1, static_cast<double>(in.I32(20)) + 1};
  const double frameMm[4] = {in.I32(24) / 100.0, in.I32(28) / 100.0, in.I32(32) / 100.0, in.I32(36) / 100.0};
  const std::size_t objects = in.U16(56);
  const double deviceWidth = in.I32(72), deviceWidthMm = in.I32(80);

  const bool hasFrame = frameMm[2] > frameMm[0] && frameMm[3] > frameMm[1];
  const double pixelsPerMm = deviceWidth > 0 && deviceWidthMm > 0 ? deviceWidth / deviceWidthMm : 96 / 25.4;
  double frame[4], width, height;
  if (hasFrame) {
    for (int i = 0; i < 4; ++i) frame[i] = frameMm[i] * pixelsPerMm;
    width = std::round((frameMm[2] - frameMm[0]) * 96 / 25.4);
    height = std::round((frameMm[3] - frameMm[1]) * 96 / 25.4);
  } else {
    for (int i = 0; i < 4; ++i) frame[i] = bounds[i];
    width = bounds[2] - bounds[0];
    height = bounds[3] - bounds[1];
  }
  constexpr double kMaxSide = 1 << 20;
  if (!(width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide) || frame[2] <= frame[0] ||
      frame[3] <= frame[1]) {
    return nullptr;
  }

  std::vector<MetafileRecord> records;
  std::size_t at = headerSize;
  bool ended = false;
  while (!ended) {
    const std::uint32_t type = in.U32(at), size = in.U32(at + 4);
    if (size < 8 || size % 4 != 0 || !in.Has(at, size)) return nullptr;
    ended = type == kEof;
    records.push_back({type, at + 8, size - 8});
    at += size;
  }
  return std::make_unique<EmfPicture>(bytes, std::move(records), static_cast<int>(width), static_cast<int>(height),
                                      frame, pixelsPerMm, objects);
}

}  // namespace rovan
