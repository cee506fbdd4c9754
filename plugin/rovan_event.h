// TRovanEvent: the IRovanEvent singleton, through which the plug-in raises events to the host's sink.
//
// Event types: 1, 3, 4 and 5 from container commands (only 5 carries a text), 2 from RiempiRicercaK4
// (carries the name), 4 after the favourites window changed the favourite tabs. Reference counting is
// fake; the library owns the object.
#pragma once

#include <string>

#include "plugin/ItfRovan.h"

namespace rovan {

class TRovanEvent final : public IRovanEvent {
 public:
  TRovanEvent() = default;
  ~TRovanEvent();  // releases the sink
  TRovanEvent(const TRovanEvent&) = delete;
  TRovanEvent& operator=(const TRovanEvent&) = delete;

  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return 0; }
  int32_t ROVAN_STDCALL AddRef() override { return 2; }
  int32_t ROVAN_STDCALL Release() override { return 2; }

  // Keeps a counted reference to the sink, releasing the previous one; null clears it.
  void ROVAN_STDCALL SetSink(IRovanEventSink* sink) override;

  // Calls the sink's OnNotifica when a sink is set.
  void Notifica(int32_t ttype, const std::string& msg);

  IRovanEventSink* sink() const { return m_sink; }

 private:
  IRovanEventSink* m_sink = nullptr;  // counted reference
};

}  // namespace rovan
