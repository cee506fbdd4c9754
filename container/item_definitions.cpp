// Item definitions handed to the host: the stored script of an item, completed with the naming lines,
// written to a file or handed over as a blob.
#include <filesystem>
#include <fstream>

#include "engine/gestore.h"
#include "platform/code_page.h"
#include "plugin/boundary.h"
#include "plugin/host_link.h"
#include "plugin/host_script.h"
#include "plugin/library.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"
#include "plugin/UBlobKalvor.h"
#include "storage/item_script.h"

namespace rovan {
namespace {

// The decorated definition of an item: the stored script, the placeholder when the item has none; no
// lines when the item row does not exist.
std::vector<std::string> Definizione(TDMMain& dm, const std::string& codice) {
  std::vector<std::string> righe;
  bool generico = false;
  const int esito = LeggiBlobNew(dm, codice, righe, generico);
  if (esito == 1) ScriptCompostoVuoto(righe);
  if (!righe.empty()) ImpostaNomeComposto(righe, codice, generico, dm.DesDBListino());
  return righe;
}

}  // namespace

int TRovanContainer::ScriviFileComposto(const std::string& codice, const std::string& file, TDMMain* dm) {
  if (!Processo().created || codice.empty() || dm == nullptr) return 0;
  ScriviLog("{ getCompostoDB " + codice + "  " + file);
  int risultato = 0;
  // Web price lists fetch their definitions from the service, which this build does not reach yet.
  if (dm->GetTipoListino() != TL_WEB) {
    const std::vector<std::string> righe = Definizione(*dm, codice);
    if (!righe.empty()) {
      std::filesystem::remove(file);
      std::ofstream out(file, std::ios::binary);
      for (const std::string& r : righe) out << Utf8ToAnsi(r) << "\r\n";
      risultato = out ? -1 : 0;
    }
  }
  ScriviLog("}// getCompostoDB");
  return risultato;
}

int32_t ROVAN_STDCALL TRovanContainer::getCompostoDB(const char* pCod, const char* path) {
  return Protetto("getCompostoDB", 0, [&] {
    if (!m_Gestore) return 0;
    const std::string codice = AnsiToUtf8(Testo(pCod)), file = AnsiToUtf8(Testo(path));
    ScriviLog("{ getCompostoDB " + codice + "  " + file);
    TCodMdl* cm = TrovaCodice(pCod);
    if (cm == nullptr) return 0;
    ScriviFileComposto(std::string(cm->cod()), file, ListinoDi(*cm));
    return 1;
  });
}

void* ROVAN_STDCALL TRovanContainer::getCompostoDBBlob(const char* pCod) {
  return Protetto("getCompostoDBBlob", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_Gestore) return nullptr;
    TCodMdl* cm = TrovaCodice(pCod);
    TDMMain* dm = cm != nullptr ? ListinoDi(*cm) : nullptr;
    if (dm == nullptr) return nullptr;
    ScriviLog("{ getCompostoDBBlob " + std::string(cm->cod()));
    auto* blob = new TBlobKalvor;  // owned by its reference count: the host receives the one reference
    blob->AddStrings(Definizione(*dm, std::string(cm->cod())));
    return static_cast<IBlob*>(blob);
  });
}

int32_t ROVAN_STDCALL TRovanContainer::findCmpName(const char* pCod) {
  return Protetto("findCmpName", 0, [&] {
    char vuoto[] = "";
    apriListino(vuoto);
    TCodMdl* cm = TrovaCodice(pCod);
    if (cm == nullptr) return 0;
    if (cm->azioni().find('E') == std::string_view::npos) return 1;
    const std::string file = CartellaTemporanea() + "rovan.bdm";
    std::filesystem::remove(file);
    ScriviFileComposto(std::string(cm->cod()), file, ListinoDi(*cm));
    if (ITopologiaUtils* topologia = HostLink::Get().topologia()) topologia->CaricaFile(Utf8ToAnsi(file).c_str(), 0);
    return 1;
  });
}

}  // namespace rovan
