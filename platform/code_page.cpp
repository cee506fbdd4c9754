#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace rovan {
namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kUtf16Le = "UTF-16LE";

// Replacements, in the target encoding, for what cannot be converted.
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kUtf16LeReplacement = "\xFD\xFF";   // U+FFFD
constexpr std::string_view kAnsiReplacement = "?";

struct CodePageSetting {
  explicit CodePageSetting(std::string n) : name(std::move(n)), utf8(name == kUtf8) {}
  std::string name;
  bool utf8;  // asked for each text a code list hands out
  bool warned = false;  // the unknown-name warning is written once per setting
  std::optional<bool> asciiCompatible;  // whether ASCII text reads the same in the code page (found on first need)
};

CodePageSetting& Setting() {
  static CodePageSetting setting{[] {
    const char* env = std::getenv("ROVAN_ANSI_CODEPAGE");
    return std::string(env != nullptr && *env != '\0' ? env : kUtf8);
  }()};
  return setting;
}

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (valid()) iconv_close(cd_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Length of the bytes to skip at an input position iconv rejected.
using SkipLength = size_t (*)(std::string_view rest);

// A character the target lacks is skipped whole; an invalid sequence is skipped as its longest valid
// prefix, so that each maximal ill-formed subpart gives one replacement (the Unicode recommendation).
size_t Utf8Skip(std::string_view rest) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(rest[i]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 1;
  }
  size_t valid = 1;
  while (valid < length && valid < rest.size()) {
    const unsigned char b = byte(valid);
    if (valid == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) break;
    ++valid;
  }
  return valid;
}

size_t Utf16LeSkip(std::string_view rest) {
  const auto unit = [&](size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(rest[i])) |
           static_cast<unsigned>(static_cast<unsigned char>(rest[i + 1])) << 8;
  };
  const bool pair = rest.size() >= 4 && unit(0) >= 0xD800 && unit(0) <= 0xDBFF && unit(2) >= 0xDC00 &&
                    unit(2) <= 0xDFFF;
  return pair ? 4 : 2;
}

size_t SingleByteSkip(std::string_view) { return 1; }

// Converts with iconv, putting `replacement` for every input piece it rejects, so it never fails.
std::string Convert(const IconvHandle& cd, std::string_view in, std::string_view replacement,
                    SkipLength skip) {
  std::string out;
  out.reserve(in.size());
  char* inPtr = const_cast<char*>(in.data());  // iconv does not write to the input
  size_t inLeft = in.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    out.append(replacement);
    if (error == EILSEQ) {
      const size_t n = skip(std::string_view(inPtr, inLeft));
      inPtr += n;
      inLeft -= n;
    } else {
      inLeft = 0;  // EINVAL: an incomplete sequence ends the input
    }
  }
  // Stateful encodings may owe a final shift sequence.
  char* outPtr = buffer;
  size_t outLeft = sizeof buffer;
  iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft);
  out.append(buffer, static_cast<size_t>(outPtr - buffer));
  return out;
}

bool IsAscii(std::string_view text) {
  // Eight bytes at a time: a host asks for texts by the hundred thousand.
  uint64_t any = 0;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t otto;
    std::memcpy(&otto, text.data() + i, sizeof otto);
    any |= otto;
  }
  for (; i < text.size(); ++i) any |= static_cast<unsigned char>(text[i]);
  return (any & 0x8080808080808080ull) == 0;
}

// The length of the well-formed multi-byte sequence that starts rest (its first byte is 0x80 or above),
// or 0 when it is ill-formed.
size_t Utf8SequenceLength(std::string_view rest) {
  const unsigned char lead = static_cast<unsigned char>(rest[0]);
  const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  return lead >= 0xC2 && lead <= 0xF4 && Utf8Skip(rest) == expected ? expected : 0;
}

