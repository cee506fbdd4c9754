// TRovanObject: the IRovan singleton, the host's first interface.
//
// Most of its operations are obsolete (a message box "... Obsoleta" and a fixed result) or, in container
// mode, forwarded to the primary container. Reference counting is fake; the library owns the object.
#pragma once

#include "plugin/ItfRovan.h"

namespace rovan {

class TRovanObject final : public IRovan {
 public:
  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return 0; }
  int32_t ROVAN_STDCALL AddRef() override { return 2; }
  int32_t ROVAN_STDCALL Release() override { return 1; }

  int32_t ROVAN_STDCALL createRovan(void* hw) override;
  int32_t ROVAN_STDCALL createRovan2() override;
  int32_t ROVAN_STDCALL apriListino(const char* nome) override;
  int32_t ROVAN_STDCALL showRovanLess() override;
  int32_t ROVAN_STDCALL destroyRovan() override;
  int32_t ROVAN_STDCALL getCompostoDB(const char* pCod, const char* path) override;
  int32_t ROVAN_STDCALL findCmpName(const char* pCod) override;
  int32_t ROVAN_STDCALL queryListino(const char* szCod, const char* szMdl, const char* szCampo,
                                     char* szValore) override;
  int32_t ROVAN_STDCALL IsRovanVisible() override { return 0; }
  void ROVAN_STDCALL aggiornaConnessione() override {}
  int32_t ROVAN_STDCALL showCdc() override;
  int32_t ROVAN_STDCALL showCpreconf(int32_t prec) override;
  void ROVAN_STDCALL SettaAzioniVisibili(int32_t) override {}
  int32_t ROVAN_STDCALL getImmagineDB(char* pCod, char* path) override;
  int32_t ROVAN_STDCALL getAzioni(char* szCod, char* szMdl, char* szRet) override;
  int32_t ROVAN_STDCALL ImportaDati(char* szDati) override;
  int32_t ROVAN_STDCALL getImmagineDB_bmp(char* cod, char* path, int32_t W, int32_t H) override;
  int32_t ROVAN_STDCALL CaricaKalvorMsg(const char* nome_file) override;
  int32_t ROVAN_STDCALL creaCompostoRovan(char*, char*, char*, char*, char*, char*, char*) override;
  int32_t ROVAN_STDCALL insCaratteristicaRovan(char*, char*, char*, char*, char*) override { return 0; }
  int32_t ROVAN_STDCALL eliminaCompostoRovan(char* szCod, char* szMdl) override;
  int32_t ROVAN_STDCALL ha_schedaofoto(const char*, int32_t*, int32_t*) override { return 0; }
  int32_t ROVAN_STDCALL getSchedaTecnica(const char* cod, char* nomefile) override;
  int32_t ROVAN_STDCALL getFoto(const char* cod, char* nomefile) override;
  int32_t ROVAN_STDCALL impostaFiltroRovan(char* codiceArt, char* filtro) override;
  int32_t ROVAN_STDCALL creaCompostoRovanFiltro(char*, char*, char*, char*, char*, char*, char*, char*) override;
  int32_t ROVAN_STDCALL PosizionaCod(const char*) override { return 0; }
  void* ROVAN_STDCALL FindCodici(const char*, int32_t) override { return nullptr; }
  int32_t ROVAN_STDCALL RiempiRicercaK4(const char* nome) override;
  void ROVAN_STDCALL EliminaTuttiFiltri() override {}
  void ROVAN_STDCALL SalvataggioStrutturaRovan() override {}
  int32_t ROVAN_STDCALL SettaParametroGlb(const char*, const char*) override { return 0; }
  int32_t ROVAN_STDCALL getOggetto(char* codice, char* nome_oggetto, char* path_oggetto) override;
  int32_t ROVAN_STDCALL AggiungiConnessioneFendrix(char* connessione) override;
  int32_t ROVAN_STDCALL VersionId() override { return 13; }
};

// The lifecycle operations behind IRovan.
// createRovan2: 1 when it switched the created flag on, 0 when it was already on.
int CreateRovan2();
// destroyRovan: destroys the editor window; when the created flag was on, unloads the management-system
// library and the message translator, clears the flag and returns 1; otherwise 0.
int DestroyRovan();
// Opens the price-list editor window (the one-time toolkit initialisation first).
void ApriEditor();
void ShowRovanLess();

}  // namespace rovan
