// The command-line host's sink for the plug-in's events (IRovanEventSink): what arrives is kept, so that a
// command can read the answer an event carries (setta_cartella answers with event 5 and the tab id).
//
// Reference counting is fake: kalvor owns the sink and takes it back from IRovanEvent before it goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin/ItfRovan.h"

namespace kalvor {

class EventSink final : public rovan::IRovanEventSink {
 public:
  struct Event {
    int32_t type;
    std::string text;  // UTF-8
  };

  rovan::HRESULT ROVAN_STDCALL QueryInterface(const rovan::TGUID*, void**) override { return rovan::E_NOINTERFACE; }
  int32_t ROVAN_STDCALL AddRef() override { return 2; }
  int32_t ROVAN_STDCALL Release() override { return 1; }
  void ROVAN_STDCALL OnNotifica(int32_t type, const char* msg) override;

  const std::vector<Event>& events() const { return events_; }
  void Clear() { events_.clear(); }
  // The text of the last event of that type received, or nullopt.
  std::optional<std::string> Last(int32_t type) const;

 private:
  std::vector<Event> events_;
};

}  // namespace kalvor
