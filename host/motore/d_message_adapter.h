// IDMessage: message files loaded into the host.
#pragma once

#include "host/motore/host_interface.h"
#include <string>
#include <vector>
#include "host/text_buffer.h"

namespace kalvor {

class DMessageAdapter final : public HostInterface<rovan::IDMessage> {
 public:
  explicit DMessageAdapter(std::vector<std::string>& files) : files_(files) {}

  // Records the name; 1 (loaded), 0 when it could not be recorded.
  int32_t ROVAN_STDCALL CaricaMessaggi(const char* nomeFile) override {
    return NoThrow(0, [&] {
      files_.emplace_back(TextOf(nomeFile));
      return 1;
    });
  }

 private:
  std::vector<std::string>& files_;
};

}  // namespace kalvor
