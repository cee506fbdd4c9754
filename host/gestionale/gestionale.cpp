// libgestionale: a substitute for the management-system library the plug-in loads by the name in host
// variable InOutDll. It answers article descriptions, article filters and code checks from a data file.
//
// Two builds of this one source:
//   libgestionale.so       exports dammiDesArticolo_UTF8 and dammiDesArticolo2_UTF8; texts are UTF-8.
//   libgestionale_ansi.so  (GESTIONALE_ANSI defined) exports dammiDesArticolo and dammiDesArticolo2; texts
//                          in and out are in the ANSI code page CP1252. Characters CP1252 lacks are
//                          transliterated or become "?".
// Both export IsCodGestionale and dammiFiltroArticolo (with the same text encoding as the descriptions).
//
// Data file: named by the environment variable GESTIONALE_DATI, else "gestionale.txt" beside the library.
// It is read again on every call, so a test may rewrite it between calls. UTF-8 text, one entry per line,
// fields separated by one tab; a line may end in CR LF; lines with fewer than three fields are ignored.
//
//   field  content      meaning
//   1      codice       article code, compared exactly (case-sensitive)
//   2      lingua       management-system language code of the description; empty: the base description;
//                       "#filtro": the line holds the article's filter text instead of a description
//   3      text         description or filter text: the rest of the line, tabs included
//
// The first line matching the request wins. Worked example (→ stands for a tab):
//
//   A100→→Tavolo rotondo
//   A100→EN→Round table
//   A100→#filtro→FINITURA=NOCE;DIAMETRO=120
//
//   dammiDesArticolo_UTF8("A100", buf)        → 1, buf "Tavolo rotondo"
//   dammiDesArticolo2_UTF8("A100", "EN", buf) → 1, buf "Round table"
//   dammiDesArticolo2_UTF8("A100", "DE", buf) → 0 (no fall-back to the base description)
//   IsCodGestionale("A100")                   → 1 (any line of the code counts)
//   dammiFiltroArticolo("A100", 10001, buf)   → 1, buf "FINITURA=NOCE;DIAMETRO=120"
//
// Results: 1 when found, the buffer holding the text, cut to fit and always zero-terminated; 0 otherwise
// (then the buffer is left as it was). Every call is safe with null arguments, which give 0.
#include <dlfcn.h>
#include <iconv.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/text_buffer.h"

namespace {

constexpr std::int32_t kDescriptionSize = 256;  // bytes of a description buffer, terminator included
constexpr std::string_view kFilterMarker = "#filtro";

std::filesystem::path DataFile() {
  if (const char* named = std::getenv("GESTIONALE_DATI"); named != nullptr && *named != '\0') return named;
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&DataFile), &info) == 0 || info.dli_fname == nullptr) return "gestionale.txt";
  return std::filesystem::path(info.dli_fname).parent_path() / "gestionale.txt";
}

// The text of the first line of the data file with this code and, when lingua is given, this second field;
// none when there is none or the file cannot be read.
std::optional<std::string> FirstEntry(std::string_view codice, std::optional<std::string_view> lingua) {
  std::ifstream in(DataFile());
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto tab1 = line.find('\t');
    if (tab1 == std::string::npos) continue;
    const auto tab2 = line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) continue;
    const std::string_view view(line);
    if (view.substr(0, tab1) == codice && (!lingua || view.substr(tab1 + 1, tab2 - tab1 - 1) == *lingua))
      return line.substr(tab2 + 1);
  }
  return std::nullopt;
}

#ifdef GESTIONALE_ANSI
struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// text converted between encodings; none when the conversion is not available or the text is invalid.
std::optional<std::string> Convert(std::string_view text, const char* to, const char* from) {
  iconv_t descriptor = iconv_open(to, from);
  if (descriptor == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  const Converter cd(descriptor);
  std::string out(text.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(text.data());
  std::size_t src_left = text.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  if (iconv(cd.get(), &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - dst_left);
  return out;
}

constexpr const char* kAnsi = "CP1252";

// An argument as the data file spells it.
std::optional<std::string> Incoming(const char* text) { return Convert(kalvor::TextOf(text), "UTF-8", kAnsi); }
// A result as the caller reads it.
std::optional<std::string> Outgoing(std::string text) { return Convert(text, "CP1252//TRANSLIT", "UTF-8"); }
#else
std::optional<std::string> Incoming(const char* text) { return std::string(kalvor::TextOf(text)); }
std::optional<std::string> Outgoing(std::string text) { return text; }
#endif

// The shared body of every text query: 1 and buf filled when the entry exists, else 0.
std::int32_t Answer(const char* codice, std::string_view lingua, char* buf, std::int32_t size) {
  if (codice == nullptr || buf == nullptr || size <= 0) return 0;
  try {
    const std::optional<std::string> code = Incoming(codice);
    if (!code) return 0;
    std::optional<std::string> text = FirstEntry(*code, lingua);
    if (!text) return 0;
    text = Outgoing(std::move(*text));
    if (!text) return 0;
    kalvor::CopyToBuffer(*text, buf, size);
    return 1;
  } catch (...) {
    return 0;  // nothing may unwind into the caller
  }
}

std::int32_t AnswerInLanguage(const char* codice, const char* codiceLingua, char* buf) {
  if (codiceLingua == nullptr) return 0;
  try {
    const std::optional<std::string> lingua = Incoming(codiceLingua);
    // An empty language would select the base description, which this entry point does not answer.
    if (!lingua || lingua->empty() || *lingua == kFilterMarker) return 0;
    return Answer(codice, *lingua, buf, kDescriptionSize);
  } catch (...) {
    return 0;
  }
}

}  // namespace

#ifdef GESTIONALE_ANSI
#define GESTIONALE_DES dammiDesArticolo
#define GESTIONALE_DES2 dammiDesArticolo2
#else
#define GESTIONALE_DES dammiDesArticolo_UTF8
#define GESTIONALE_DES2 dammiDesArticolo2_UTF8
#endif

extern "C" __attribute__((visibility("default"))) std::int32_t GESTIONALE_DES(const char* codice, char* buf) {
  return Answer(codice, "", buf, kDescriptionSize);
}

extern "C" __attribute__((visibility("default"))) std::int32_t GESTIONALE_DES2(const char* codice,
                                                                               const char* codiceLingua,
                                                                               char* buf) {
  return AnswerInLanguage(codice, codiceLingua, buf);
}

extern "C" __attribute__((visibility("default"))) std::int32_t IsCodGestionale(const char* codice) {
  if (codice == nullptr) return 0;
  try {
    const std::optional<std::string> code = Incoming(codice);
    return code && FirstEntry(*code, std::nullopt) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

extern "C" __attribute__((visibility("default"))) std::int32_t dammiFiltroArticolo(const char* codice,
                                                                                   std::int32_t size,
                                                                                   char* buf) {
  return Answer(codice, kFilterMarker, buf, size);
}
