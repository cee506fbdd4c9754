// The object table of a metafile being played: pens and brushes created by records, selected into the
// player by index, deleted again. Objects the player does not draw with (fonts, palettes, regions,
// pattern brushes) hold their slot so later indexes stay right.
#pragma once

#include <cstddef>
#include <variant>
#include <vector>

#include "ui/gdi_player.h"

namespace rovan {

// Pen and brush styles that draw nothing.
inline constexpr unsigned kPenStyleNull = 5;
inline constexpr unsigned kBrushStyleNull = 1;

class MetafileObjects {
 public:
  struct Other {};
  using Object = std::variant<std::monostate, GdiPen, GdiBrush, Other>;

  explicit MetafileObjects(std::size_t slots) : slots_(slots) {}

  // Into the lowest free slot, as Windows metafiles number their objects.
  void Create(const Object& object);
  // Into the given slot, as enhanced metafiles number theirs; absurd indexes are ignored.
  void Put(std::size_t index, const Object& object);
  void Select(std::size_t index, GdiPlayer& player) const;
  void Delete(std::size_t index);

 private:
  std::vector<Object> slots_;
};

}  // namespace rovan
