// libRodedovaRavade: a substitute for the generic-price library "RodedovaRavade.dll". Its export
// get_InstanceByName answers "IRodedovaRavade" (result 0) with a new reference-counted object, any other
// name with -1 and null. Built twice from this source: libRodedovaRavade.so, and a copy built with
// RAVADE_SENZA_EXPORT that lacks the export (for the loader's missing-export case).
//
// Data file: named by the environment variable RAVADE_DATI, else "ravade.txt" beside the library. It is
// read again on every call, so a test may rewrite it between calls. UTF-8 text, one record per line,
// fields separated by one tab; a line may end in CR LF; lines of an unknown kind or with too few fields
// are ignored. Prices are decimal numbers with "." as separator.
//
//   E→codice→categoria→prezzo→descrizione→sostituzione   one appliance of the catalogue, in file order
//   P→fascia→codice→prezzo                               the price of a code in a price band
//
// Worked example (→ stands for a tab):
//
//   E→FR60→FORNI→450.5→Forno 60 cm→Forno_60
//   P→A→T100→120
//
//   ContaElettrodomestici()                       → 1
//   DammiElettrodomestico(0, cod, des, &p, cat)   → 1, "FR60", u"Forno 60 cm", 450.5, u"FORNI"
//   DammiElettrodomestico(1, ...)                 → 0, buffers untouched
//   DammiSostituzione("FR60", buf)                → 1, buf "Forno_60"
//   SettaPrezzi("A", codici)                      → entry "T100" of the list priced 120; others untouched
//
// Texts are cut to their buffers (51 bytes for the code, 256 UTF-16 units for the wide texts, 4096 bytes
// for the substitution), always zero-terminated. Null arguments give 0 or do nothing.
#include <dlfcn.h>
#include <iconv.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ItfRavade.h"
#include "host/text_buffer.h"

namespace {

using rovan::HRESULT;

std::filesystem::path DataFile() {
  if (const char* named = std::getenv("RAVADE_DATI"); named != nullptr && *named != '\0') return named;
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&DataFile), &info) == 0 || info.dli_fname == nullptr) return "ravade.txt";
  return std::filesystem::path(info.dli_fname).parent_path() / "ravade.txt";
}

// The records of one kind ("E" or "P"), each as its fields after the kind, with at least `fields` of them.
std::vector<std::vector<std::string>> Records(std::string_view kind, size_t fields) {
  std::vector<std::vector<std::string>> out;
  std::ifstream in(DataFile());
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f;
    for (size_t start = 0;;) {
      const size_t tab = line.find('\t', start);
      f.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    if (f.size() > fields && f[0] == kind) out.emplace_back(f.begin() + 1, f.end());
  }
  return out;
}

// UTF-8 into a buffer of kRavadeTestoWideSize UTF-16 units, cut to fit and zero-terminated.
void CopyWide(const std::string& utf8, char16_t* buf) {
  std::u16string wide(utf8.size() + 1, u'\0');
  iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
  if (cd != reinterpret_cast<iconv_t>(-1)) {
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* out = reinterpret_cast<char*>(wide.data());
    size_t outLeft = utf8.size() * sizeof(char16_t);
    iconv(cd, &in, &inLeft, &out, &outLeft);
    wide.resize((utf8.size() * sizeof(char16_t) - outLeft) / sizeof(char16_t));
    iconv_close(cd);
  } else {
    wide.clear();
  }
  const size_t n = std::min(wide.size(), static_cast<size_t>(rovan::kRavadeTestoWideSize - 1));
  wide.copy(buf, n);
  buf[n] = u'\0';
}

// The slots of an IRovanCodici this library calls, by number: it knows the list only as a slot table.
template <class R, class... Args>
R CallSlot(void* obj, int n, Args... args) {
  using Fn = R(ROVAN_STDCALL*)(void*, Args...);
  return reinterpret_cast<Fn>((*static_cast<void***>(obj))[n])(obj, args...);
}
constexpr int kCodiciCodice = 3;
constexpr int kCodiciCount = 5;
constexpr int kCodiciSettaPrezzo = 20;

class Ravade final : public rovan::IRodedovaRavade {
 public:
  HRESULT ROVAN_STDCALL QueryInterface(const rovan::TGUID*, void** obj) override {
    if (obj != nullptr) *obj = nullptr;
    return rovan::E_NOINTERFACE;
  }
  int32_t ROVAN_STDCALL AddRef() override { return ++ref_; }
  int32_t ROVAN_STDCALL Release() override {
    const int32_t left = --ref_;
    if (left == 0) delete this;
    return left;
  }
  ROVAN_INERT_SLOT(3)
  ROVAN_INERT_SLOT(4)
  ROVAN_INERT_SLOT(5)

  void ROVAN_STDCALL SettaPrezzi(const char* fascia, rovan::IUnknownRovan* codici) override {
    if (fascia == nullptr || codici == nullptr) return;
    const auto prices = Records("P", 3);
    const int32_t count = CallSlot<int32_t>(codici, kCodiciCount);
    for (int32_t i = 0; i < count; ++i) {
      const std::string_view code = kalvor::TextOf(CallSlot<const char*>(codici, kCodiciCodice, i));
      for (const auto& p : prices)
        if (p[0] == fascia && p[1] == code) {
          CallSlot<void>(codici, kCodiciSettaPrezzo, i, std::strtod(p[2].c_str(), nullptr));
          break;
        }
    }
  }

  int32_t ROVAN_STDCALL ContaElettrodomestici() override { return static_cast<int32_t>(Records("E", 5).size()); }

  int32_t ROVAN_STDCALL DammiElettrodomestico(int32_t indice, char* codice, char16_t* descrizione, double* prezzo,
                                              char16_t* categoria) override {
    const auto all = Records("E", 5);
    if (indice < 0 || static_cast<size_t>(indice) >= all.size() || codice == nullptr || descrizione == nullptr ||
        prezzo == nullptr || categoria == nullptr)
      return 0;
    const auto& e = all[static_cast<size_t>(indice)];
    kalvor::CopyToBuffer(e[0], codice, rovan::kRavadeCodiceSize);
    CopyWide(e[1], categoria);
    *prezzo = std::strtod(e[2].c_str(), nullptr);
    CopyWide(e[3], descrizione);
    return 1;
  }

  int32_t ROVAN_STDCALL DammiSostituzione(const char* scod, char* testo) override {
    if (scod == nullptr || testo == nullptr) return 0;
    for (const auto& e : Records("E", 5))
      if (e[0] == scod) {
        kalvor::CopyToBuffer(e[4], testo, rovan::kRavadeSostituzioneSize);
        return 1;
      }
    return 0;
  }

 private:
  ~Ravade() = default;  // only Release destroys
  int32_t ref_ = 1;
};

}  // namespace

#ifndef RAVADE_SENZA_EXPORT
ROVAN_EXPORT int32_t ROVAN_STDCALL get_InstanceByName(const char* name, void** obj) {
  if (obj == nullptr) return -1;
  *obj = nullptr;
  if (kalvor::TextOf(name) != "IRodedovaRavade") return -1;
  *obj = static_cast<rovan::IRodedovaRavade*>(new Ravade());  // owned by its reference count
  return 0;
}
#endif
