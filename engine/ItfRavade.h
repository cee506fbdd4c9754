// IRodedovaRavade: the interface of the optional generic-price library "RodedovaRavade.dll".
//
// The library prices the entries of code lists by price band and keeps a catalogue of appliances
// (code, description, price, category) with the substitution text of each. It hands the interface out
// through its export get_InstanceByName("IRodedovaRavade", &obj). Slots 3 to 5 are never called.
// Wide-character buffers are UTF-16, as the library's own platform writes them.
#pragma once

#include <cstdint>

#include "plugin/ItfCommon.h"

namespace rovan {

inline constexpr int kRavadeCodiceSize = 51;      // bytes of the code buffer of slot 8, terminator included
inline constexpr int kRavadeTestoWideSize = 256;  // characters of the wide buffers of slot 8
inline constexpr int kRavadeSostituzioneSize = 4096;  // bytes the caller gives slot 9 for its text

struct IRodedovaRavade : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3)
  ROVAN_UNUSED_SLOT(4)
  ROVAN_UNUSED_SLOT(5)
  // Sets the price of every entry of a code list (an IRovanCodici) for the price band, through the
  // list's own SettaPrezzo.
  virtual void ROVAN_STDCALL SettaPrezzi(const char* fascia, IUnknownRovan* codici) = 0;  // 6
  // Number of appliances in the catalogue.
  virtual int32_t ROVAN_STDCALL ContaElettrodomestici() = 0;  // 7
  // Appliance `indice`: code into a kRavadeCodiceSize buffer, description and category into
  // kRavadeTestoWideSize buffers, its price into *prezzo. 1 when the entry was filled.
  virtual int32_t ROVAN_STDCALL DammiElettrodomestico(int32_t indice, char* codice, char16_t* descrizione,
                                                      double* prezzo, char16_t* categoria) = 0;  // 8
  // The substitution text of the appliance scod into a kRavadeSostituzioneSize buffer; 1 when found.
  virtual int32_t ROVAN_STDCALL DammiSostituzione(const char* scod, char* testo) = 0;  // 9
};

}  // namespace rovan
