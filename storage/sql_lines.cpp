#include "storage/sql_lines.h"

#include <stdexcept>

namespace rovan {

void SqlLines::Add(std::string line) {
  lines_.push_back(std::move(line));
  ++version_;
}

void SqlLines::SetText(std::string_view text) {
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines_.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  ++version_;
}

void SqlLines::Clear() {
  lines_.clear();
  ++version_;
}

void SqlLines::Put(size_t index, std::string line) {
  if (index >= lines_.size()) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  lines_[index] = std::move(line);
  ++version_;
}

std::string SqlLines::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace rovan
