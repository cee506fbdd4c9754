// The views of the tab tree: TVistiPri (a value of the primary characteristic, a top-level tab) and
// TVistiSec (a value of a secondary characteristic nested under it, as deep as the secondary relations go).
//
// Ownership: the engine owns its primary views; each view owns its child views in display order; a
// primary view owns its codes and every secondary view below it references a subset of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/cod_mdl.h"
#include "engine/filtri_valori.h"
#include "engine/shared_types.h"
#include "storage/dm_main.h"

namespace rovan {

class JsonLines;
class TGestore;
class TVistiPri;
class TVistiSec;

// What primary and secondary views share.
class TVista {
 public:
  TVista(TGestore* gestore, bool possiedeCodici) : m_Gestore(gestore), m_ListaCodici(possiedeCodici) {}
  virtual ~TVista() = default;
  TVista(const TVista&) = delete;
  TVista& operator=(const TVista&) = delete;

  int id() const { return m_Index; }
  int car() const { return m_Car; }
  int val() const { return m_Val; }
  // The description in the active language, or the base one when that is empty.
  const std::string& getDes() const { return desLingua.empty() ? desOri : desLingua; }
  const std::string& getDesOri() const { return desOri; }

  const std::vector<std::unique_ptr<TVistiSec>>& figli() const { return m_figli; }
  // The direct child with that id, or null (null for a negative id).
  TVistiSec* TrovaSec(int idS) const;
  // The tab with that id in this view's subtree (not the view itself), depth first; null when none.
  TVistiSec* getLinguettaPerId(int id) const;
  // Creates a child view when idS >= 0 and appends it; null otherwise.
  TVistiSec* InsSec(int carS, int valS, int idS, const std::string& desS, const std::string& desSLingua,
                    const TTraduzioni& traduzioni);

  TListaCodici& codici() { return m_ListaCodici; }
  const TListaCodici& codici() const { return m_ListaCodici; }
  // Appends the view object of the JSON text of the tab tree.
  void ScriviJson(JsonLines& lista) const;

 protected:
  // Orders the view's codes by the rows of an OrdineCodici query (Codice, Ordine): the k-th row gives
  // every code of that name the order index k; a query without rows leaves the order as it is.
  void ApplicaOrdine(TDMMain& dm, const std::string& sql);

 public:
  // Value filters. The filter characteristics are read once, on first use, from the principal price list.
  bool IsFiltroPresente(int codcar);
  // The filter characteristics joined by ","; empty for a view with children.
  std::string GetElencoFiltri();
  // A leaf whose filter characteristics include car keeps visible only its codes linked to Val; a view
  // with children passes the filter to each child.
  void SettaFiltro(int car, int val);
  // Makes every code of the view and of its subtree visible.
  void VisTutti();
  // Codes of the view's list, and in totfiltrati those still visible.
  int ContaCodici(int& totfiltrati) const;

  TGestore* m_Gestore;
  int m_Car = -1;
  int m_Val = -1;
  int m_Index = -1;
  std::string desOri;      // value description in the base language
  std::string desLingua;   // in the active language (may be empty)
  TTraduzioni m_traduzioni;

 protected:
  virtual TVistiPri* primaria() = 0;
  TListaCarattFiltri m_ListaCarattFiltriPriv;
  TListaCodici m_ListaCodici;
  std::vector<std::unique_ptr<TVistiSec>> m_figli;
};

class TVistiPri final : public TVista {
 public:
  TVistiPri(bool mettiCartelleVuote, TGestore* gestore) : TVista(gestore, true), m_MettiCartelleVuote(mettiCartelleVuote) {}
  void Init(int carP, int valP, int idP, const std::string& desP, const std::string& desPLingua, int idDatabase,
            const TTraduzioni& traduzioni, bool isFendrix);

  int getIdPri() const { return m_Index; }
  // The first code of the view whose code equals cod exactly.
  TCodMdl* TrovaCodice(std::string_view cod) const { return m_ListaCodici.TrovaPerCodice(cod); }
  // Creates a code with the view's price-list id and the given texts (the attribute trimmed of blanks),
  // appends it and returns it. No duplicate check is made.
  TCodMdl* AddCarvalNoCheck(TCodMdl::Testi testi, bool haFoto, bool haScheda, bool isGenerico, bool isFendrix);
  // Each given text that is not empty replaces the stored one of the code (when the view holds it);
  // the generic flag always replaces the stored one.
  void AggiornaDatiCodice(std::string_view cod, std::string_view descr, std::string_view filtro,
                          std::string_view filtroAux, const TUser& user, std::string_view azioni,
                          const TTraduzioni& trad, std::string_view attributo, bool isGenerico);
  // Orders the codes of a view whose value has no secondary values.
  void OrdinaPri(TDMMain& dm);

  // Applied value filters.
  void AggAttFil(int codcar, int codVal, const std::string& desCar, const std::string& desVal);
  void ElAttFil(const std::string& desCar, const std::string& desVal);
  void ElAttFilCod(int codcar, int codVal);
  void ElTuttiFil();
  // Every code visible again, then the applied filters one by one in order.
  void AggTuttiFil();
  const std::vector<TCoppia>& filtriApplicati() const { return m_lista_filtri_applicati; }

  bool m_MettiCartelleVuote;
  int m_IdListino = 0;
  bool m_isfendrix = false;

 private:
  std::vector<TCoppia> m_lista_filtri_applicati;

 protected:
  TVistiPri* primaria() override { return this; }
};

class TVistiSec final : public TVista {
 public:
  TVistiSec(TGestore* gestore, TVistiPri* padre, TVistiSec* padreSec)
      : TVista(gestore, false), Padre(padre), m_PadreSec(padreSec) {}

  int getIdSec() const { return m_Index; }
  // Appends a reference to a code owned by the primary view.
  void AddCarvalNoCheck(TCodMdl* cm) { m_ListaCodici.AggiungiRiferimento(cm); }
  bool IsInit() const { return m_ListaCodici.Count() > 0; }
  // The value keys from the primary down to this tab, joined by "\" (for example 12\40\7).
  std::string GetPathLinguetta() const;
  // Orders the codes of a leaf view: listaId holds the value keys from the primary down to this view.
  void Ordina(TDMMain& dm, int valPri, int valSec, const std::vector<int>& listaId);

  TVistiPri* Padre;       // the primary view the tab lies under
  TVistiSec* m_PadreSec;  // the parent secondary view; null directly under the primary

 protected:
  TVistiPri* primaria() override { return Padre; }
};

}  // namespace rovan
