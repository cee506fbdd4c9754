// IStatusNotifyImpl: the sink through which the host tells the plug-in about its status.
//
// One instance per loaded library. The only state read elsewhere is m_loadingOrder: true between the
// host's "loading" (13) and "loaded" (41) notifications, while a command suppresses one notification.
// Reference counting is fake: the library owns the object.
#pragma once

#include <cstdint>

#include "plugin/ItfKalvor.h"

namespace rovan {

class IStatusNotifyImpl final : public IStatusNotify {
 public:
  HRESULT ROVAN_STDCALL QueryInterface(const TGUID* iid, void** obj) override;
  int32_t ROVAN_STDCALL AddRef() override { return 1; }
  int32_t ROVAN_STDCALL Release() override { return 1; }

  HRESULT ROVAN_STDCALL OnStatusChange(int32_t action, void* struttura) override;
  HRESULT ROVAN_STDCALL OnCollezioneActivate(void*) override { return S_OK; }
  HRESULT ROVAN_STDCALL OnStatusChangeIntStr(int32_t, const char*) override { return S_OK; }

  // Registers with the host's connection point; true (also when already advised or none is offered).
  bool Advise();
  // Unregisters when advised.
  void Unadvise();

  bool loadingOrder() const { return m_loadingOrder; }
  bool advised() const { return m_Advised; }

  uint32_t m_dwCookie = 0;       // connection cookie
  bool m_loadingOrder = false;   // the host is loading
  bool m_Advised = false;
  const TGUID IID_STATUS_NOTIFY_ = IID_STATUS_NOTIFY;

 private:
  IConnectionPoint* FindPoint() const;  // a counted reference, or null
};

}  // namespace rovan
