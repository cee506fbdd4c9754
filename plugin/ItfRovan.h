// Interfaces the plug-in hands to the host.
//
// The host reaches them through the exported get_InstanceByName: "IRovan" (or "IRovan.1", "IRovan.ID"),
// "IRovanEvent" and "IRovanContainer" with an optional version suffix. Texts are zero-terminated 8-bit
// strings in the ANSI code page unless a comment says UTF-8; integers are 32-bit; results follow the
// convention 1 (or a key) success, 0 failure, -1 not recognised or not possible. No exception ever leaves
// a slot. A "Pointer" result is a raw interface pointer or null.
#pragma once

#include <cstdint>

#include "plugin/ItfCommon.h"

namespace rovan {

struct IRovanEventSink : IUnknownRovan {
  virtual void ROVAN_STDCALL OnNotifica(int32_t ttype, const char* msg) = 0;  // 3
};

struct IRovanEvent : IUnknownRovan {
  virtual void ROVAN_STDCALL SetSink(IRovanEventSink* sink) = 0;  // 3
};

struct IBlob : IUnknownRovan {
  virtual int32_t ROVAN_STDCALL VersionId() = 0;        // 3: 1
  virtual const char* ROVAN_STDCALL FactoryName() = 0;  // 4: "Rovan"
  virtual void* ROVAN_STDCALL Data() = 0;               // 5: first byte
  virtual uint32_t ROVAN_STDCALL Size() = 0;            // 6: byte size
  virtual const char* ROVAN_STDCALL LastError() = 0;    // 7: ""
};

struct IRovanTree : IUnknownRovan {
  virtual int32_t ROVAN_STDCALL GetIdNodo() = 0;                                     // 3
  virtual int32_t ROVAN_STDCALL GetValNonUsato() = 0;                                // 4
  virtual const char* ROVAN_STDCALL GetDescrNodo() = 0;                              // 5: UTF-8
  virtual int32_t ROVAN_STDCALL GetNumFigli() = 0;                                   // 6
  virtual IRovanTree* ROVAN_STDCALL GetFiglio(int32_t i) = 0;                        // 7
  virtual IRovanTree* ROVAN_STDCALL PrimoFiglio() = 0;                               // 8
  virtual IRovanTree* ROVAN_STDCALL ProssimoFiglio() = 0;                            // 9
  virtual int32_t ROVAN_STDCALL ContaCodiciNodo(int32_t* tot, int32_t* totfiltrati) = 0;  // 10
  virtual const char* ROVAN_STDCALL GetTraduzioneNodo(int32_t posizione) = 0;        // 11: UTF-8
  virtual const char* ROVAN_STDCALL GetTipoNodo() = 0;                               // 12
};

struct IRovanContainer : IUnknownRovan {
  virtual void* ROVAN_STDCALL GetRovanTree() = 0;                                                   // 3
  virtual void* ROVAN_STDCALL GetRovanCodici(int32_t idPri, int32_t idSec) = 0;                     // 4
  virtual int32_t ROVAN_STDCALL FindPriSec(const char* cod, char* pri, char* sec) = 0;              // 5
  virtual void* ROVAN_STDCALL FindCodici(const char* impronta, int32_t suDescrizione) = 0;          // 6
  virtual void* ROVAN_STDCALL DammiFiltriAtt() = 0;                                                 // 7
  virtual void ROVAN_STDCALL SettaFiltroAtt(const char* descar, const char* desval) = 0;            // 8
  virtual void* ROVAN_STDCALL DammiFiltriSettatiAtt() = 0;                                          // 9
  virtual void ROVAN_STDCALL EliminaFiltroAtt(const char* descar, const char* desval) = 0;          // 10
  virtual void ROVAN_STDCALL EliminaTuttiFiltri() = 0;                                              // 11
  virtual void ROVAN_STDCALL SettaMassimoRicerca(int32_t massimo_ric) = 0;                          // 12
  virtual void ROVAN_STDCALL SalvataggioStrutturaRovan() = 0;                                       // 13
  virtual int32_t ROVAN_STDCALL HoAlmenoUnRovanCodici(int32_t idPri, int32_t idSec) = 0;            // 14
  virtual void ROVAN_STDCALL SettaFiltroAttCod(int32_t codcar, int32_t codval, const char* descar,
                                               const char* desval) = 0;                             // 15
  virtual void ROVAN_STDCALL EliminaFiltroAttCod(int32_t codcar, int32_t codval) = 0;               // 16
  virtual void ROVAN_STDCALL ResetTree() = 0;                                                       // 17
  virtual int32_t ROVAN_STDCALL Mod_CreaComposto(char* codice, char* descrizione, char* filtri, char* azioni,
                                                 char* cmp, char* immagine, int32_t idPriOld,
                                                 int32_t idSecOld) = 0;                             // 18
  virtual int32_t ROVAN_STDCALL Mod_ModificaComposto(char* codice, char* descrizione, char* filtri,
                                                     char* azioni, char* immagine) = 0;             // 19
  virtual int32_t ROVAN_STDCALL Mod_EliminaComposto(char* codice) = 0;                              // 20
  virtual int32_t ROVAN_STDCALL Mod_CreaCartella(int32_t idLinguettaPadre, char* descrizione) = 0;  // 21
  virtual int32_t ROVAN_STDCALL Mod_EliminaCartella(int32_t idPriOld, int32_t idSecOld) = 0;        // 22
  virtual int32_t ROVAN_STDCALL Mod_InserisciInCartella(char* codice, int32_t idPriOld,
                                                        int32_t idSecOld) = 0;                      // 23
  virtual int32_t ROVAN_STDCALL Mod_EliminaDaCartella(char* codice, int32_t idPriOld,
                                                      int32_t idSecOld) = 0;                        // 24
  virtual int32_t ROVAN_STDCALL Mod_LeggiErrore(char* errore) = 0;                                  // 25
  virtual void* ROVAN_STDCALL GetRovanTreeExt(int32_t param) = 0;                                   // 26
  virtual int32_t ROVAN_STDCALL Mod_AggiungiOggetto(char* codice, char* nome_oggetto,
                                                    char* file_oggetto) = 0;                        // 27
  virtual int32_t ROVAN_STDCALL Mod_EliminaOggetto(char* codice, char* nome_oggetto) = 0;           // 28
  virtual int32_t ROVAN_STDCALL Mod_TraduzioneCartella(int32_t idLinguetta, int32_t IdLingua,
                                                       char* descrizione) = 0;                      // 29
  virtual int32_t ROVAN_STDCALL Mod_TraduzioneComposto(char* codice, int32_t IdLingua,
                                                       char* descrizione) = 0;                      // 30
  virtual void* ROVAN_STDCALL get_AttribApparence(const char* Code) = 0;                            // 31
  virtual int32_t ROVAN_STDCALL VersionId() = 0;                                                    // 32: 13
  virtual int32_t ROVAN_STDCALL GetNumLingue(int32_t IdListino) = 0;                                // 33
  virtual int32_t ROVAN_STDCALL GetLingua(int32_t IdListino, int32_t Posizione, char* RetCod,
                                          char* RetDes) = 0;                                        // 34
  virtual int32_t ROVAN_STDCALL SetCodLingua(int32_t IdListino, char* cod) = 0;                     // 35
  virtual int32_t ROVAN_STDCALL SetIdLingua(int32_t IdListino, int32_t id) = 0;                     // 36
  virtual int32_t ROVAN_STDCALL findCmpName(const char* pCod) = 0;                                  // 37
  virtual int32_t ROVAN_STDCALL getCompostoDB(const char* pCod, const char* path) = 0;              // 38
  virtual int32_t ROVAN_STDCALL queryListino(const char* szCod, const char* szCampo, char* szValore) = 0;  // 39
  virtual int32_t ROVAN_STDCALL apriListino(char* nome) = 0;                                        // 40
  virtual int32_t ROVAN_STDCALL Command(const char* szParametri) = 0;                               // 41
  virtual int32_t ROVAN_STDCALL getSchedaTecnica(const char* cod, char* nomefile) = 0;              // 42
  virtual int32_t ROVAN_STDCALL getImmagineDB(int32_t Tipo, char* cod, char* NomeFileOut, int32_t W,
                                              int32_t H) = 0;                                       // 43
  virtual int32_t ROVAN_STDCALL getOggetto(char* codice, char* nome_oggetto, char* path_oggetto) = 0;  // 44
  virtual int32_t ROVAN_STDCALL getAzioni(char* szCod, char* szRet) = 0;                            // 45
  virtual int32_t ROVAN_STDCALL Mod_CreaCartella_bycod(int32_t idLinguettaPadre,
                                                       const char* descrizione) = 0;                // 46
  virtual int32_t ROVAN_STDCALL Mod_CreaComposto_bycod(const char* codice, const char* descrizione,
                                                       const char* filtri, const char* azioni,
                                                       const char* cmp, const char* immagine,
                                                       int32_t idLinguetta) = 0;                    // 47
  virtual void* ROVAN_STDCALL getCompostoDBBlob(const char* pCod) = 0;                              // 48
  virtual void* ROVAN_STDCALL getImmagineDBBlob(const char* pCod) = 0;                              // 49
  virtual void* ROVAN_STDCALL GetRovanTreeJson() = 0;                                               // 50
  virtual void* ROVAN_STDCALL getImmagineDBBlobTipo(int32_t Tipo, int32_t H, int32_t W,
                                                    const char* pCod) = 0;                          // 51
  virtual void* ROVAN_STDCALL GetCodiciLegatiGenerici(const char* codice) = 0;                      // 52
  virtual void* ROVAN_STDCALL GetCodiciLegatiSpecifici(const char* tag) = 0;                        // 53
  virtual void ROVAN_STDCALL AggiornaPrezziGenerici(const char* Fascia, void* codici) = 0;          // 54
  virtual int32_t ROVAN_STDCALL HoAlmenoUnRovanCodici2(int32_t idPri, int32_t idSec,
                                                       const char* filtro) = 0;                     // 55
  virtual void* ROVAN_STDCALL GetRovanCodici2(int32_t idPri, int32_t idSec, const char* filtro) = 0;  // 56
  virtual int32_t ROVAN_STDCALL GetTipoSostGenerici(const char* tag, const char* scod) = 0;         // 57
  virtual int32_t ROVAN_STDCALL Mod_ModificaComposto2(char* codice, char* descrizione, char* filtri,
                                                      char* azioni, char* immagine, char* cmp) = 0;  // 58
  virtual int32_t ROVAN_STDCALL IsVisibilePerFiltriExp(char* codice) = 0;                           // 59
  virtual const char* ROVAN_STDCALL GetCompostiCancelletto(const char* codice_vis, int32_t IdCampoUser,
                                                           const char* valore_filtro) = 0;          // 60
};

struct IRovan : IUnknownRovan {
  virtual int32_t ROVAN_STDCALL createRovan(void* hw) = 0;                                          // 3
  virtual int32_t ROVAN_STDCALL createRovan2() = 0;                                                 // 4
  virtual int32_t ROVAN_STDCALL apriListino(const char* nome) = 0;                                  // 5
  virtual int32_t ROVAN_STDCALL showRovanLess() = 0;                                                // 6
  virtual int32_t ROVAN_STDCALL destroyRovan() = 0;                                                 // 7
  virtual int32_t ROVAN_STDCALL getCompostoDB(const char* pCod, const char* path) = 0;              // 8
  virtual int32_t ROVAN_STDCALL findCmpName(const char* pCod) = 0;                                  // 9
  virtual int32_t ROVAN_STDCALL queryListino(const char* szCod, const char* szMdl, const char* szCampo,
                                             char* szValore) = 0;                                   // 10
  virtual int32_t ROVAN_STDCALL IsRovanVisible() = 0;                                               // 11
  virtual void ROVAN_STDCALL aggiornaConnessione() = 0;                                             // 12
  virtual int32_t ROVAN_STDCALL showCdc() = 0;                                                      // 13
  virtual int32_t ROVAN_STDCALL showCpreconf(int32_t prec) = 0;                                     // 14
  virtual void ROVAN_STDCALL SettaAzioniVisibili(int32_t t) = 0;                                    // 15
  virtual int32_t ROVAN_STDCALL getImmagineDB(char* pCod, char* path) = 0;                          // 16
  virtual int32_t ROVAN_STDCALL getAzioni(char* szCod, char* szMdl, char* szRet) = 0;               // 17
  virtual int32_t ROVAN_STDCALL ImportaDati(char* szDati) = 0;                                      // 18
  virtual int32_t ROVAN_STDCALL getImmagineDB_bmp(char* cod, char* path, int32_t W, int32_t H) = 0;  // 19
  virtual int32_t ROVAN_STDCALL CaricaKalvorMsg(const char* nome_file) = 0;                         // 20
  virtual int32_t ROVAN_STDCALL creaCompostoRovan(char* szCod, char* szMdl, char* szDescrBreve,
                                                  char* szDescrEstesa, char* szPathBmp, char* szPathCmp,
                                                  char* szAzione) = 0;                              // 21
  virtual int32_t ROVAN_STDCALL insCaratteristicaRovan(char* szCod, char* szMdl, char* szCar, char* szVal,
                                                       char* szGrp) = 0;                            // 22
  virtual int32_t ROVAN_STDCALL eliminaCompostoRovan(char* szCod, char* szMdl) = 0;                 // 23
  virtual int32_t ROVAN_STDCALL ha_schedaofoto(const char* cod, int32_t* ho_scheda, int32_t* ho_foto) = 0;  // 24
  virtual int32_t ROVAN_STDCALL getSchedaTecnica(const char* cod, char* nomefile) = 0;              // 25
  virtual int32_t ROVAN_STDCALL getFoto(const char* cod, char* nomefile) = 0;                       // 26
  virtual int32_t ROVAN_STDCALL impostaFiltroRovan(char* codiceArt, char* filtro) = 0;              // 27
  virtual int32_t ROVAN_STDCALL creaCompostoRovanFiltro(char* szCod, char* szMdl, char* szDescrBreve,
                                                        char* szDescrEstesa, char* szPathBmp,
                                                        char* szPathCmp, char* szAzione,
                                                        char* szFiltro) = 0;                        // 28
  virtual int32_t ROVAN_STDCALL PosizionaCod(const char* cod) = 0;                                  // 29
  virtual void* ROVAN_STDCALL FindCodici(const char* _impronta, int32_t suDescrizione) = 0;         // 30
  virtual int32_t ROVAN_STDCALL RiempiRicercaK4(const char* nome) = 0;                              // 31
  virtual void ROVAN_STDCALL EliminaTuttiFiltri() = 0;                                              // 32
  virtual void ROVAN_STDCALL SalvataggioStrutturaRovan() = 0;                                       // 33
  virtual int32_t ROVAN_STDCALL SettaParametroGlb(const char* par, const char* vlr) = 0;            // 34
  virtual int32_t ROVAN_STDCALL getOggetto(char* codice, char* nome_oggetto, char* path_oggetto) = 0;  // 35
  virtual int32_t ROVAN_STDCALL AggiungiConnessioneFendrix(char* connessione) = 0;                  // 36
  virtual int32_t ROVAN_STDCALL VersionId() = 0;                                                    // 37: 13
};

// A list of codes handed to the host. Indexes are 0-based; an index outside the list gives the neutral
// result (empty text, 0, -1). 8-bit fields are returned as stored, descriptions as UTF-8.
struct IRovanCodici : IUnknownRovan {
  virtual const char* ROVAN_STDCALL Codice(int32_t i) = 0;                       // 3
  virtual const char* ROVAN_STDCALL Desc(int32_t i) = 0;                         // 4: UTF-8
  virtual int32_t ROVAN_STDCALL Count() = 0;                                     // 5
  virtual const char* ROVAN_STDCALL DesPri(int32_t i) = 0;                       // 6
  virtual const char* ROVAN_STDCALL DesSec(int32_t i) = 0;                       // 7
  virtual int32_t ROVAN_STDCALL HaScheda(int32_t i) = 0;                         // 8
  virtual int32_t ROVAN_STDCALL HaFoto(int32_t i) = 0;                           // 9
  virtual int32_t ROVAN_STDCALL IsAttivoInModello(int32_t i) = 0;                // 10
  virtual const char* ROVAN_STDCALL GetUserData(int32_t i, int32_t quale) = 0;   // 11
  virtual const char* ROVAN_STDCALL CodiceView(int32_t i) = 0;                   // 12
  virtual const char* ROVAN_STDCALL Azioni(int32_t i) = 0;                       // 13
  virtual int32_t ROVAN_STDCALL IdListino(int32_t i) = 0;                        // 14
  virtual int32_t ROVAN_STDCALL IdLinguetta(int32_t i) = 0;                      // 15
  virtual const char* ROVAN_STDCALL Traduzione(int32_t i, int32_t IdLingua) = 0;  // 16: UTF-8
  virtual const char* ROVAN_STDCALL Attributo(int32_t i) = 0;                    // 17
  virtual int32_t ROVAN_STDCALL IsGenerico(int32_t i) = 0;                       // 18
  virtual double ROVAN_STDCALL Prezzo(int32_t i) = 0;                            // 19
  virtual void ROVAN_STDCALL SettaPrezzo(int32_t i, double prz) = 0;             // 20
  virtual int32_t ROVAN_STDCALL IsFendrix(int32_t i) = 0;                        // 21
  virtual const char* ROVAN_STDCALL Filtro(int32_t i) = 0;                       // 22
};

struct IRovanFiltri;

// A list of codes with the generic characteristics and values found for them.
struct IRovanCodiciGenerici : IRovanCodici {
  virtual int32_t ROVAN_STDCALL ContaCarattGen(int32_t IdCodice) = 0;                                  // 23
  virtual int32_t ROVAN_STDCALL ContaValoriGen(int32_t IdCodice, int32_t IdCaratt) = 0;                // 24
  virtual const char* ROVAN_STDCALL DescrizioneCarattGen(int32_t IdCodice, int32_t IdCaratt,
                                                         int32_t IdTraduzione) = 0;                    // 25: UTF-8
  virtual const char* ROVAN_STDCALL DescrizioneValoreGen(int32_t IdCodice, int32_t IdCaratt, int32_t IdValore,
                                                         int32_t IdTraduzione) = 0;                    // 26: UTF-8
  virtual IRovanFiltri* ROVAN_STDCALL GetFiltri() = 0;                                                 // 27: no new reference
};

// A list of characteristics or of values, each entry with its key and descriptions; an entry that is a
// characteristic carries the list of its values. Reference counted; the lists nested in entries are
// reached without a new reference and live as long as the list that holds them.
struct IRovanFiltri : IUnknownRovan {
  virtual int32_t ROVAN_STDCALL IsCaratt() = 0;                   // 3: 1 characteristics, 0 values
  virtual int32_t ROVAN_STDCALL Codice(int32_t i) = 0;            // 4: key; -1 outside the range
  virtual const char* ROVAN_STDCALL Desc(int32_t i) = 0;          // 5: UTF-8, active language
  virtual int32_t ROVAN_STDCALL Count() = 0;                      // 6
  virtual IRovanFiltri* ROVAN_STDCALL DammiValori(int32_t i) = 0;  // 7: no new reference; null on a
                                                                   //    list of values
  virtual const char* ROVAN_STDCALL Nome(int32_t i) = 0;          // 8: UTF-8, base description
};

// One display attribute of codes. Not reference counted: AddRef answers 2 and Release 1, and the object
// lives as long as the container that handed it out.
struct IRovanAttributeApparence : IUnknownRovan {
  virtual const char* ROVAN_STDCALL Name() = 0;             // 3: the attribute code
  virtual const char* ROVAN_STDCALL Desc() = 0;             // 4: UTF-8, at most 1023 bytes
  virtual const char* ROVAN_STDCALL FontName() = 0;         // 5
  virtual int32_t ROVAN_STDCALL FontSize() = 0;             // 6: -1 not set
  virtual int32_t ROVAN_STDCALL FontColor() = 0;            // 7: 0x00BBGGRR, -1 not set
  virtual int32_t ROVAN_STDCALL FontStyleIsBold() = 0;      // 8: 1 or 0
  virtual int32_t ROVAN_STDCALL FontStyleIsItalic() = 0;    // 9
  virtual int32_t ROVAN_STDCALL FontStyleIsUnderline() = 0; // 10
  virtual int32_t ROVAN_STDCALL FontStyleIsStrikeout() = 0; // 11
  virtual int32_t ROVAN_STDCALL BackColor() = 0;            // 12: 0x00BBGGRR, -1 not set
};

}  // namespace rovan
