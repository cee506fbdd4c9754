#include "host/motore/status_sinks.h"

#include <vector>

namespace kalvor {

uint32_t StatusSinks::Add(rovan::IStatusNotify* sink) {
  const uint32_t cookie = next_cookie_++;
  sinks_.emplace(cookie, sink);
  return cookie;
}

bool StatusSinks::Remove(uint32_t cookie) {
  auto it = sinks_.find(cookie);
  if (it == sinks_.end()) return false;
  rovan::IStatusNotify* sink = it->second;
  sinks_.erase(it);
  sink->Release();
  return true;
}

void StatusSinks::Notify(int32_t action) {
  // Cookies first: a sink may unadvise itself or another one from inside the call.
  std::vector<uint32_t> cookies;
  for (const auto& entry : sinks_) cookies.push_back(entry.first);
  for (uint32_t cookie : cookies) {
    auto it = sinks_.find(cookie);
    if (it != sinks_.end()) it->second->OnStatusChange(action, nullptr);
  }
}

}  // namespace kalvor
