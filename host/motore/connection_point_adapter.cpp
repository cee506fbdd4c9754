#include "host/motore/connection_point_adapter.h"

namespace kalvor {

rovan::HRESULT ConnectionPointAdapter::GetConnectionInterface(rovan::TGUID* iid) {
  if (iid == nullptr) return kE_POINTER;
  *iid = rovan::IID_STATUS_NOTIFY;
  return rovan::S_OK;
}

rovan::HRESULT ConnectionPointAdapter::GetConnectionPointContainer(rovan::IConnectionPointContainer** c) {
  if (c == nullptr) return kE_POINTER;
  *c = static_cast<rovan::IConnectionPointContainer*>(container_.Acquire());
  return rovan::S_OK;
}

rovan::HRESULT ConnectionPointAdapter::Advise(rovan::IUnknownRovan* sink, uint32_t* cookie) {
  if (cookie != nullptr) *cookie = 0;
  if (sink == nullptr || cookie == nullptr) return kE_POINTER;
  void* notify = nullptr;
  if (sink->QueryInterface(&rovan::IID_STATUS_NOTIFY, &notify) != rovan::S_OK || notify == nullptr)
    return kCONNECT_E_CANNOTCONNECT;
  auto* status_sink = static_cast<rovan::IStatusNotify*>(notify);
  const rovan::HRESULT result = NoThrow(kCONNECT_E_CANNOTCONNECT, [&] {
    *cookie = sinks_.Add(status_sink);
    return rovan::S_OK;
  });
  if (result != rovan::S_OK) status_sink->Release();  // not kept, so its reference goes back
  return result;
}

rovan::HRESULT ConnectionPointAdapter::Unadvise(uint32_t cookie) {
  return sinks_.Remove(cookie) ? rovan::S_OK : rovan::CONNECT_E_NOCONNECTION;
}

rovan::HRESULT ConnectionPointAdapter::EnumConnections(void** e) {
  if (e != nullptr) *e = nullptr;
  return kE_NOTIMPL;
}

rovan::HRESULT ConnectionPointContainerAdapter::EnumConnectionPoints(void** e) {
  if (e != nullptr) *e = nullptr;
  return kE_NOTIMPL;
}

rovan::HRESULT ConnectionPointContainerAdapter::FindConnectionPoint(const rovan::TGUID* iid,
                                                                    rovan::IConnectionPoint** cp) {
  if (cp == nullptr) return kE_POINTER;
  *cp = nullptr;
  if (iid == nullptr || !(*iid == rovan::IID_STATUS_NOTIFY)) return rovan::CONNECT_E_NOCONNECTION;
  *cp = static_cast<rovan::IConnectionPoint*>(point_.Acquire());
  return rovan::S_OK;
}

}  // namespace kalvor
