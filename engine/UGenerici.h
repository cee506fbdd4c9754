// The generic characteristics of a code and their values, read from tables caratt and valori.
//
// A price list that describes items generically keeps the characteristics that generic and specific
// codes share in the group "GENERICI". TListaCarattGenerici holds such characteristics for one code,
// each TNavCaratt the values that apply. Every record is read once, when it is created, with the data
// module's active language, and never refreshed.
//
// Descriptions: m_DescrizioneOri is column Descrizione; m_DescrizioneLingua is column Descr<n> of the
// active language n, trimmed, when that is not blank, else the base description again.
// Ownership: a list owns its characteristics, a characteristic its values; the data module is borrowed
// and must outlive them.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace rovan {

class TDMMain;
class TNavCaratt;

class TNavValore {
 public:
  // Reads row codice of table valori; without a row the value is invalid (key 0).
  TNavValore(TDMMain& dm, TNavCaratt* caratt, int codice);

  bool IsValid() const { return m_Codice > 0; }
  // The language description when id is not 0, else the base one.
  const std::string& Descrizione(int id) const { return id != 0 ? m_DescrizioneLingua : m_DescrizioneOri; }

  int m_Codice = 0;
  std::string m_DescrizioneOri;
  std::string m_DescrizioneLingua;
  TNavCaratt* m_Caratt;  // the owner
};

class TNavCaratt {
 public:
  // Reads row codice of table caratt; without a row the characteristic is invalid (key 0).
  TNavCaratt(TDMMain& dm, int codice);
  TNavCaratt(const TNavCaratt&) = delete;
  TNavCaratt& operator=(const TNavCaratt&) = delete;

  bool IsValid() const { return m_Codice > 0; }
  // Reads the value and appends it when valid (duplicates too); null for a key without a row.
  TNavValore* AddValore(int codice);
  int Conta() const { return static_cast<int>(m_ListaValori.size()); }
  // Null outside 0..Conta()-1.
  TNavValore* GetValore(int i) const;
  const std::string& Descrizione(int id) const { return id != 0 ? m_DescrizioneLingua : m_DescrizioneOri; }
  // Whether a value's base description equals descr exactly.
  bool HaValore(const std::string& descr) const;

  int m_Codice = 0;
  std::string m_DescrizioneOri;
  std::string m_DescrizioneLingua;
  std::vector<std::unique_ptr<TNavValore>> m_ListaValori;
  TDMMain* m_DM;  // borrowed
};

class TListaCarattGenerici {
 public:
  // Finds the group "GENERICI" (IdGruppo 0 when the price list has none).
  explicit TListaCarattGenerici(TDMMain& dm);

  int IdGruppo() const { return m_IdGruppo; }
  // The characteristic already listed with that key, else a newly read one appended when valid; null
  // for a key without a row.
  TNavCaratt* AddCaratt(int codice);
  int Conta() const { return static_cast<int>(m_ListaCaratt.size()); }
  // Null outside 0..Conta()-1.
  TNavCaratt* GetCaratt(int i) const;
  // The first characteristic with that key, or null.
  TNavCaratt* TrovaCaratt(int codice) const;
  // Whether some characteristic has a value whose base description equals descr exactly.
  bool HaValore(const std::string& descr) const;

  TDMMain* m_DM;  // borrowed
  std::vector<std::unique_ptr<TNavCaratt>> m_ListaCaratt;
  int m_IdGruppo = 0;
};

}  // namespace rovan
