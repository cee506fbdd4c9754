#include "plugin/status_notify.h"

#include "plugin/host_link.h"

namespace rovan {

HRESULT ROVAN_STDCALL IStatusNotifyImpl::QueryInterface(const TGUID* iid, void** obj) {
  if (iid != nullptr && *iid == IID_STATUS_NOTIFY_) {
    if (obj != nullptr) *obj = static_cast<IStatusNotify*>(this);
    return S_OK;
  }
  if (obj != nullptr) *obj = nullptr;
  return E_NOINTERFACE;
}

HRESULT ROVAN_STDCALL IStatusNotifyImpl::OnStatusChange(int32_t action, void*) {
  if (action == 13) m_loadingOrder = true;
  else if (action == 41) m_loadingOrder = false;
  return S_OK;
}

IConnectionPoint* IStatusNotifyImpl::FindPoint() const {
  IConnectionPointContainer* container = HostLink::Get().connectionPoints();
  if (container == nullptr) return nullptr;
  IConnectionPoint* point = nullptr;
  if (container->FindConnectionPoint(&IID_STATUS_NOTIFY_, &point) != S_OK) return nullptr;
  return point;
}

bool IStatusNotifyImpl::Advise() {
  if (m_Advised) return true;
  m_Advised = true;
  if (IConnectionPoint* point = FindPoint()) {
    point->Advise(this, &m_dwCookie);
    point->Release();
  }
  return true;
}

void IStatusNotifyImpl::Unadvise() {
  if (!m_Advised) return;
  if (IConnectionPoint* point = FindPoint()) {
    point->Unadvise(m_dwCookie);
    point->Release();
  }
  m_Advised = false;
}

}  // namespace rovan
