// ILogBase: the host log.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/motore_host.h"
#include "host/text_buffer.h"

namespace kalvor {

class LogBaseAdapter final : public HostInterface<rovan::ILogBase> {
 public:
  explicit LogBaseAdapter(std::vector<LogLine>& log) : log_(log) {}

  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6)
  ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8)
  void ROVAN_STDCALL Log(int32_t livello, const char* testo) override {
    NoThrow(0, [&] {
      log_.push_back(LogLine{livello, std::string(TextOf(testo))});
      return 0;
    });
  }

 private:
  std::vector<LogLine>& log_;
};

}  // namespace kalvor
