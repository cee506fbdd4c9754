// IConnectionPointContainer and its single IConnectionPoint, for status notifications (IStatusNotify).
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/status_sinks.h"

namespace kalvor {

// Standard COM results the interface header does not define.
inline constexpr rovan::HRESULT kE_NOTIMPL = static_cast<rovan::HRESULT>(0x80004001u);
inline constexpr rovan::HRESULT kE_POINTER = static_cast<rovan::HRESULT>(0x80004003u);
inline constexpr rovan::HRESULT kCONNECT_E_CANNOTCONNECT = static_cast<rovan::HRESULT>(0x80040202u);

class ConnectionPointContainerAdapter;

// The connection point of IID_STATUS_NOTIFY. Owned by its container.
class ConnectionPointAdapter final : public HostInterface<rovan::IConnectionPoint> {
 public:
  ConnectionPointAdapter(ConnectionPointContainerAdapter& container, StatusSinks& sinks)
      : container_(container), sinks_(sinks) {}

  rovan::HRESULT ROVAN_STDCALL GetConnectionInterface(rovan::TGUID* iid) override;
  rovan::HRESULT ROVAN_STDCALL GetConnectionPointContainer(rovan::IConnectionPointContainer** c) override;
  // As COM does, the sink is asked for IID_STATUS_NOTIFY with its own QueryInterface, and the reference
  // that answer carries is the one the host keeps until Unadvise.
  rovan::HRESULT ROVAN_STDCALL Advise(rovan::IUnknownRovan* sink, uint32_t* cookie) override;
  rovan::HRESULT ROVAN_STDCALL Unadvise(uint32_t cookie) override;
  // Not offered: the plug-in never enumerates.
  rovan::HRESULT ROVAN_STDCALL EnumConnections(void** e) override;

 private:
  ConnectionPointContainerAdapter& container_;
  StatusSinks& sinks_;
};

class ConnectionPointContainerAdapter final : public HostInterface<rovan::IConnectionPointContainer> {
 public:
  explicit ConnectionPointContainerAdapter(StatusSinks& sinks) : point_(*this, sinks) {}

  // Not offered: the plug-in never enumerates.
  rovan::HRESULT ROVAN_STDCALL EnumConnectionPoints(void** e) override;
  // The connection point, with a new reference, for IID_STATUS_NOTIFY; otherwise null and
  // CONNECT_E_NOCONNECTION.
  rovan::HRESULT ROVAN_STDCALL FindConnectionPoint(const rovan::TGUID* iid, rovan::IConnectionPoint** cp) override;

  ConnectionPointAdapter& point() { return point_; }

 private:
  ConnectionPointAdapter point_;
};

}  // namespace kalvor
