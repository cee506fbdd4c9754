#include "host/motore/file_commands.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "host/motore/host_state.h"
#include "platform/profile_file.h"

namespace kalvor {
namespace {

// A 1x1 white RGB picture: the smallest valid PNG, enough for a caller that checks the file.
constexpr unsigned char kImage[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00,
    0x0C, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xFF, 0xFF, 0x3F, 0x00, 0x05, 0xFE, 0x02, 0xFE, 0x0D,
    0xEF, 0x46, 0xB8, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

// The words of a command line: blank-separated, a double-quoted run being one word without its quotes.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      const size_t end = line.find('"', i + 1);
      word = line.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1);
      i = end == std::string_view::npos ? line.size() : end + 1;
    } else {
      const size_t end = line.find_first_of(" \t", i);
      word = line.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
      i = end == std::string_view::npos ? line.size() : end;
    }
    words.push_back(std::move(word));
  }
  return words;
}

// 0 when the whole content was written, 1 (the host's error) otherwise.
int32_t WriteFile(const std::string& file, std::string_view content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  return out ? 0 : 1;
}

std::string_view Image() { return {reinterpret_cast<const char*>(kImage), sizeof kImage}; }

std::string Definition(std::string text, const std::string& code) {
  static constexpr std::string_view kToken = "%CODE%";
  for (size_t at = text.find(kToken); at != std::string::npos; at = text.find(kToken, at + code.size()))
    text.replace(at, kToken.size(), code);
  return text;
}

}  // namespace

void InstallFileCommands(HostState& state) {
  state.commands.SetHandler("rec_cmp", [&state](const std::string& line) -> int32_t {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 3 || words[1].empty()) return 1;
    return WriteFile(words[1], Definition(state.definitionText, words[2]));
  });
  state.commands.SetHandler("K4_PRINT", [&state](const std::string&) -> int32_t {
    std::string file = state.paths.base;
    if (!file.empty() && file.back() != '/') file += '/';
    file += "k4print.png";
    if (WriteFile(file, Image()) != 0) return 1;
    return rovan::ProfileFile(state.paths.iniFile).WriteString("SettaggiStampa", "ultimoDis", file) ? 0 : 1;
  });
  state.commands.SetHandler("TPRINT", [](const std::string& line) -> int32_t {
    const std::vector<std::string> words = Words(line);
    for (size_t i = 1; i + 1 < words.size(); ++i)
      if (words[i] == "RND_OUTFILE") return WriteFile(words[i + 1], Image());
    return 1;
  });
}

}  // namespace kalvor
