// Windows metafiles (WMF), placeable or plain, played record by record onto the target. Drawn:
// lines, polylines, polygons, poly-polygons, rectangles, rounded rectangles, ellipses, with pens,
// solid brushes (hatched and pattern brushes fill solid in their colour) and the fill mode; saved
// states and the window. Text, bitmaps, arcs, regions and clipping are skipped.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/byte_reader.h"
#include "ui/gdi_player.h"
#include "ui/metafile_objects.h"
#include "ui/metafile_picture.h"

namespace rovan {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;

enum : std::uint16_t {
  kEof = 0x0000,
  kSaveDc = 0x001E,
  kSetPolyFillMode = 0x0106,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kCreatePenIndirect = 0x02FA,
  kCreateBrushIndirect = 0x02FC,
  // Records that create objects this player does not draw with; they still take a slot.
  kCreatePalette = 0x00F7,
  kDibCreatePatternBrush = 0x0142,
  kCreatePatternBrush = 0x01F9,
  kCreateFontIndirect = 0x02FB,
  kCreateRegion = 0x06FF,
};

class WmfPicture : public MetafilePicture {
 public:
  WmfPicture(std::string_view bytes, std::vector<MetafileRecord> records, int width, int height, PointF windowOrg,
             PointF windowExt, std::size_t objects)
      : MetafilePicture(bytes, std::move(records), width, height, objects), windowOrg_(windowOrg),
        windowExt_(windowExt) {}

  void Draw(RgbaImage& target, const PixelRect& rect) override;

 private:
  PointF windowOrg_;  // the frame of the picture until the records set their own window
  PointF windowExt_;
};

void WmfPicture::Draw(RgbaImage& target, const PixelRect& rect) {
  const ByteReader in(bytes_);
  // The metafile's window is mapped onto rect: viewport records belong to the player, not the file.
  GdiMapping mapping;
  mapping.mode = MapMode::Anisotropic;
  mapping.windowOrg = windowOrg_;
  mapping.windowExt = windowExt_;
  mapping.viewportOrg = {static_cast<double>(rect.x), static_cast<double>(rect.y)};
  mapping.viewportExt = {static_cast<double>(rect.w), static_cast<double>(rect.h)};
  GdiPlayer player(target, rect, mapping, {1, 1}, {0, 0});
  MetafileObjects objects(objects_);

  // Points as (x, y) pairs of 16-bit integers.
  auto points = [&](std::size_t at, std::size_t count) {
    PointList list;
    list.reserve(count);
    for (std::size_t i = 0; i < count; ++i) list.push_back({static_cast<double>(in.I16(at + 4 * i)), static_cast<double>(in.I16(at + 4 * i + 2))});
    return list;
  };
  for (const MetafileRecord& r : records_) {
    const std::size_t p = r.params;
    auto arg = [&](std::size_t i) { return static_cast<double>(in.I16(p + 2 * i)); };
    switch (r.type) {
      case kSaveDc: player.Save(); break;
      case kRestoreDc: player.Restore(in.I16(p)); break;
      case kSetPolyFillMode: player.SetWinding(in.U16(p) == 2); break;
      case kSetWindowOrg: player.Mapping().windowOrg = {arg(1), arg(0)}; break;
      case kSetWindowExt: player.Mapping().windowExt = {arg(1), arg(0)}; break;
      case kMoveTo: player.MoveTo({arg(1), arg(0)}); break;
      case kLineTo: player.LineTo({arg(1), arg(0)}); break;
      case kRectangle: player.Rectangle(arg(3), arg(2), arg(1), arg(0)); break;
      case kEllipse: player.Ellipse(arg(3), arg(2), arg(1), arg(0)); break;
      case kRoundRect: player.RoundRect(arg(5), arg(4), arg(3), arg(2), arg(1), arg(0)); break;
      case kPolygon:
      case kPolyline: {
        const std::size_t count = in.U16(p);
        if (2 + 4 * count > r.size) break;
        if (r.type == kPolygon) {
          player.Polygons({points(p + 2, count)});
        } else {
          player.Polyline(points(p + 2, count));
        }
        break;
      }
      case kPolyPolygon: {
        const std::size_t polygons = in.U16(p);
        std::size_t at = p + 2 + 2 * polygons;
        std::vector<PointList> shape;
        for (std::size_t i = 0; i < polygons && at <= p + r.size; ++i) {
          const std::size_t count = in.U16(p + 2 + 2 * i);
          if (at + 4 * count > p + r.size) break;
          shape.push_back(points(at, count));
          at += 4 * count;
        }
        player.Polygons(shape);
        break;
      }
      case kCreatePenIndirect: {
        GdiPen pen;
        pen.visible = (in.U16(p) & 0x0F) != kPenStyleNull;
        pen.width = in.I16(p + 2);
        pen.colour = FromColorRef(in.U32(p + 6));
        objects.Create(pen);
        break;
      }
      case kCreateBrushIndirect: {
        GdiBrush brush;
        brush.visible = in.U16(p) != kBrushStyleNull;
        brush.colour = FromColorRef(in.U32(p + 2));
        objects.Create(brush);
        break;
      }
      case kCreatePalette:
      case kDibCreatePatternBrush:
      case kCreatePatternBrush:
      case kCreateFontIndirect:
      case kCreateRegion: objects.Create(MetafileObjects::Other{}); break;
      case kSelectObject: objects.Select(in.U16(p), player); break;
      case kDeleteObject: objects.Delete(in.U16(p)); break;
      default: break;  // records that change nothing drawn here
    }
  }
}

}  // namespace

