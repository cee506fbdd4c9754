#include "ui/metafile_objects.h"

#include <algorithm>

namespace rovan {
namespace {

constexpr std::size_t kMaxSlots = 1 << 16;  // a metafile's object count is 16-bit

}  // namespace

void MetafileObjects::Create(const Object& object) {
  const auto free = std::find_if(slots_.begin(), slots_.end(),
                                 [](const Object& o) { return std::holds_alternative<std::monostate>(o); });
  if (free != slots_.end()) {
    *free = object;
  } else if (slots_.size() < kMaxSlots) {
    slots_.push_back(object);
  }
}

void MetafileObjects::Put(std::size_t index, const Object& object) {
  if (index >= kMaxSlots) return;
  if (index >= slots_.size()) slots_.resize(index + 1);
  slots_[index] = object;
}

void MetafileObjects::Select(std::size_t index, GdiPlayer& player) const {
  if (index >= slots_.size()) return;
  if (const auto* pen = std::get_if<GdiPen>(&slots_[index])) player.SelectPen(*pen);
  if (const auto* brush = std::get_if<GdiBrush>(&slots_[index])) player.SelectBrush(*brush);
}

void MetafileObjects::Delete(std::size_t index) {
  if (index < slots_.size()) slots_[index] = std::monostate{};
}

}  // namespace rovan
