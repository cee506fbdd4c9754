#include "plugin/rovan_tree.h"

#include <optional>

#include "plugin/boundary.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"

namespace rovan {

TRovanTree* TListaFigli::Add(std::unique_ptr<TRovanTree> figlio) {
  items_.push_back(std::move(figlio));
  return items_.back().get();
}

void TListaFigli::InserisciAllInizio(std::vector<std::unique_ptr<TRovanTree>> figli) {
  items_.insert(items_.begin(), std::make_move_iterator(figli.begin()), std::make_move_iterator(figli.end()));
}

void TListaFigli::RimuoviTemporanee() {
  std::erase_if(items_, [](const auto& n) { return n->m_TipoLin != LIN_NORMALE; });
}

TRovanTree* TListaFigli::Figlio(int i) const {
  if (i < 0 || i >= Count()) return nullptr;
  return items_[static_cast<size_t>(i)].get();
}

TRovanTree::TRovanTree(TRovanContainer* container, int32_t index, int32_t indexPadre)
    : m_Index(index), m_Index_Padre(indexPadre), m_Container(container) {}

const char* TRovanTree::Restituisci(const std::string& testo) {
  m_testo = testo;
  return m_testo.c_str();
}

const char* ROVAN_STDCALL TRovanTree::GetDescrNodo() {
  return Protetto("GetDescrNodo", static_cast<const char*>(nullptr), [&]() -> const char* {
    if (Processo().containerMode && m_Container != nullptr) {
      if (std::optional<int> p = m_Container->PosizioneLinguaHost()) {
        const char* tradotta = GetTraduzioneNodo(*p);
        if (tradotta != nullptr && *tradotta != '\0') return tradotta;
      }
    }
    return Restituisci(m_desc);
  });
}

IRovanTree* ROVAN_STDCALL TRovanTree::PrimoFiglio() {
  m_posizione = 0;
  return m_ListaFigli.Figlio(0);
}

IRovanTree* ROVAN_STDCALL TRovanTree::ProssimoFiglio() {
  ++m_posizione;
  return m_ListaFigli.Figlio(m_posizione);
}

int32_t ROVAN_STDCALL TRovanTree::ContaCodiciNodo(int32_t* tot, int32_t* totfiltrati) {
  return Protetto("ContaCodiciNodo", 0, [&] {
    int32_t totale = 0, filtrati = 0;
    if (tot != nullptr) *tot = 0;
    if (totfiltrati != nullptr) *totfiltrati = 0;
    if (m_ListaFigli.Count() > 0) return -1;
    if (m_Container != nullptr) m_Container->ContaCodiciLinguetta(m_Index_Padre, m_Index, totale, filtrati);
    if (tot != nullptr) *tot = totale;
    if (totfiltrati != nullptr) *totfiltrati = filtrati;
    return totale;
  });
}

const char* ROVAN_STDCALL TRovanTree::GetTraduzioneNodo(int32_t posizione) {
  if (posizione == 0) return Restituisci(m_descrizione_ori);
  if (posizione >= 1 && posizione <= 10) return Restituisci(m_traduzioni[posizione]);
  return nullptr;
}

const char* ROVAN_STDCALL TRovanTree::GetTipoNodo() {
  if (m_isfendrix) return "FNDX";
  switch (m_TipoLin) {
    case LIN_TEMPORANEE: return "TMP";
    case LIN_PREFERITI: return "PREF";
    default: return "";
  }
}

}  // namespace rovan
