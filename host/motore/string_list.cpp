#include "host/motore/string_list.h"

namespace kalvor {

StringList* StringList::Create(std::unordered_set<const rovan::IStringList*>& registry) {
  // Owned from here on by its reference count (see Release).
  return new StringList(registry);
}

StringList::StringList(std::unordered_set<const rovan::IStringList*>& registry) : registry_(registry) {
  registry_.insert(this);
}

StringList::~StringList() { registry_.erase(this); }

rovan::HRESULT StringList::QueryInterface(const rovan::TGUID*, void** obj) {
  if (obj != nullptr) *obj = nullptr;
  return rovan::E_NOINTERFACE;
}

int32_t StringList::AddRef() { return ++refs_; }

int32_t StringList::Release() {
  const int32_t refs = --refs_;
  if (refs == 0) delete this;
  return refs;
}

int32_t StringList::Count() { return static_cast<int32_t>(lines_.size()); }

const char* StringList::Item(int32_t i) {
  if (i < 0 || static_cast<std::size_t>(i) >= lines_.size()) return nullptr;
  return lines_[static_cast<std::size_t>(i)].c_str();
}

}  // namespace kalvor
