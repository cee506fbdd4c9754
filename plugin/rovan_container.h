// TRovanContainer: one open navigation session of the host, handed out as IRovanContainer.
//
// Reference counting is real: created with one reference that the host owns; the last Release destroys
// it. A container owns its node tree, its navigation engine and its display attributes. Operations that
// need the navigation engine answer their failure value (0, or null) until the engine exists.
//
// Thread rule: the host's user-interface thread only.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/large_blocks.h"
#include "plugin/ItfRovan.h"
#include "plugin/rovan_tree.h"

namespace rovan {

class TAttributi;
class TCodMdl;
class TDMMain;
class TGestore;
class TLinguetteTemporanee;
class TVista;

class TRovanContainer final : public IRovanContainer {
 public:
  // Reference count 1; reads the container switches, resets the search limit and advises the status sink
  // when the host link is available.
  TRovanContainer();
  TRovanContainer(const TRovanContainer&) = delete;
  TRovanContainer& operator=(const TRovanContainer&) = delete;

  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return 0; }
  int32_t ROVAN_STDCALL AddRef() override { return ++m_ref; }
  int32_t ROVAN_STDCALL Release() override;

  void* ROVAN_STDCALL GetRovanTree() override;
  void* ROVAN_STDCALL GetRovanCodici(int32_t idPri, int32_t idSec) override;
  int32_t ROVAN_STDCALL FindPriSec(const char* cod, char* pri, char* sec) override;
  void* ROVAN_STDCALL FindCodici(const char* impronta, int32_t suDescrizione) override;
  void* ROVAN_STDCALL DammiFiltriAtt() override;
  void ROVAN_STDCALL SettaFiltroAtt(const char* descar, const char* desval) override;
  void* ROVAN_STDCALL DammiFiltriSettatiAtt() override;
  void ROVAN_STDCALL EliminaFiltroAtt(const char* descar, const char* desval) override;
  void ROVAN_STDCALL EliminaTuttiFiltri() override;
  void ROVAN_STDCALL SettaMassimoRicerca(int32_t massimo_ric) override;
  void ROVAN_STDCALL SalvataggioStrutturaRovan() override;
  int32_t ROVAN_STDCALL HoAlmenoUnRovanCodici(int32_t idPri, int32_t idSec) override;
  void ROVAN_STDCALL SettaFiltroAttCod(int32_t codcar, int32_t codval, const char* descar,
                                       const char* desval) override;
  void ROVAN_STDCALL EliminaFiltroAttCod(int32_t codcar, int32_t codval) override;
  void ROVAN_STDCALL ResetTree() override;
  int32_t ROVAN_STDCALL Mod_CreaComposto(char* codice, char* descrizione, char* filtri, char* azioni, char* cmp,
                                         char* immagine, int32_t idPriOld, int32_t idSecOld) override;
  int32_t ROVAN_STDCALL Mod_ModificaComposto(char* codice, char* descrizione, char* filtri, char* azioni,
                                             char* immagine) override;
  int32_t ROVAN_STDCALL Mod_EliminaComposto(char* codice) override;
  int32_t ROVAN_STDCALL Mod_CreaCartella(int32_t idLinguettaPadre, char* descrizione) override;
  int32_t ROVAN_STDCALL Mod_EliminaCartella(int32_t idPriOld, int32_t idSecOld) override;
  int32_t ROVAN_STDCALL Mod_InserisciInCartella(char* codice, int32_t idPriOld, int32_t idSecOld) override;
  int32_t ROVAN_STDCALL Mod_EliminaDaCartella(char* codice, int32_t idPriOld, int32_t idSecOld) override;
  int32_t ROVAN_STDCALL Mod_LeggiErrore(char* errore) override;
  void* ROVAN_STDCALL GetRovanTreeExt(int32_t param) override;
  int32_t ROVAN_STDCALL Mod_AggiungiOggetto(char* codice, char* nome_oggetto, char* file_oggetto) override;
  int32_t ROVAN_STDCALL Mod_EliminaOggetto(char* codice, char* nome_oggetto) override;
  int32_t ROVAN_STDCALL Mod_TraduzioneCartella(int32_t idLinguetta, int32_t IdLingua, char* descrizione) override;
  int32_t ROVAN_STDCALL Mod_TraduzioneComposto(char* codice, int32_t IdLingua, char* descrizione) override;
  void* ROVAN_STDCALL get_AttribApparence(const char* Code) override;
  int32_t ROVAN_STDCALL VersionId() override { return 13; }
  int32_t ROVAN_STDCALL GetNumLingue(int32_t IdListino) override;
  int32_t ROVAN_STDCALL GetLingua(int32_t IdListino, int32_t Posizione, char* RetCod, char* RetDes) override;
  int32_t ROVAN_STDCALL SetCodLingua(int32_t IdListino, char* cod) override;
  int32_t ROVAN_STDCALL SetIdLingua(int32_t IdListino, int32_t id) override;
  int32_t ROVAN_STDCALL findCmpName(const char* pCod) override;
  int32_t ROVAN_STDCALL getCompostoDB(const char* pCod, const char* path) override;
  int32_t ROVAN_STDCALL queryListino(const char* szCod, const char* szCampo, char* szValore) override;
  int32_t ROVAN_STDCALL apriListino(char* nome) override;
  int32_t ROVAN_STDCALL Command(const char* szParametri) override;
  int32_t ROVAN_STDCALL getSchedaTecnica(const char* cod, char* nomefile) override;
  int32_t ROVAN_STDCALL getImmagineDB(int32_t Tipo, char* cod, char* NomeFileOut, int32_t W, int32_t H) override;
  int32_t ROVAN_STDCALL getOggetto(char* codice, char* nome_oggetto, char* path_oggetto) override;
  int32_t ROVAN_STDCALL getAzioni(char* szCod, char* szRet) override;
  int32_t ROVAN_STDCALL Mod_CreaCartella_bycod(int32_t idLinguettaPadre, const char* descrizione) override;
  int32_t ROVAN_STDCALL Mod_CreaComposto_bycod(const char* codice, const char* descrizione, const char* filtri,
                                               const char* azioni, const char* cmp, const char* immagine,
                                               int32_t idLinguetta) override;
  void* ROVAN_STDCALL getCompostoDBBlob(const char* pCod) override;
  void* ROVAN_STDCALL getImmagineDBBlob(const char* pCod) override;
  void* ROVAN_STDCALL GetRovanTreeJson() override;
  void* ROVAN_STDCALL getImmagineDBBlobTipo(int32_t Tipo, int32_t H, int32_t W, const char* pCod) override;
  void* ROVAN_STDCALL GetCodiciLegatiGenerici(const char* codice) override;
  void* ROVAN_STDCALL GetCodiciLegatiSpecifici(const char* tag) override;
  void ROVAN_STDCALL AggiornaPrezziGenerici(const char* Fascia, void* codici) override;
  int32_t ROVAN_STDCALL HoAlmenoUnRovanCodici2(int32_t idPri, int32_t idSec, const char* filtro) override;
  void* ROVAN_STDCALL GetRovanCodici2(int32_t idPri, int32_t idSec, const char* filtro) override;
  int32_t ROVAN_STDCALL GetTipoSostGenerici(const char* tag, const char* scod) override;
  int32_t ROVAN_STDCALL Mod_ModificaComposto2(char* codice, char* descrizione, char* filtri, char* azioni,
                                              char* immagine, char* cmp) override;
  int32_t ROVAN_STDCALL IsVisibilePerFiltriExp(char* codice) override;
  const char* ROVAN_STDCALL GetCompostiCancelletto(const char* codice_vis, int32_t IdCampoUser,
                                                   const char* valore_filtro) override;

