// libfiltro: a substitute for the filter library the plug-in loads by the name in host variable InOutDll.
// It decides whether an article passes from a data file.
//
// Builds of this one source (compile definitions choose the exports):
//   libfiltro.so       OkFiltroDaDll3, OkFiltroDaDll2 and OkFiltroDaDll
//   libfiltro2.so      OkFiltroDaDll2 and OkFiltroDaDll (FILTRO_SENZA_3)
//   libfiltro1.so      OkFiltroDaDll only (FILTRO_SENZA_3, FILTRO_SENZA_2)
//   libfiltro0.so      none of them (FILTRO_SENZA_3, FILTRO_SENZA_2, FILTRO_SENZA_1)
//
// Data file: named by the environment variable FILTRO_DATI, read again on every call. One rule per line,
// fields separated by one tab:
//   field 1  the group (the article's filter text before any bracket), or "*" for any group
//   field 2  the article code, or "*" for any code
//   field 3  the result, a decimal integer
//   field 4  optional: the attribute the library hands back (OkFiltroDaDll3 only)
// The first rule that matches gives the result; no rule matching gives 0; a missing file gives 1.
// Example:   A1<TAB>*<TAB>1          every article of group A1 passes
//            *<TAB>X9<TAB>0          article X9 is hidden
//            *<TAB>Z1<TAB>2<TAB>#3:NEW   Z1 passes and gets the attribute "#3:NEW"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#define FILTRO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Esito {
  int32_t risultato = 0;
  std::string attributo;
};

[[maybe_unused]] Esito Valuta(const char* gruppo, const char* codice) {  // unused in the build without entry points
  const char* file = std::getenv("FILTRO_DATI");
  if (file == nullptr) return Esito{1, ""};
  std::ifstream in(file);
  if (!in) return Esito{1, ""};
  const std::string g = gruppo != nullptr ? gruppo : "", c = codice != nullptr ? codice : "";
  for (std::string riga; std::getline(in, riga);) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    std::stringstream campi(riga);
    std::string fg, fc, fr, fa;
    if (!std::getline(campi, fg, '\t') || !std::getline(campi, fc, '\t') || !std::getline(campi, fr, '\t')) continue;
    std::getline(campi, fa);
    if ((fg == "*" || fg == g) && (fc == "*" || fc == c)) return Esito{static_cast<int32_t>(std::atoi(fr.c_str())), fa};
  }
  return Esito{};
}

}  // namespace

#ifndef FILTRO_SENZA_3
FILTRO_EXPORT int32_t OkFiltroDaDll3(const char* gruppo, const char*, const char* codice, char* attributo) {
  Esito e = Valuta(gruppo, codice);
  if (attributo != nullptr && !e.attributo.empty()) {
    std::strncpy(attributo, e.attributo.c_str(), 1024);
    attributo[1024] = '\0';
  }
  return e.risultato;
}
#endif

#ifndef FILTRO_SENZA_2
FILTRO_EXPORT int32_t OkFiltroDaDll2(const char* gruppo, const char*, const char* codice) {
  return Valuta(gruppo, codice).risultato;
}
#endif

#ifndef FILTRO_SENZA_1
FILTRO_EXPORT int32_t OkFiltroDaDll(const char* gruppo, const char* codice) { return Valuta(gruppo, codice).risultato; }
#endif