// Whether text is well-formed UTF-8: then converting it from UTF-8 to UTF-8 gives it back unchanged.
bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const size_t n = Utf8SequenceLength(text.substr(i));
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// UTF-8 -> UTF-16LE without iconv, in one pass, appended to out: code lists and the JSON tree (hundreds of
// megabytes) cross in bulk. False, with out as it was, when the text is not well-formed (the caller then
// converts with replacements).
bool AccodaBenFormato(std::string& out, std::string_view utf8) {
  const size_t prima = out.size();
  out.resize(prima + utf8.size() * 2);  // at most two bytes per input byte
  char* o = out.data() + prima;
  const auto unit = [&o](unsigned u) {
    *o++ = static_cast<char>(u & 0xFF);
    *o++ = static_cast<char>(u >> 8);
  };
  const size_t n = utf8.size();
  for (size_t i = 0; i < n;) {
    // Eight ASCII bytes at a time: most of the text.
    uint64_t otto = 0;
    if (i + 8 <= n && (std::memcpy(&otto, utf8.data() + i, 8), (otto & 0x8080808080808080ULL) == 0)) {
      for (int k = 0; k < 8; ++k) unit(static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]));
      i += 8;
      continue;
    }
    const unsigned lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      unit(lead);
      ++i;
      continue;
    }
    const size_t attesa = Utf8SequenceLength(utf8.substr(i));
    if (attesa == 0) {
      out.resize(prima);
      return false;
    }
    unsigned cp = lead & (0x7Fu >> attesa);
    for (size_t k = 1; k < attesa; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      unit(0xD800 + (cp >> 10));
      unit(0xDC00 + (cp & 0x3FF));
    } else {
      unit(cp);
    }
    i += attesa;
  }
  out.resize(static_cast<size_t>(o - out.data()));
  return true;
}

std::string ConvertNamed(CodePageSetting& setting, bool toAnsi, std::string_view in);

// Most texts are plain ASCII, which every usual code page writes the same way, or UTF-8 going to a UTF-8
// code page: those cross unchanged without opening a converter.
bool CrossesUnchanged(CodePageSetting& setting, std::string_view in) {
  if (setting.utf8) return IsAscii(in) || IsValidUtf8(in);
  if (!IsAscii(in)) return false;
  if (!setting.asciiCompatible) {
    std::string ascii;
    for (int c = 1; c < 0x80; ++c) ascii.push_back(static_cast<char>(c));
    setting.asciiCompatible = ConvertNamed(setting, true, ascii) == ascii && ConvertNamed(setting, false, ascii) == ascii;
  }
  return *setting.asciiCompatible;
}

// An unknown code page name falls back to UTF-8, with one warning, so that text still flows.
std::string ConvertAnsi(bool toAnsi, std::string_view in) {
  CodePageSetting& setting = Setting();
  if (CrossesUnchanged(setting, in)) return std::string(in);
  return ConvertNamed(setting, toAnsi, in);
}

std::string ConvertNamed(CodePageSetting& setting, bool toAnsi, std::string_view in) {
  const std::string_view replacement = toAnsi ? kAnsiReplacement : kUtf8Replacement;
  // From UTF-8 a rejected character is skipped whole; from ANSI each rejected byte is replaced.
  const SkipLength skip = toAnsi ? Utf8Skip : SingleByteSkip;
  const char* ansi = setting.name.c_str();
  const IconvHandle named(toAnsi ? ansi : kUtf8, toAnsi ? kUtf8 : ansi);
  if (named.valid()) return Convert(named, in, replacement, skip);
  if (!setting.warned) {
    std::cerr << "Unknown ANSI code page \"" << setting.name << "\"; using UTF-8\n";
    setting.warned = true;
  }
  return Convert(IconvHandle(kUtf8, kUtf8), in, replacement, skip);
}

}  // namespace

const std::string& AnsiCodePage() { return Setting().name; }

void SetAnsiCodePage(const std::string& name) { Setting() = CodePageSetting(name.empty() ? kUtf8 : name); }

std::string AnsiToUtf8(std::string_view ansi) { return ConvertAnsi(false, ansi); }

std::string Utf8ToAnsi(std::string_view utf8) { return ConvertAnsi(true, utf8); }

void AssegnaUtf8ToAnsi(std::string& out, std::string_view utf8) {
  if (CrossesUnchanged(Setting(), utf8)) out.assign(utf8);
  else out = ConvertNamed(Setting(), true, utf8);
}

void AccodaUtf8ToUtf16Le(std::string& out, std::string_view utf8) {
  if (!AccodaBenFormato(out, utf8)) out += Convert(IconvHandle(kUtf16Le, kUtf8), utf8, kUtf16LeReplacement, Utf8Skip);
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2 + 2);  // room for the two-byte terminator that blobs append
  AccodaUtf8ToUtf16Le(out, utf8);
  return out;
}

std::string Utf16LeToUtf8(std::string_view utf16le) {
  const std::string_view whole = utf16le.substr(0, utf16le.size() & ~size_t{1});  // drop an odd last byte
  return Convert(IconvHandle(kUtf8, kUtf16Le), whole, kUtf8Replacement, Utf16LeSkip);
}

}  // namespace rovan
