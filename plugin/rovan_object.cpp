#include "plugin/rovan_object.h"

#include "platform/code_page.h"
#include "platform/ui_services.h"
#include "plugin/boundary.h"
#include "plugin/gestionale.h"
#include "plugin/host_commands.h"
#include "plugin/host_link.h"
#include "plugin/library.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"
#include "plugin/rovan_event.h"
#include "storage/traduci_mdb.h"

namespace rovan {
namespace {

// An obsolete operation: the message box, then the fixed result.
int32_t Obsoleta(const char* testo, int32_t risultato) {
  return Protetto(testo, risultato, [&] {
    MostraMessaggio(testo);
    return risultato;
  });
}

// A forwarded operation: the primary container in container mode, the obsolete behaviour otherwise.
template <typename F>
int32_t Inoltra(const char* obsoleta, int32_t risultato, F&& call) {
  ProcessState& p = Processo();
  if (!p.containerMode) return Obsoleta(obsoleta, risultato);
  // The host always obtains a container first; without one there is nothing to call.
  if (p.primary == nullptr) return 0;
  return call(*p.primary);
}

}  // namespace

int CreateRovan2() {
  LogBracket log("createRovan2");
  ProcessState& p = Processo();
  if (p.created) return 0;
  p.created = true;
  return 1;
}

int DestroyRovan() {
  LogBracket log("destroyRovan");
  Ui().DestroyEditor();
  ProcessState& p = Processo();
  if (!p.created) return 0;
  Gestionale::Get().Scarica();
  RilasciaTraduttore();
  p.created = false;
  p.uiInitialised = false;
  return 1;
}

void ApriEditor() {
  ProcessState& p = Processo();
  p.uiInitialised = true;  // the toolkit initialises itself on the first window it shows
  Ui().ShowEditor();
}

void ShowRovanLess() {
  LogBracket log("showRovanLess");
  ApriEditor();
}

int32_t ROVAN_STDCALL TRovanObject::createRovan(void*) {
  return Protetto("createRovan", 0, [] {
    if (Processo().created) return 0;
    CreateRovan2();
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanObject::createRovan2() { return Protetto("createRovan2", 0, [] { return CreateRovan2(); }); }

int32_t ROVAN_STDCALL TRovanObject::apriListino(const char* nome) {
  return Protetto("apriListino", 0, [&] {
    ProcessState& p = Processo();
    if (!p.containerMode) return Obsoleta("apriListinoString Obsoleta", 0);
    p.listinoAperto = AnsiToUtf8(Testo(nome));
    if (p.primary == nullptr) return 0;
    std::string testo(Testo(nome));
    return p.primary->apriListino(testo.data()) > 0 ? 1 : 0;
  });
}

int32_t ROVAN_STDCALL TRovanObject::showRovanLess() {
  return Protetto("showRovanLess", 0, [] {
    ShowRovanLess();
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanObject::destroyRovan() { return Protetto("destroyRovan", 0, [] { return DestroyRovan(); }); }

int32_t ROVAN_STDCALL TRovanObject::getCompostoDB(const char*, const char*) {
  return Obsoleta("getCompostoDB Obsoleta", 0);
}

int32_t ROVAN_STDCALL TRovanObject::findCmpName(const char*) { return Obsoleta("findCmpName Obsoleta", 0); }

int32_t ROVAN_STDCALL TRovanObject::queryListino(const char*, const char*, const char*, char*) {
  return Obsoleta("queryListino Obsoleta", 0);
}

int32_t ROVAN_STDCALL TRovanObject::showCdc() {
  return Protetto("showCdc", 0, [] {
    HostLink::Get().Command(comandi::kApriDialogoComposto);
    ApriEditor();
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanObject::showCpreconf(int32_t prec) {
  return Protetto("showCpreconf", 0, [&] {
    HostLink::Get().Command(prec != 0 ? comandi::kApriDialogoPreconfigurato : comandi::kApriDialogoComponente);
    ApriEditor();
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanObject::getImmagineDB(char* pCod, char* path) {
  return Protetto("getImmagineDB", 0, [&] {
    return Inoltra("getImmagineDB Obsoleta", 0,
                   [&](TRovanContainer& c) { return c.getImmagineDB(0, pCod, path, 0, 0); });
  });
}

int32_t ROVAN_STDCALL TRovanObject::getAzioni(char* szCod, char*, char* szRet) {
  return Protetto("getAzioni", 0, [&] {
    return Inoltra("TRovanObject.getAzioni Obsoleta", 0,
                   [&](TRovanContainer& c) { return c.getAzioni(szCod, szRet); });
  });
}

int32_t ROVAN_STDCALL TRovanObject::ImportaDati(char*) { return Obsoleta("TRovanObject.ImportaDati Obsoleta", 1); }

int32_t ROVAN_STDCALL TRovanObject::getImmagineDB_bmp(char* cod, char* path, int32_t W, int32_t H) {
  return Protetto("getImmagineDB_bmp", 0, [&] {
    return Inoltra("TRovanObject.getImmagineDB_bmp Obsoleta", 0,
                   [&](TRovanContainer& c) { return c.getImmagineDB(1, cod, path, W, H); });
  });
}

int32_t ROVAN_STDCALL TRovanObject::CaricaKalvorMsg(const char* nome_file) {
  return Protetto("CaricaKalvorMsg", 1, [&] {
    if (IDMessage* messages = HostLink::Get().messages()) messages->CaricaMessaggi(Testo(nome_file));
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanObject::creaCompostoRovan(char*, char*, char*, char*, char*, char*, char*) {
  return Obsoleta("creaCompostoRovan Obsoleta", 1);
}

int32_t ROVAN_STDCALL TRovanObject::eliminaCompostoRovan(char*, char*) {
  return Obsoleta("eliminaCompostoRovan Obsoleta", 0);
}

int32_t ROVAN_STDCALL TRovanObject::getSchedaTecnica(const char*, char*) {
  return Obsoleta("TRovanObject.getSchedaTecnica Obsoleta", 0);
}

int32_t ROVAN_STDCALL TRovanObject::getFoto(const char*, char*) { return Obsoleta("getFoto Obsoleta", 0); }

int32_t ROVAN_STDCALL TRovanObject::impostaFiltroRovan(char*, char*) {
  return Obsoleta("impostaFiltroRovan Obsoleta", 0);
}

int32_t ROVAN_STDCALL TRovanObject::creaCompostoRovanFiltro(char*, char*, char*, char*, char*, char*, char*,
                                                            char*) {
  return Obsoleta("creaCompostoRovanFiltro Obsoleta", 0);
}

int32_t ROVAN_STDCALL TRovanObject::RiempiRicercaK4(const char* nome) {
  return Protetto("RiempiRicercaK4", 0, [&] {
    RovanEvent().Notifica(2, AnsiToUtf8(Testo(nome)));
    return 0;
  });
}

int32_t ROVAN_STDCALL TRovanObject::getOggetto(char* codice, char* nome_oggetto, char* path_oggetto) {
  return Protetto("getOggetto", 0, [&] {
    return Inoltra("getOggetto Obsoleta", 0,
                   [&](TRovanContainer& c) { return c.getOggetto(codice, nome_oggetto, path_oggetto); });
  });
}

int32_t ROVAN_STDCALL TRovanObject::AggiungiConnessioneFendrix(char* connessione) {
  return Protetto("AggiungiConnessioneFendrix", 1,
                  [&] { return rovan::AggiungiConnessioneFendrix(AnsiToUtf8(Testo(connessione))); });
}

}  // namespace rovan
