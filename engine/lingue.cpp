#include "engine/lingue.h"

#include "platform/profile_file.h"
#include "platform/text_utils.h"
#include "plugin/host_link.h"
#include "plugin/process_state.h"
#include "plugin/reporting.h"
#include "plugin/settings.h"
#include "storage/database_error.h"
#include "storage/qor_query.h"
#include "storage/schema.h"

namespace rovan {

void TLingue::Svuota() {
  m_lingue.clear();
  m_attiva = -1;
}

void TLingue::Update(int versioneTabelle, std::unique_ptr<TQorQuery2> q, bool isWeb) {
  Svuota();
  bool daTabella = false;  // the table was opened and had rows
  if (!isWeb && schema::HaLingueLis(versioneTabelle) && q) {
    q->SQL().SetText("select * from lingue_lis");
    bool aperta = false;
    try {
      q->Open();
      aperta = true;
    } catch (const DatabaseError&) {
      // An unreadable table counts as an empty one.
    }
    if (aperta && !q->isEmpty()) {
      daTabella = true;
      TQorField cod = q->FieldByName("cod_lingua"), des = q->FieldByName("desc_lingua");
      TQorField pos = q->FieldByName("pos_lingua"), gest = q->FieldByName("cod_gest");
      for (; !q->Eof(); q->Next()) {
        int posizione = static_cast<int>(pos.AsInteger());
        if (posizione < 1 || posizione > 10) continue;
        TLingua l{Trim(cod.AsString()), des.AsString(), posizione, gest.AsString()};
        ScriviLog("Lingue <" + l.m_codice + "> <" + l.m_codicegest + "> <" + l.m_descrizione + "> <" +
                  std::to_string(posizione) + ">");
        m_lingue.push_back(std::move(l));
      }
    }
  }
  if (!daTabella) {
    const ProfileFile& ini = FileImpostazioni();
    for (int p = 1; p <= 10; ++p) {
      std::string valore = ini.ReadString("lingue", "lingua" + std::to_string(p), "");
      if (!valore.empty()) m_lingue.push_back(TLingua{valore, valore, p, ""});
    }
  }
  if (Processo().containerMode && m_lingue.empty()) {
    for (int p = 1; p <= 10; ++p)
      m_lingue.push_back(TLingua{std::to_string(p), "Lingua " + std::to_string(p), p, ""});
  }
}

const TLingua* TLingue::TrovaPerPosizione(int id) const {
  for (const TLingua& l : m_lingue)
    if (l.m_posizione == id) return &l;
  return nullptr;
}

std::string TLingue::GetCodice(int id, std::string& des) const {
  const TLingua* l = TrovaPerPosizione(id);
  if (l == nullptr) {
    des.clear();
    return {};
  }
  des = l->m_descrizione.empty() ? l->m_codice : l->m_descrizione;
  return l->m_codice;
}

std::string TLingue::GetCodiceGest(int id) const {
  const TLingua* l = TrovaPerPosizione(id);
  if (l == nullptr) return {};
  return l->m_codicegest.empty() ? l->m_codice : l->m_codicegest;
}

std::string TLingue::GetDescrizione(int id) const {
  const TLingua* l = TrovaPerPosizione(id);
  return l != nullptr ? l->m_descrizione : std::string();
}

bool TLingue::SettaLinguaId(int id) {
  m_attiva = -1;
  for (size_t i = 0; i < m_lingue.size(); ++i) {
    if (m_lingue[i].m_posizione == id) {
      m_attiva = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

bool TLingue::SettaLinguaCod(const std::string& cod) {
  m_attiva = -1;
  for (size_t i = 0; i < m_lingue.size(); ++i) {
    if (m_lingue[i].m_codice == cod) {
      m_attiva = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

bool TLingue::SettaLinguaDaKalvor() {
  if (Processo().containerMode) return true;
  const ProfileFile hostIni(HostLink::Get().HostIniFile());
  std::string codice = hostIni.ReadString("Translate", "ListLanguage", "");
  if (!codice.empty()) return SettaLinguaCod(codice);
  return SettaLinguaId(hostIni.ReadInteger("Translate", "id_attiva_listino", 0));
}

int TLingue::GetIdLinguaKalvor() const { return m_attiva >= 0 ? m_lingue[static_cast<size_t>(m_attiva)].m_posizione : 0; }

}  // namespace rovan
