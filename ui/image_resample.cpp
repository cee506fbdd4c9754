#include "ui/image_resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace rovan {
namespace {

// The source pixels one target pixel covers along one axis, with the covered length of each.
struct Span {
  int first = 0;
  std::vector<float> weights;  // normalised to sum 1
};

// Spans of the target pixels [from, to) of a run of `size` target pixels over `sourceSize` source pixels.
std::vector<Span> Spans(int sourceSize, int size, int from, int to) {
  std::vector<Span> spans;
  spans.reserve(static_cast<std::size_t>(std::max(0, to - from)));
  const double ratio = static_cast<double>(sourceSize) / size;
  for (int i = from; i < to; ++i) {
    const double a = i * ratio;
    const double b = std::min<double>((i + 1) * ratio, sourceSize);
    Span span;
    span.first = std::min(static_cast<int>(a), sourceSize - 1);
    double total = 0;
    for (int j = span.first; j < b; ++j) {
      const double covered = std::min<double>(b, j + 1) - std::max<double>(a, j);
      span.weights.push_back(static_cast<float>(covered));
      total += covered;
    }
    if (span.weights.empty()) {  // a rounding sliver at the far edge: take the last pixel
      span.weights.push_back(1.0f);
      total = 1;
    }
    for (float& w : span.weights) w = static_cast<float>(w / total);
    spans.push_back(std::move(span));
  }
  return spans;
}

}  // namespace

void DrawScaled(const RgbaImage& src, RgbaImage& target, const PixelRect& rect) {
  if (src.width <= 0 || src.height <= 0 || rect.w <= 0 || rect.h <= 0) return;
  // The visible part of rect, in rect-relative coordinates.
  const int x0 = std::max(0, -rect.x), x1 = std::min(rect.w, target.width - rect.x);
  const int y0 = std::max(0, -rect.y), y1 = std::min(rect.h, target.height - rect.y);
  if (x0 >= x1 || y0 >= y1) return;
  const std::vector<Span> columns = Spans(src.width, rect.w, x0, x1);
  const std::vector<Span> rows = Spans(src.height, rect.h, y0, y1);

  // Horizontal pass over the source rows the visible rows need, premultiplied.
  const int firstRow = rows.front().first;
  const int lastRow = rows.back().first + static_cast<int>(rows.back().weights.size());
  const std::size_t width = columns.size();
  std::vector<float> horizontal(static_cast<std::size_t>(lastRow - firstRow) * width * 4);
  for (int sy = firstRow; sy < lastRow; ++sy) {
    float* out = horizontal.data() + static_cast<std::size_t>(sy - firstRow) * width * 4;
    for (const Span& column : columns) {
      float acc[4] = {0, 0, 0, 0};
      const std::uint8_t* p = src.Pixel(column.first, sy);
      for (float w : column.weights) {
        const float wa = w * p[3];
        acc[0] += wa * p[0];
        acc[1] += wa * p[1];
        acc[2] += wa * p[2];
        acc[3] += wa;
        p += 4;
      }
      for (int c = 0; c < 4; ++c) *out++ = acc[c];
    }
  }

  // Vertical pass, back to straight alpha.
  std::vector<float> acc(width * 4);
  for (int y = y0; y < y1; ++y) {
    const Span& row = rows[static_cast<std::size_t>(y - y0)];
    std::fill(acc.begin(), acc.end(), 0.0f);
    for (std::size_t k = 0; k < row.weights.size(); ++k) {
      const float* in = horizontal.data() + static_cast<std::size_t>(row.first + static_cast<int>(k) - firstRow) * width * 4;
      const float w = row.weights[k];
      for (std::size_t i = 0; i < acc.size(); ++i) acc[i] += w * in[i];
    }
    std::uint8_t* out = target.Pixel(rect.x + x0, rect.y + y);
    for (std::size_t i = 0; i < width; ++i, out += 4) {
      const float alpha = acc[i * 4 + 3];
      for (int c = 0; c < 3; ++c) {
        const float value = alpha > 0 ? acc[i * 4 + static_cast<std::size_t>(c)] / alpha : 0.0f;
        out[c] = static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
      }
      out[3] = static_cast<std::uint8_t>(std::clamp(std::lround(alpha), 0L, 255L));
    }
  }
}

}  // namespace rovan
