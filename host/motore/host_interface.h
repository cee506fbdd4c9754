// What every interface object of the substitute host shares: the IUnknown slots and the rule that no
// exception leaves a slot.
#pragma once

#include <cstdint>
#include <utility>

#include "plugin/ItfCommon.h"

namespace kalvor {

// Runs fn and returns its result; an exception (a handler's, or running out of memory) becomes fallback,
// because an exception must never unwind into the caller of a vtable slot.
template <class R, class Fn>
R NoThrow(R fallback, Fn&& fn) noexcept {
  try {
    return std::forward<Fn>(fn)();
  } catch (...) {
    return fallback;
  }
}

// An interface object the host owns, seen without its interface type: how the lookup function hands it out
// and how a test reads its reference count.
class HostObject {
 public:
  virtual ~HostObject() = default;
  // The interface pointer handed to callers, after AddRef.
  virtual void* Acquire() = 0;
  virtual int32_t references() const = 0;
  virtual void ClearReferences() = 0;
};

// Implements the IUnknown slots of Itf for an object owned by the host. The count only records how many
// references callers hold, so a test can see each one given back; reaching 0 destroys nothing. A count
// below 0 is kept, not corrected: it shows a caller releasing too often.
// QueryInterface answers nothing: the plug-in reaches host interfaces by name only.
template <class Itf>
class HostInterface : public Itf, public HostObject {
 public:
  rovan::HRESULT ROVAN_STDCALL QueryInterface(const rovan::TGUID*, void** obj) override {
    if (obj != nullptr) *obj = nullptr;
    return rovan::E_NOINTERFACE;
  }
  int32_t ROVAN_STDCALL AddRef() override { return ++refs_; }
  int32_t ROVAN_STDCALL Release() override { return --refs_; }

  void* Acquire() override {
    AddRef();
    return static_cast<Itf*>(this);
  }
  int32_t references() const override { return refs_; }
  void ClearReferences() override { refs_ = 0; }

 private:
  int32_t refs_ = 0;
};

}  // namespace kalvor
