// SqlLines: the SQL text of a query, kept as a list of lines the way callers build it.
//
// The text run is every line followed by a line break ("\n"), as a string list's text reads. Every
// change bumps version(), so the query knows when to parse its parameters again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rovan {

class SqlLines {
 public:
  void Add(std::string line);
  // Replaces all lines with the lines of text, split at "\r\n", "\n" or "\r".
  void SetText(std::string_view text);
  void Clear();
  // Replaces the line at index; throws std::out_of_range when there is no such line.
  void Put(size_t index, std::string line);

  size_t Count() const { return lines_.size(); }
  const std::string& operator[](size_t index) const { return lines_.at(index); }
  std::string Text() const;
  uint64_t version() const { return version_; }

 private:
  std::vector<std::string> lines_;
  uint64_t version_ = 0;  // bumped on every change
};

}  // namespace rovan
