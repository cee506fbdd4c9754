// The JSON document of the tab tree written with a general JSON library (nlohmann::json): the bare limit
// of the plug-in's own writer. The document has the plug-in's shape, member for member in the same order:
//   {"primaria": [view, ...]}
//   view: Car, Val, Index, Descrizione, Traduzioni {tradN...}, then "secondarie": [view...] or "Codici": [code...]
//   code: codice, descrizione, [filtro], [filtroAux], ha_foto, ha_scheda, azioni, [attributo], NomeImmagine,
//         Traduzioni {tradN...}       (members in brackets only when not empty)
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace rovan::bench {

using TraduzioniJson = std::vector<std::pair<std::string, std::string>>;  // ("trad3", text), in order

struct CodiceJson {
  std::string codice, descrizione, filtro, filtroAux, azioni, attributo, nomeImmagine;
  bool haFoto = false, haScheda = false;
  TraduzioniJson traduzioni;
};

struct VistaJson {
  int car = 0, val = 0, index = 0;
  std::string descrizione;
  TraduzioniJson traduzioni;
  bool haSecondarie = false;          // secondarie, else codici
  std::vector<VistaJson> secondarie;
  std::vector<CodiceJson> codici;
};

// The views of a document of that shape. Throws std::exception when the text is not JSON or lacks a
// member of the shape.
std::vector<VistaJson> LeggiDocumento(const std::string& testo);

// The document of the views built as a JSON value and serialised; the length of the text.
std::size_t ScriviDocumento(const std::vector<VistaJson>& viste);

// True when the document built from the views equals the JSON text, value for value and member order
// included.
bool StessoDocumento(const std::vector<VistaJson>& viste, const std::string& testo);

}  // namespace rovan::bench
