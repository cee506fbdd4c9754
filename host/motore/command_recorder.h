// The host's command lines (IStatus slot 3): recorded in order and answered by handlers chosen by verb.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/motore/motore_host.h"

namespace kalvor {

class CommandRecorder {
 public:
  // Records line, then returns what the handler of its verb answers, or 0 without handler.
  int32_t Run(std::string_view line);
  // An empty handler removes the verb's handler.
  void SetHandler(std::string verb, CommandHandler handler);
  const std::vector<std::string>& lines() const { return lines_; }
  // Forgets lines and handlers.
  void Clear();

 private:
  std::vector<std::string> lines_;
  std::map<std::string, CommandHandler, std::less<>> handlers_;
};

}  // namespace kalvor
