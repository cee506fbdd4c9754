// The two reporting helpers used everywhere: a message box captioned "Rovan" and the host log.
#pragma once

#include <string>

namespace rovan {

// A message box with the text, caption "Rovan" and an OK button, through the user-interface services.
void MostraMessaggio(const std::string& testo);

// Writes a line to the host log (level 7) when the host's log interface was obtained; otherwise nothing.
void ScriviLog(const std::string& testo);

// Writes "{ " + name on construction and "}// " + name on destruction, bracketing an operation in the log.
class LogBracket {
 public:
  explicit LogBracket(std::string name);
  ~LogBracket();
  LogBracket(const LogBracket&) = delete;
  LogBracket& operator=(const LogBracket&) = delete;

 private:
  std::string name_;
};

}  // namespace rovan