std::unique_ptr<Picture> LoadWmfPicture(std::string_view bytes) {
  const ByteReader in(bytes);
  std::size_t at = 0;
  int width = 0, height = 0;
  PointF windowOrg{0, 0}, windowExt{0, 0};
  if (in.U32(0) == kPlaceableKey) {
    if (!in.Has(0, kPlaceableSize)) return nullptr;
    const double left = in.I16(6), top = in.I16(8), right = in.I16(10), bottom = in.I16(12);
    const int inch = in.U16(14);  // logical units per inch
    if (inch == 0 || right == left || bottom == top) return nullptr;
    width = static_cast<int>(std::abs(right - left) * 96 / inch + 0.5);
    height = static_cast<int>(std::abs(bottom - top) * 96 / inch + 0.5);
    windowOrg = {left, top};
    windowExt = {right - left, bottom - top};
    at = kPlaceableSize;
  }
  const std::uint16_t type = in.U16(at);
  if (!in.Has(at, kHeaderSize) || (type != 1 && type != 2) || in.U16(at + 2) != kHeaderSize / 2) return nullptr;
  const std::size_t objects = in.U16(at + 10);
  at += kHeaderSize;

  std::vector<MetafileRecord> records;
  bool ended = false;
  while (!ended) {
    const std::uint64_t size = static_cast<std::uint64_t>(in.U32(at)) * 2;  // counted in 16-bit words
    if (size < 6 || !in.Has(at, size)) return nullptr;
    const std::uint16_t function = in.U16(at + 4);
    ended = function == kEof;
    if (function == kSetWindowExt && windowExt.x == 0) {  // a plain metafile's size is its window
      windowExt = {static_cast<double>(in.I16(at + 8)), static_cast<double>(in.I16(at + 6))};
    }
    records.push_back({function, at + 6, static_cast<std::size_t>(size - 6)});
    at += size;
  }
  if (width == 0) {
    width = static_cast<int>(std::abs(windowExt.x));
    height = static_cast<int>(std::abs(windowExt.y));
  }
  if (width == 0 || height == 0) return nullptr;
  return std::make_unique<WmfPicture>(bytes, std::move(records), width, height, windowOrg, windowExt, objects);
}

}  // namespace rovan
