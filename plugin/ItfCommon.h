// Conventions shared by every binary interface, ours and the host's.
//
// An interface is a struct whose only members are pure virtual functions declared in slot order, the
// three reference-counting operations first, with no virtual destructor and no data. Under the Itanium
// ABI slot n is then the n-th declared function, so a plain C caller reaches slot n as
// (*(void***)obj)[n]. Integers are 32-bit; texts are zero-terminated 8-bit strings.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define ROVAN_STDCALL __stdcall
#else
#define ROVAN_STDCALL
#endif

#define ROVAN_EXPORT extern "C" __attribute__((visibility("default")))

// A slot the plug-in never calls: it keeps the numbering of the slots after it.
#define ROVAN_UNUSED_SLOT(n) virtual void ROVAN_STDCALL Slot##n() = 0;
// The implementation of such a slot in a substitute: it does nothing.
#define ROVAN_INERT_SLOT(n) \
  void ROVAN_STDCALL Slot##n() override {}

namespace rovan {

struct TGUID {
  uint32_t D1;
  uint16_t D2;
  uint16_t D3;
  uint8_t D4[8];
};

inline bool operator==(const TGUID& a, const TGUID& b) {
  if (a.D1 != b.D1 || a.D2 != b.D2 || a.D3 != b.D3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.D4[i] != b.D4[i]) return false;
  return true;
}

using HRESULT = int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT CONNECT_E_NOCONNECTION = static_cast<HRESULT>(0x80040200u);

struct IUnknownRovan {
  virtual HRESULT ROVAN_STDCALL QueryInterface(const TGUID* iid, void** obj) = 0;
  virtual int32_t ROVAN_STDCALL AddRef() = 0;
  virtual int32_t ROVAN_STDCALL Release() = 0;
};

// The signature of the exported lookup function, of the plug-in and of the host alike.
using TGetInstanceByName = int32_t(ROVAN_STDCALL*)(const char* name, void** obj);

}  // namespace rovan
