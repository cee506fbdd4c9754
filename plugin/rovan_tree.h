// TRovanTree: a node of the tab tree handed to the host as IRovanTree, and TListaFigli, its owned children.
//
// Nodes live exactly as long as their container's tree (ResetTree, SalvataggioStrutturaRovan,
// apriListino("R") and the container's destruction destroy it); reference counting is fake. Texts returned
// by GetDescrNodo and GetTraduzioneNodo stay valid until the next text-returning call on the same node.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/shared_types.h"
#include "plugin/ItfRovan.h"

namespace rovan {

class TRovanContainer;
class TRovanTree;

// Children of a node in display order; destroying the list destroys the whole subtree.
class TListaFigli {
 public:
  TRovanTree* Add(std::unique_ptr<TRovanTree> figlio);
  // Puts the nodes before the existing children, keeping their order.
  void InserisciAllInizio(std::vector<std::unique_ptr<TRovanTree>> figli);
  // Destroys the children that are temporary or favourite tabs.
  void RimuoviTemporanee();
  // The child at position i, or null when i is negative or not below Count().
  TRovanTree* Figlio(int i) const;
  int Count() const { return static_cast<int>(items_.size()); }

 private:
  std::vector<std::unique_ptr<TRovanTree>> items_;
};

class TRovanTree final : public IRovanTree {
 public:
  // container: the owning container (not counted; it outlives the node).
  TRovanTree(TRovanContainer* container, int32_t index, int32_t indexPadre);
  TRovanTree(const TRovanTree&) = delete;
  TRovanTree& operator=(const TRovanTree&) = delete;
  virtual ~TRovanTree() = default;

  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return 0; }
  int32_t ROVAN_STDCALL AddRef() override { return 2; }
  int32_t ROVAN_STDCALL Release() override { return 1; }

  int32_t ROVAN_STDCALL GetIdNodo() override { return m_Index; }
  int32_t ROVAN_STDCALL GetValNonUsato() override { return m_val_non_usato; }
  const char* ROVAN_STDCALL GetDescrNodo() override;
  int32_t ROVAN_STDCALL GetNumFigli() override { return m_ListaFigli.Count(); }
  IRovanTree* ROVAN_STDCALL GetFiglio(int32_t i) override { return m_ListaFigli.Figlio(i); }
  IRovanTree* ROVAN_STDCALL PrimoFiglio() override;
  IRovanTree* ROVAN_STDCALL ProssimoFiglio() override;
  int32_t ROVAN_STDCALL ContaCodiciNodo(int32_t* tot, int32_t* totfiltrati) override;
  const char* ROVAN_STDCALL GetTraduzioneNodo(int32_t posizione) override;
  const char* ROVAN_STDCALL GetTipoNodo() override;

  int32_t m_ref = 1;                  // not consulted
  int32_t m_Index;                    // node id; -1 for the root
  int32_t m_Index_Padre;              // parent id; -1 for the root and top-level tabs
  int32_t m_val_non_usato = 0;
  std::string m_desc;                 // description in the current language (UTF-8)
  std::string m_descrizione_ori;      // description in the base language (UTF-8)
  bool m_isfendrix = false;           // belongs to an object-library price list
  TRovanContainer* m_Container;       // owner, not counted
  int32_t m_posizione = 0;            // PrimoFiglio / ProssimoFiglio cursor
  TListaFigli m_ListaFigli;
  int32_t m_id_listino = 0;
  TTraduzioni m_traduzioni;
  TTipoLin m_TipoLin = LIN_NORMALE;

 private:
  const char* Restituisci(const std::string& testo);
  std::string m_testo;  // the last text handed out
};

}  // namespace rovan
