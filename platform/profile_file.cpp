#include "platform/profile_file.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/text_utils.h"

namespace rovan {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Line {
  enum class Kind { Section, Key, Other };
  std::string text;  // as in the file, without the line end
  Kind kind = Kind::Other;
  std::string name;  // section or key name, trimmed
  std::string value;  // key value, trimmed
};

Line ParseLine(std::string text) {
  Line line;
  line.text = std::move(text);
  const std::string_view trimmed = TrimView(line.text);
  if (trimmed.starts_with('[')) {
    line.kind = Line::Kind::Section;
    line.name = TrimView(trimmed.substr(1, trimmed.find(']') - 1));
  } else if (const auto equals = trimmed.find('='); equals != std::string_view::npos) {
    const std::string_view name = TrimView(trimmed.substr(0, equals));
    if (!name.empty()) {
      line.kind = Line::Kind::Key;
      line.name = name;
      line.value = TrimView(trimmed.substr(equals + 1));
    }
  }
  return line;
}

// The file as lines; a missing file is an empty one.
struct Document {
  bool readable = true;  // false when the file exists but cannot be read: it must not be overwritten
  bool bom = false;
  std::vector<Line> lines;

  // Index of the first line of the first section of that name, or lines.size().
  size_t FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].kind == Line::Kind::Section && EqualsNoCase(lines[i].name, section)) return i;
    }
    return lines.size();
  }
  // End of the section whose header is at `header`: the next section header, or lines.size().
  size_t SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines.size() && lines[i].kind != Line::Kind::Section) ++i;
    return i;
  }
  // Index of the first key of that name inside the section at `header`, or nullopt.
  std::optional<size_t> FindKey(size_t header, std::string_view key) const {
    for (size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
      if (lines[i].kind == Line::Kind::Key && EqualsNoCase(lines[i].name, key)) return i;
    }
    return std::nullopt;
  }
};

Document Load(const std::string& fileName) {
  Document document;
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    std::error_code error;
    document.readable = !std::filesystem::exists(fileName, error);
    return document;
  }
  // Stream operations, unlike stream-buffer iterators, turn a read error (a folder in the file's place)
  // into a state instead of an exception.
  std::ostringstream content;
  if (in.peek() != std::ifstream::traits_type::eof()) content << in.rdbuf();
  if (in.bad() || content.fail()) {
    document.readable = false;
    return document;
  }
  const std::string text = std::move(content).str();
  document.bom = text.starts_with(kBom);
  std::istringstream stream(text.substr(document.bom ? kBom.size() : 0));
  for (std::string line; std::getline(stream, line);) {
    if (line.ends_with('\r')) line.pop_back();
    document.lines.push_back(ParseLine(std::move(line)));
  }
  return document;
}

bool Save(const std::string& fileName, const Document& document) {
  if (!document.readable) return false;
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (document.bom) out << kBom;
  for (const Line& line : document.lines) out << line.text << "\r\n";
  out.close();
  return !out.fail();
}

std::optional<int> ParseInteger(std::string_view text) {
  if (text.starts_with('+') && !text.starts_with("+-")) text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> ProfileFile::Find(const std::string& section, const std::string& key) const {
  const Document document = Load(file_name_);
  const size_t header = document.FindSection(section);
  if (header == document.lines.size()) return std::nullopt;
  const std::optional<size_t> line = document.FindKey(header, key);
  if (!line) return std::nullopt;
  return document.lines[*line].value;
}

std::string ProfileFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  return Find(section, key).value_or(def);
}

int ProfileFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const std::optional<std::string> value = Find(section, key);
  return value ? ParseInteger(*value).value_or(def) : def;
}

bool ProfileFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  const std::optional<std::string> value = Find(section, key);
  const std::optional<int> number = value ? ParseInteger(*value) : std::nullopt;
  return number ? *number != 0 : def;
}

std::vector<std::string> ProfileFile::ReadSection(const std::string& section) const {
  const Document document = Load(file_name_);
  std::vector<std::string> keys;
  const size_t header = document.FindSection(section);
  if (header == document.lines.size()) return keys;
  for (size_t i = header + 1, end = document.SectionEnd(header); i < end; ++i) {
    if (document.lines[i].kind == Line::Kind::Key) keys.push_back(document.lines[i].name);
  }
  return keys;
}

bool ProfileFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) const {
  Document document = Load(file_name_);
  std::vector<Line>& lines = document.lines;
  const size_t header = document.FindSection(section);
  if (header == lines.size()) {
    lines.push_back(ParseLine("[" + section + "]"));
    lines.push_back(ParseLine(key + "=" + value));
  } else if (const std::optional<size_t> existing = document.FindKey(header, key)) {
    lines[*existing] = ParseLine(lines[*existing].name + "=" + value);  // keeps the file's spelling
  } else {
    // After the last non-blank line of the section, so blank separators stay before the next section.
    size_t at = document.SectionEnd(header);
    while (at > header + 1 && TrimView(lines[at - 1].text).empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), ParseLine(key + "=" + value));
  }
  return Save(file_name_, document);
}

bool ProfileFile::WriteInteger(const std::string& section, const std::string& key, int value) const {
  return WriteString(section, key, std::to_string(value));
}

bool ProfileFile::WriteBool(const std::string& section, const std::string& key, bool value) const {
  return WriteString(section, key, value ? "1" : "0");
}

bool ProfileFile::Erase(const std::string& section, const std::string& key) const {
  Document document = Load(file_name_);
  std::vector<Line>& lines = document.lines;
  const size_t header = document.FindSection(section);
  if (header == lines.size()) return document.readable;  // nothing to erase; the file is left untouched
  const auto begin = lines.begin();
  if (key.empty()) {
    lines.erase(begin + static_cast<std::ptrdiff_t>(header),
                begin + static_cast<std::ptrdiff_t>(document.SectionEnd(header)));
  } else if (const std::optional<size_t> line = document.FindKey(header, key)) {
    lines.erase(begin + static_cast<std::ptrdiff_t>(*line));
  } else {
    return true;
  }
  return Save(file_name_, document);
}

}  // namespace rovan
