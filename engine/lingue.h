// TLingue: the languages of one price list and the active one.
//
// A price list carries up to ten languages besides its base language; the active language's position
// (1 to 10, 0 for none) selects the translation column "Descr<position>" of every description the
// engine, the container and the editor read. Languages come from table lingue_lis (table version 12 on)
// or, for web price lists, old versions and empty or unreadable tables, from section "lingue" of the
// plug-in's settings file (keys lingua1 ... lingua10).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace rovan {

class TQorQuery2;

struct TLingua {
  std::string m_codice;       // language code
  std::string m_descrizione;
  int m_posizione = 0;        // 1..10
  std::string m_codicegest;   // the management system's code of the language; may be empty
};

class TLingue {
 public:
  // Rebuilds the list (the active language is cleared). Takes the query and frees it in every case.
  void Update(int versioneTabelle, std::unique_ptr<TQorQuery2> q, bool isWeb);

  int ContaLingue() const { return static_cast<int>(m_lingue.size()); }
  const std::vector<TLingua>& lingue() const { return m_lingue; }

  // The code of the language at position id, des its description (the code when that is empty);
  // both empty when no language has that position.
  std::string GetCodice(int id, std::string& des) const;
  // The management code, or the code when that is empty; empty for an unknown position.
  std::string GetCodiceGest(int id) const;
  std::string GetDescrizione(int id) const;

  // Make active the first language at that position / with that code (case-sensitive). The active
  // language is cleared first; true when one was found.
  bool SettaLinguaId(int id);
  bool SettaLinguaCod(const std::string& cod);
  // Outside container mode, selects the language the host's settings file names (section Translate:
  // ListLanguage by code, else id_attiva_listino by position). In container mode: true, no change.
  bool SettaLinguaDaKalvor();
  // Position of the active language, 0 when none.
  int GetIdLinguaKalvor() const;

 private:
  const TLingua* TrovaPerPosizione(int id) const;
  void Svuota();

  std::vector<TLingua> m_lingue;
  int m_attiva = -1;  // index of the active language in m_lingue, -1 when none
};

}  // namespace rovan
