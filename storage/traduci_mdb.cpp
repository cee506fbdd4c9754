#include "storage/traduci_mdb.h"

#include <filesystem>

#include "platform/profile_file.h"
#include "platform/system_paths.h"
#include "platform/text_utils.h"
#include "plugin/host_link.h"
#include "storage/database_error.h"
#include "storage/sql_quote.h"

namespace rovan {

CTraduciMDB::CTraduciMDB(const std::string& filemdb, const std::string& idLingua) {
  std::error_code ignored;
  if (!std::filesystem::exists(filemdb, ignored) || idLingua.empty()) return;
  try {
    m_CntTraduzioni = std::make_unique<TQorConnection>();
    m_CntTraduzioni->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + filemdb +
                                         ";JET OLEDB:Engine Type=5;Password=\"\";Mode=Share Deny None;"
                                         "Persist Security Info=True;");
    if (!m_CntTraduzioni->ConnettiConProvider()) throw DatabaseError("language database not opened");
    std::unique_ptr<TQorQuery2> q = m_CntTraduzioni->GetQuery();
    q->SQL().SetText("SELECT pos_lingua FROM lingue WHERE cod_lingua = " + QuoteLiteral(idLingua));
    q->Open();
    if (q->isEmpty()) throw DatabaseError("Il codice lingua " + idLingua + " non ritorna nessun risultato");
    m_Pos = static_cast<int>(q->Fields(0).AsInteger());
    m_qrGetTrad = m_CntTraduzioni->GetQuery();
    m_qrGetTrad->SQL().Add("SELECT msg_" + std::to_string(m_Pos) + " AS msg FROM righe_msg");
    m_qrGetTrad->SQL().Add("WHERE cod_msg = :codmsg");
    m_IsAttivo = true;
  } catch (const std::exception&) {
    m_qrGetTrad.reset();
    m_CntTraduzioni.reset();
  }
}

CTraduciMDB::~CTraduciMDB() {
  m_qrGetTrad.reset();
  m_CntTraduzioni.reset();
}

std::string CTraduciMDB::Traduci(const std::string& key, const std::string& def) {
  if (!m_IsAttivo) return def;
  std::string risultato = def;
  try {
    m_qrGetTrad->Close();
    m_qrGetTrad->SetParamByName("codmsg", key);
    m_qrGetTrad->Open();
    if (!m_qrGetTrad->isEmpty()) {
      std::string msg = Trim(m_qrGetTrad->FieldByName("msg").AsString());
      if (!msg.empty()) risultato = msg;
    }
    m_qrGetTrad->Close();
  } catch (const DatabaseError&) {
    // A broken row or database leaves the Italian text.
  }
  return risultato;
}

namespace {
std::unique_ptr<CTraduciMDB>& Traduttore() {
  static std::unique_ptr<CTraduciMDB> t;
  return t;
}
}  // namespace

CTraduciMDB& TraduttoreRovan() {
  std::unique_ptr<CTraduciMDB>& t = Traduttore();
  if (!t) {
    const ProfileFile hostIni(HostLink::Get().HostIniFile());
    t = std::make_unique<CTraduciMDB>(ExecutableFolder() + "RovanLang.mdb",
                                      hostIni.ReadString("Translate", "Language", ""));
  }
  return *t;
}

void RilasciaTraduttore() { Traduttore().reset(); }

std::string TraduciTesto(const std::string& contesto, const std::string& testo) {
  return TraduttoreRovan().Traduci(contesto + "." + testo, testo);
}

}  // namespace rovan
