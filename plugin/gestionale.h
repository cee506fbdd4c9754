// The optional management-system library, named by host variable InOutDll.
//
// Loaded on first need, only with the host link available. States: 0 not tried yet; 1 not available;
// 2 available with ANSI texts; 3 available with UTF-8 texts. Every failure is silent: the queries answer
// empty texts or false. Unloading (destroyRovan, a container's destruction, library unload) frees the
// library and resets the state to 0, so it is tried again on next need.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "plugin/ItfCommon.h"

namespace rovan {

class Gestionale {
 public:
  enum State : uint8_t { NonProvato = 0, NonDisponibile = 1, DisponibileAnsi = 2, DisponibileUtf8 = 3 };

  static Gestionale& Get();

  // Description of an article code; empty unless the library answers true. Trimmed, UTF-8.
  std::string DescrizioneArticolo(const std::string& codice);
  // Description in the language whose management-system code is codiceLingua.
  std::string DescrizioneArticoloLingua(const std::string& codice, const std::string& codiceLingua);
  // One line per language code (empty when none); true when at least one description was found.
  bool DescrizioniArticoloLingue(const std::string& codice, const std::vector<std::string>& codiciLingua,
                                 std::vector<std::string>& lista);
  // Whether the code exists in the management system; false when the library lacks the entry point.
  bool IsCodGestionale(const std::string& codice);
  // Filter text of an article (8-bit, as the library wrote it); empty unless the library answers true.
  std::string FiltroArticolo(const std::string& codice);

  void Scarica();
  State state() const { return state_; }

 private:
  using DesArticolo = int32_t(ROVAN_STDCALL*)(const char* codice, char* buf);
  using DesArticolo2 = int32_t(ROVAN_STDCALL*)(const char* codice, const char* lingua, char* buf);
  using IsCod = int32_t(ROVAN_STDCALL*)(const char* codice);
  using Filtro = int32_t(ROVAN_STDCALL*)(const char* codice, int32_t size, char* buf);

  bool Disponibile();  // loads on first need
  std::string Decodifica(const char* buf) const;

  State state_ = NonProvato;
  std::unique_ptr<DynamicLibrary> library_;
  DesArticolo des_ = nullptr;
  DesArticolo2 des2_ = nullptr;
  IsCod isCod_ = nullptr;
  Filtro filtro_ = nullptr;
};

}  // namespace rovan
