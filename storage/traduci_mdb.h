// The message translation store: texts the program writes in Italian, translated at run time from the
// language database "RovanLang.mdb" beside the host executable.
//
// Database tables: lingue (cod_lingua, pos_lingua: which msg_<n> column holds the language) and
// righe_msg (cod_msg key, msg_1, msg_2, ...). A key is a context, ".", and the Italian text, which is also
// the default result. A missing database or language leaves every text in Italian.
#pragma once

#include <memory>
#include <string>

#include "storage/qor_connection.h"
#include "storage/qor_query.h"

namespace rovan {

class CTraduciMDB {
 public:
  // Opens filemdb for the language idLingua; inactive (every text unchanged) when the file is missing,
  // the code is empty or unknown, or anything fails. Nothing is reported.
  CTraduciMDB(const std::string& filemdb, const std::string& idLingua);
  ~CTraduciMDB();
  CTraduciMDB(const CTraduciMDB&) = delete;
  CTraduciMDB& operator=(const CTraduciMDB&) = delete;

  // The translation of key, trimmed, or def when there is none (or it is blank).
  std::string Traduci(const std::string& key, const std::string& def);
  bool IsAttivo() const { return m_IsAttivo; }

 private:
  bool m_IsAttivo = false;
  std::unique_ptr<TQorConnection> m_CntTraduzioni;
  std::unique_ptr<TQorQuery2> m_qrGetTrad;  // freed before the connection
  int m_Pos = 0;
};

// The one translator of the process, created on first use for the language named in the host's settings
// file (section Translate, key Language) with the database beside the host executable.
CTraduciMDB& TraduttoreRovan();
// Releases it (destroyRovan, library unload); the next TraduttoreRovan creates a new one.
void RilasciaTraduttore();

// TraduttoreRovan().Traduci(contesto + "." + testo, testo).
std::string TraduciTesto(const std::string& contesto, const std::string& testo);

}  // namespace rovan
