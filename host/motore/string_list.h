// IStringList: a list of texts the host hands out on demand (for IRecRelativo to fill).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "plugin/ItfKalvor.h"

namespace kalvor {

// Owned by its reference count: created with one reference for the caller of the lookup function and
// destroyed by the Release that brings the count to 0. While alive it is listed in the registry it was
// created with, so the host can tell its own lists from foreign objects and a test can count them.
class StringList final : public rovan::IStringList {
 public:
  // A new list with one reference. The registry must outlive every list.
  static StringList* Create(std::unordered_set<const rovan::IStringList*>& registry);
  StringList(const StringList&) = delete;
  StringList& operator=(const StringList&) = delete;

  rovan::HRESULT ROVAN_STDCALL QueryInterface(const rovan::TGUID*, void** obj) override;
  int32_t ROVAN_STDCALL AddRef() override;
  int32_t ROVAN_STDCALL Release() override;
  int32_t ROVAN_STDCALL Count() override;
  // The i-th text (from 0), or null outside the list.
  const char* ROVAN_STDCALL Item(int32_t i) override;

  // The list's own texts; filled by the host only.
  std::vector<std::string>& lines() { return lines_; }

 private:
  explicit StringList(std::unordered_set<const rovan::IStringList*>& registry);
  ~StringList();

  std::unordered_set<const rovan::IStringList*>& registry_;
  std::vector<std::string> lines_;
  int32_t refs_ = 1;
};

}  // namespace kalvor
