// The container's command dispatcher: the host's general-purpose entry for everything without a slot of
// its own. One command line (see riga_comando.h) names a verb; the first row of kVerbi whose verb matches
// (exactly, or as the beginning of the line's verb; case-sensitive) runs its action. Results: 0 done, -1
// not recognised, not possible or not done, other values as each action says; answers also go out
// through host variables and through events of IRovanEvent, which reach the host's sink.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "container/riga_comando.h"
#include "engine/gestore.h"
#include "engine/json_writer.h"
#include "platform/code_page.h"
#include "platform/text_utils.h"
#include "platform/ui_services.h"
#include "plugin/boundary.h"
#include "plugin/host_link.h"
#include "plugin/library.h"
#include "plugin/password.h"
#include "plugin/rovan_container.h"
#include "plugin/rovan_event.h"
#include "plugin/status_notify.h"
#include "storage/crea_listino.h"
#include "storage/item_objects.h"
#include "storage/item_pictures.h"
#include "ui/file_bytes.h"

namespace rovan {
namespace {

// What an action works on: the container, its engine (which exists whenever an action runs) and the line.
struct Contesto {
  TRovanContainer& contenitore;
  TGestore& gestore;
  const TRigaComando& riga;
};

using Azione = int32_t (*)(const Contesto&);

enum class Confronto { Esatto, Prefisso };

struct Verbo {
  std::string_view testo;
  Confronto confronto;
  Azione azione;
};

// Raises an event to the host's sink; events 1, 3 and 4 carry no text.
void Evento(int32_t tipo, const std::string& testo = {}) { RovanEvent().Notifica(tipo, testo); }

// Does nothing and answers -1: a verb kept only so that it is recognised, or one whose operation the
// plug-in does not offer yet (its row says which).
int32_t Rifiuta(const Contesto&) { return -1; }

// Changes the hidden-tab rules: an empty argument clears them; otherwise the argument is a tab path
// ("_path" in the verb) or a base description, for the price list whose id follows "_idl" in two
// characters, or for every price list.
int32_t NascondiLinguetta(const Contesto& c) {
  TLinguetteNascoste& nascoste = c.gestore.linguetteNascoste();
  const std::string& verbo = c.riga.verbo();
  const std::string& argomento = c.riga.argomento();
  if (argomento.empty()) {
    nascoste.Clear();
    return 0;
  }
  int idListino = -1;
  if (const size_t idl = verbo.find("_idl"); idl != std::string::npos) {
    if (!TryParseInt(TrimView(std::string_view(verbo).substr(idl + 4, 2)), idListino)) idListino = 0;
  }
  if (verbo.find("_path") != std::string::npos) nascoste.AggiungiPath(idListino, argomento);
  else nascoste.Aggiungi(idListino, argomento);
  return 0;
}

// codice|nome_oggetto|file: the file becomes an attached object of the item. 1 when the code is unknown
// or the import fails; the reason, when there is one, goes to CMP_CREA_ERRORE.
int32_t CaricaOggetto(const Contesto& c) {
  const TCodMdl* cm = c.gestore.CercaCodice(c.riga.Campo(1), true);
  if (cm == nullptr) return 1;
  const HostLink& host = HostLink::Get();
  TDMMain* dm = c.gestore.GetDMMain(cm->GetIdListino());
  if (dm == nullptr) {
    host.WriteText("CMP_CREA_ERRORE", "Listino Ausiliario non presente");
    return 1;
  }
  std::string errore;
  if (ImportaOggettoDaFile(*dm, std::string(cm->cod()), c.riga.Campo(2), errore, c.riga.Campo(3))) return 0;
  host.WriteText("CMP_CREA_ERRORE", errore);
  return 1;
}

// codice|file|W|H: the item's picture as a W x H bitmap file. -1 when the code, its price list or its
// picture is missing, or nothing could be written.
int32_t ImmagineBmp(const Contesto& c) {
  const TCodMdl* cm = c.gestore.CercaCodice(c.riga.Campo(1), true);
  TDMMain* dm = cm != nullptr ? c.gestore.GetDMMain(cm->GetIdListino()) : nullptr;
  std::unique_ptr<TImageDB> img = dm != nullptr ? GetImageDB(*dm, std::string(cm->cod())) : nullptr;
  if (!img || !img->Loaded()) return -1;
  return img->GetBitmap(c.riga.Intero(4), c.riga.Intero(3), c.riga.Campo(2)) ? 0 : -1;
}

int32_t AggiornaFinestra(const Contesto&) {
  Evento(1);
  return 0;
}

// The host is told to rebuild its tree: event 4 for exactly "aggiorna_albero_k4_rid", 3 for any other verb
// of the prefix.
int32_t AggiornaAlbero(const Contesto& c) {
  Evento(c.riga.verbo() == "aggiorna_albero_k4_rid" ? 4 : 3);
  return 0;
}

// The engine reads the host's filter options again; the host is told to refresh (event 3) unless the status
// sink reports that it is loading.
int32_t SettaFiltro(const Contesto& c) {
  c.gestore.SettaFiltro();
  if (!StatusSink().loadingOrder()) Evento(3);
  return 0;
}

// Subcommand in field 1: add|descrizione, addfiglia|idPadre|descrizione, addcod|id|codice, clear,
// pos|inizio (any other value: at the end). Ids are local ids of the temporary list.
int32_t LinguetteTemporanee(const Contesto& c) {
  const TRigaComando& r = c.riga;
  const std::string sotto = r.Campo(1);
  if (sotto == "add") c.gestore.AddLinguettaTemporanea(r.Campo(2), -1);
  else if (sotto == "addfiglia") c.gestore.AddLinguettaTemporanea(r.Campo(3), r.Intero(2));
  else if (sotto == "addcod") c.gestore.AddCodiceSuLinguettaTemporanea(r.Intero(2), r.Campo(3));
  else if (sotto == "clear") c.gestore.SvuotaLinguetteTemporanee();
  else if (sotto == "pos") c.gestore.SettaPosizioneLinguetteTemporanea(r.Campo(2) == "inizio");
  return 0;
}

// The verb itself carries the values: preferiti|subcommand|value, written without blanks.
int32_t Preferiti(const Contesto& c) {
  const std::string sotto = c.riga.CampoVerbo(2);
  TLinguetteTemporanee& preferiti = c.gestore.linguettePreferiti();
  if (sotto == "carica_da_file") preferiti.CaricaDaFile(c.riga.CampoVerbo(3));
  else if (sotto == "salva_su_file") preferiti.SalvaSuFile(c.riga.CampoVerbo(3));
  // "edit" and "aggiungi" open the favourites window, which the plug-in does not have yet.
  else if (sotto == "edit" || sotto == "aggiungi") return Rifiuta(c);
  return 0;
}

// The tab of a path, sent back as event 5 with its id (-1 when no tab has that path).
int32_t SettaCartella(const Contesto& c) {
  Evento(5, std::to_string(c.gestore.getIdLinguettaPerKalvor(c.riga.argomento())));
  return 0;
}

int32_t EsportaJson(const Contesto& c) {
  JsonLines testo;
  c.gestore.ScriviGestJson(testo);
  if (!WriteFileBytes(c.riga.argomento(), testo.testo()))
    throw std::runtime_error("Impossibile scrivere il file " + c.riga.argomento());
  return 0;
}

int32_t CreaSqlite(const Contesto& c) {
  CreaListinoSQLite(c.riga.argomento(), false);  // a refusal is shown to the user
  return 0;
}

// The scrambled form of a password, as a connection string takes it after "Password=": into NAV_CRIPTA
// and onto the clipboard.
int32_t PasswordCriptata(const Contesto& c) {
  const std::string criptata = "*" + ScramblePassword(c.riga.argomento(), 1) + "*";
  HostLink::Get().WriteText("NAV_CRIPTA", criptata);
  Ui().SetClipboardText(criptata);
  return 0;
}

int32_t IsVisibilePerFiltri(const Contesto& c) {
  std::string codice = Utf8ToAnsi(c.riga.argomento());
  return c.contenitore.IsVisibilePerFiltriExp(codice.data());
}

// codice_vis|IdCampoUser|valore_filtro: the codes of the "#" search, as comma text in
// NAV_CODICI_CANCELLETTO.
int32_t CodiciCancelletto(const Contesto& c) {
  const TRigaComando& r = c.riga;
  HostLink::Get().WriteText("NAV_CODICI_CANCELLETTO",
                            CommaText(c.gestore.CercaCodiciCancelletto(r.Campo(1), r.Intero(2), r.Campo(3))));
  return 0;
}

// In this order: the first row that matches wins ("nascondi_linguetta_path..." is a hidden-tab verb).
constexpr Verbo kVerbi[] = {
    {"nascondi_linguetta", Confronto::Prefisso, NascondiLinguetta},
    {"CaricaOggetto", Confronto::Esatto, CaricaOggetto},
    {"EstraiOggetto", Confronto::Esatto, Rifiuta},
    {"SalvaCompostoGlb", Confronto::Esatto, Rifiuta},    // missing: item creation from the host's composite
    {"EliminaCompostoGlb", Confronto::Esatto, Rifiuta},  // missing: item deletion on the creation price list
    {"SalvaPcfGlb", Confronto::Esatto, Rifiuta},         // missing: preconfigured-item creation from the scene
    {"getImmagineDB_bmp", Confronto::Esatto, ImmagineBmp},
    {"aggiorna_finestra", Confronto::Esatto, AggiornaFinestra},
    {"aggiorna_albero_k4", Confronto::Prefisso, AggiornaAlbero},
    {"setta_filtro", Confronto::Esatto, SettaFiltro},
    {"linguette_temporanee", Confronto::Prefisso, LinguetteTemporanee},
    // Only "generici_get_forchetta" would act here (other verbs of the prefix answer -1); missing: the price
    // range of generics (GetCodiciLegatiSpecifici, AggiornaPrezziGenerici, CalcolaForchettaPrezzi).
    {"generici_", Confronto::Prefisso, Rifiuta},
    {"CreaCartella", Confronto::Prefisso, Rifiuta},        // missing: folder creation (Mod_CreaCartellaGen)
    {"RemoteCheckVersion", Confronto::Esatto, Rifiuta},    // missing: the web price list's version check
    {"preferiti", Confronto::Prefisso, Preferiti},
    {"setta_cartella", Confronto::Prefisso, SettaCartella},
    {"esporta_json", Confronto::Prefisso, EsportaJson},
    {"crea_sqlite", Confronto::Prefisso, CreaSqlite},
    {"esporta_to_sqlite", Confronto::Prefisso, Rifiuta},   // missing: the copy into SQLite (EsportaSQLite)
    {"password_criptata", Confronto::Prefisso, PasswordCriptata},
    {"IsVisibilePerFiltri", Confronto::Prefisso, IsVisibilePerFiltri},
    {"codici_cancelletto", Confronto::Prefisso, CodiciCancelletto},
};

const Verbo* TrovaVerbo(const std::string& verbo) {
  for (const Verbo& v : kVerbi) {
    if (v.confronto == Confronto::Esatto ? verbo == v.testo : verbo.starts_with(v.testo)) return &v;
  }
  return nullptr;
}

// Keeps InCommand set while a command runs, on every way out.
class ComandoInCorso {
 public:
  explicit ComandoInCorso(bool& flag) : flag_(flag) { flag_ = true; }
  ~ComandoInCorso() { flag_ = false; }
  ComandoInCorso(const ComandoInCorso&) = delete;
  ComandoInCorso& operator=(const ComandoInCorso&) = delete;

 private:
  bool& flag_;
};

}  // namespace

int32_t ROVAN_STDCALL TRovanContainer::Command(const char* szParametri) {
  return Protetto("Command", -1, [&]() -> int32_t {
    if (!m_Gestore) return 0;  // nothing to act on: the host sends commands only after building the tree
    const TRigaComando riga(AnsiToUtf8(Testo(szParametri)));
    // The host may call back while an event of this command is handled; only a new command is refused.
    if (InCommand) return -1;
    const ComandoInCorso inCorso(InCommand);
    const Verbo* verbo = TrovaVerbo(riga.verbo());
    if (verbo == nullptr) return -1;
    try {
      return verbo->azione(Contesto{*this, *m_Gestore, riga});
    } catch (const std::exception& e) {
      ScriviLog(std::string("Eccezione in Command ") + e.what());
      return -1;
    }
  });
}

}  // namespace rovan
