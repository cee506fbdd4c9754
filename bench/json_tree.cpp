#include "bench/json_tree.h"

#include <nlohmann/json.hpp>

namespace rovan::bench {
namespace {

// Members keep their insertion order, as the plug-in writes them.
using Json = nlohmann::ordered_json;

TraduzioniJson LeggiTraduzioni(const Json& oggetto) {
  TraduzioniJson t;
  for (const auto& [chiave, valore] : oggetto.items()) t.emplace_back(chiave, valore.get<std::string>());
  return t;
}

// An optional text member: absent means empty.
std::string Facoltativo(const Json& oggetto, const char* nome) {
  auto it = oggetto.find(nome);
  return it == oggetto.end() ? std::string() : it->get<std::string>();
}

CodiceJson LeggiCodice(const Json& j) {
  CodiceJson c;
  c.codice = j.at("codice").get<std::string>();
  c.descrizione = j.at("descrizione").get<std::string>();
  c.filtro = Facoltativo(j, "filtro");
  c.filtroAux = Facoltativo(j, "filtroAux");
  c.haFoto = j.at("ha_foto").get<bool>();
  c.haScheda = j.at("ha_scheda").get<bool>();
  c.azioni = j.at("azioni").get<std::string>();
  c.attributo = Facoltativo(j, "attributo");
  c.nomeImmagine = j.at("NomeImmagine").get<std::string>();
  c.traduzioni = LeggiTraduzioni(j.at("Traduzioni"));
  return c;
}

VistaJson LeggiVista(const Json& j) {
  VistaJson v;
  v.car = j.at("Car").get<int>();
  v.val = j.at("Val").get<int>();
  v.index = j.at("Index").get<int>();
  v.descrizione = j.at("Descrizione").get<std::string>();
  v.traduzioni = LeggiTraduzioni(j.at("Traduzioni"));
  if (auto it = j.find("secondarie"); it != j.end()) {
    v.haSecondarie = true;
    for (const Json& s : *it) v.secondarie.push_back(LeggiVista(s));
  } else {
    for (const Json& c : j.at("Codici")) v.codici.push_back(LeggiCodice(c));
  }
  return v;
}

Json Traduzioni(const TraduzioniJson& t) {
  Json o = Json::object();
  for (const auto& [chiave, testo] : t) o[chiave] = testo;
  return o;
}

Json Codice(const CodiceJson& c) {
  Json o;
  o["codice"] = c.codice;
  o["descrizione"] = c.descrizione;
  if (!c.filtro.empty()) o["filtro"] = c.filtro;
  if (!c.filtroAux.empty()) o["filtroAux"] = c.filtroAux;
  o["ha_foto"] = c.haFoto;
  o["ha_scheda"] = c.haScheda;
  o["azioni"] = c.azioni;
  if (!c.attributo.empty()) o["attributo"] = c.attributo;
  o["NomeImmagine"] = c.nomeImmagine;
  o["Traduzioni"] = Traduzioni(c.traduzioni);
  return o;
}

Json Vista(const VistaJson& v) {
  Json o;
  o["Car"] = v.car;
  o["Val"] = v.val;
  o["Index"] = v.index;
  o["Descrizione"] = v.descrizione;
  o["Traduzioni"] = Traduzioni(v.traduzioni);
  if (v.haSecondarie) {
    Json figli = Json::array();
    for (const VistaJson& s : v.secondarie) figli.push_back(Vista(s));
    o["secondarie"] = std::move(figli);
  } else {
    Json codici = Json::array();
    for (const CodiceJson& c : v.codici) codici.push_back(Codice(c));
    o["Codici"] = std::move(codici);
  }
  return o;
}

Json Documento(const std::vector<VistaJson>& viste) {
  Json primarie = Json::array();
  for (const VistaJson& v : viste) primarie.push_back(Vista(v));
  Json documento;
  documento["primaria"] = std::move(primarie);
  return documento;
}

}  // namespace

std::vector<VistaJson> LeggiDocumento(const std::string& testo) {
  const Json documento = Json::parse(testo);
  std::vector<VistaJson> viste;
  for (const Json& v : documento.at("primaria")) viste.push_back(LeggiVista(v));
  return viste;
}

std::size_t ScriviDocumento(const std::vector<VistaJson>& viste) { return Documento(viste).dump().size(); }

bool StessoDocumento(const std::vector<VistaJson>& viste, const std::string& testo) {
  return Documento(viste) == Json::parse(testo);
}

}  // namespace rovan::bench