  // For the tree nodes: the language position of the host's active language in the main price list, or
  // nullopt when no price list is open.
  std::optional<int> PosizioneLinguaHost() const;
  // For the tree nodes: the codes under a tab and those passing the active filters (0 and 0 without an
  // engine).
  void ContaCodiciLinguetta(int32_t idPadre, int32_t id, int32_t& tot, int32_t& filtrati) const;

  int32_t refCount() const { return m_ref; }
  TGestore* gestore() const { return m_Gestore.get(); }

  std::unique_ptr<TAttributi> m_AttributiPrinc;    // display attributes of the main price list, on first use
  bool InCommand = false;                          // a Command is running
  std::unique_ptr<TRovanTree> m_tree;              // root of the tab tree, built on demand
  std::string m_mod_errore;                        // last editing error
  std::set<std::string> m_lista_etichette_valide;  // valid labels, sorted
  std::unique_ptr<TGestore> m_Gestore;             // navigation engine, created on demand

 private:
  ~TRovanContainer();  // only Release destroys
  // The tree: nodes of the views below a node, kept as the tree-building rules say.
  bool TieniNodo(TRovanTree& nodo, const TVista& vista, bool cartelleVuote);
  void AggiungiSecondarie(TRovanTree& padre, const TVista& vista, int idListino, bool cartelleVuote);
  void AggiungiTemporanee(TLinguetteTemporanee& lista);
  // A code looked up with the invisible codes; null without engine or when absent.
  TCodMdl* TrovaCodice(const char* ansi) const;
  // The engine's data module of a code, or null.
  TDMMain* ListinoDi(const TCodMdl& cm) const;
  // The language position active on the main price list, 0 when none.
  int LinguaPrincipale() const;
  // Writes the decorated definition of an item to file: -1 when written, 0 otherwise (nothing before
  // createRovan2, for an empty code or a missing price list).
  int ScriviFileComposto(const std::string& codice, const std::string& file, TDMMain* dm);
  int32_t m_ref = 1;
  // Memory of the code lists handed out, kept for the next ones when the host releases them: a search on a
  // million codes lists tens of megabytes, and a designer searches again and again.
  static constexpr size_t kMassimoRiservaListe = size_t{64} << 20;
  std::shared_ptr<RiservaBlocchi> m_RiservaListe = std::make_shared<RiservaBlocchi>(kMassimoRiservaListe);
};

}  // namespace rovan
