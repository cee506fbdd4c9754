#include "host/kalvor/event_sink.h"

#include "platform/code_page.h"

namespace kalvor {

void ROVAN_STDCALL EventSink::OnNotifica(int32_t type, const char* msg) {
  events_.push_back({type, rovan::AnsiToUtf8(msg != nullptr ? msg : "")});
}

std::optional<std::string> EventSink::Last(int32_t type) const {
  for (auto e = events_.rbegin(); e != events_.rend(); ++e)
    if (e->type == type) return e->text;
  return std::nullopt;
}

}  // namespace kalvor
