#include "host/motore/command_recorder.h"

#include <utility>

namespace kalvor {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// The first blank-separated word of line ("" for a blank line).
std::string_view Verb(std::string_view line) {
  const auto start = line.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  return line.substr(0, line.find_first_of(kBlanks));
}

}  // namespace

int32_t CommandRecorder::Run(std::string_view line) {
  lines_.emplace_back(line);
  auto it = handlers_.find(Verb(line));
  if (it == handlers_.end()) return 0;
  // A copy: the handler may replace or remove itself while it runs.
  const CommandHandler handler = it->second;
  return handler(lines_.back());
}

void CommandRecorder::SetHandler(std::string verb, CommandHandler handler) {
  if (handler)
    handlers_[std::move(verb)] = std::move(handler);
  else
    handlers_.erase(verb);
}

void CommandRecorder::Clear() {
  lines_.clear();
  handlers_.clear();
}

}  // namespace kalvor
