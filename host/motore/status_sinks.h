// The sinks advised on the host's status connection point, by cookie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "plugin/ItfKalvor.h"

namespace kalvor {

class StatusSinks {
 public:
  // Keeps sink, taking over one reference the caller acquired for it; returns its cookie (never 0).
  uint32_t Add(rovan::IStatusNotify* sink);
  // Releases and forgets the sink of cookie; false when no sink has that cookie.
  bool Remove(uint32_t cookie);
  // OnStatusChange(action, null) on each sink, in cookie order; a sink removed by an earlier call is skipped.
  void Notify(int32_t action);
  std::size_t size() const { return sinks_.size(); }
  // Forgets every sink without Release: at Reset the sink's code may be gone already.
  void Forget() { sinks_.clear(); }

 private:
  std::map<uint32_t, rovan::IStatusNotify*> sinks_;
  // Cookies are never reused, not even after Forget, so a stale cookie never removes a newer sink.
  uint32_t next_cookie_ = 1;
};

}  // namespace kalvor
