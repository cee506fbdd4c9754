#include "plugin/preconfigured.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include "platform/code_page.h"
#include "plugin/Ingombs.h"
#include "plugin/host_link.h"
#include "plugin/host_scene.h"

namespace rovan {
namespace {

// Sizes gathered over a chain of elements: widths add up, heights and depths keep the largest; the sum
// text lists the widths added.
struct Ingombro {
  double x = 0, y = 0, z = 0;
  std::string somma;
};

// Fixed notation, two decimals, "." whatever the locale.
std::string Numero(double valore) {
  char buf[64];
  const auto [fine, errore] = std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::fixed, 2);
  return errore == std::errc() ? std::string(buf, fine) : std::string();
}

std::optional<double> VariabileNumerica(const TOggettoRec* obj, const std::string& nome) {
  const TVarRec* var = VariabileOggetto(obj, nome);
  if (var == nullptr || var->tipo != VAR_NUMERO) return std::nullopt;
  return var->valore.numero;
}

// The first numeric variable of the names given, else 0.
double Misura(const TOggettoRec* obj, const char* preferita, const char* altrimenti) {
  return VariabileNumerica(obj, preferita).value_or(VariabileNumerica(obj, altrimenti).value_or(0));
}

struct RilasciaRiferimento {
  void operator()(IUnknownRovan* itf) const { itf->Release(); }
};

// A list handed out by ITopologiaUtils, given back (ILinkFunction slot 7) when it goes out of scope.
class ListaTopologia {
 public:
  explicit ListaTopologia(TListaRec* lista) : lista_(lista) {}
  ~ListaTopologia() {
    if (lista_ != nullptr && HostLink::Get().linkFunction() != nullptr)
      HostLink::Get().linkFunction()->RilasciaLista(lista_, 0);
  }
  ListaTopologia(const ListaTopologia&) = delete;
  ListaTopologia& operator=(const ListaTopologia&) = delete;
  std::vector<TOggettoRec*> Oggetti() const { return OggettiLista(lista_); }

 private:
  TListaRec* lista_;
};

// The archetype: lines copied before the elements, and the lines repeated in every element.
struct Archetipo {
  std::vector<std::string> testa;
  std::vector<std::string> modello;
};

Archetipo LeggiArchetipo(const std::string& file) {
  Archetipo a;
  std::ifstream in(file, std::ios::binary);
  enum { Testa, Cerca, Modello } stato = Testa;
  for (std::string riga; std::getline(in, riga);) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    if (stato == Testa) {
      if (riga.starts_with("//Preconfigurati")) stato = Cerca;
      else a.testa.push_back(riga);
    } else if (stato == Cerca) {
      if (riga.starts_with("//Pcf1")) stato = Modello;
    } else {
      if (riga.starts_with("//Pcf2")) break;
      a.modello.push_back(riga);
    }
  }
  return a;
}

// Writes the element blocks; texts from the host are written as they are (its code page).
class Scrittore {
 public:
  Scrittore(std::ostream& out, const std::vector<std::string>& modello) : out_(out), modello_(modello) {}

  void Riga(const std::string& testo) { out_ << testo << "\r\n"; }
  void ScriviElemento(TOggettoRec* obj, int padre, Ingombro& ingombro);

 private:
  std::string NomeElemento(const TOggettoRec* obj) const;
  std::string TestoAttacco(const TOggettoRec* obj, int padre) const;
  std::string PuntoAttacco(const TLinkRec& link) const;
  void ScriviVariabiliProprie(const TOggettoRec* obj);
  void ScriviRelativi(TOggettoRec* obj);

  std::ostream& out_;
  const std::vector<std::string>& modello_;
  int contatore_ = 0;
};

std::string Scrittore::NomeElemento(const TOggettoRec* obj) const {
  const TVarRec* nome = VariabileOggetto(obj, "cmp_name");
  if (nome != nullptr && nome->tipo == VAR_TESTO && nome->valore.testo != nullptr) return nome->valore.testo;
  return obj->nome != nullptr && *obj->nome != nullptr ? *obj->nome : "";
}

std::string Scrittore::PuntoAttacco(const TLinkRec& link) const {
  const HostLink& host = HostLink::Get();
  if (link.indiceCollezione < 1) {
    char nome1[64] = {};
    char nome2[64] = {};
    if (host.topologia() != nullptr) host.topologia()->NomiPunti(link.topologia, nome1, nome2);
    return std::string(nome1, strnlen(nome1, sizeof nome1)) + ", " + std::string(nome2, strnlen(nome2, sizeof nome2));
  }
  if (host.collezione() == nullptr || host.linkFunction() == nullptr) return {};
  host.collezione()->Prepara(0);
  const char* nome = host.linkFunction()->NomeElemento(host.collezione()->Elemento(link.indiceCollezione));
  return nome != nullptr ? std::string(nome).substr(0, 9) : std::string();
}

std::string Scrittore::TestoAttacco(const TOggettoRec* obj, int padre) const {
  const TLinkRec* link = obj->link;
  if (link == nullptr) return {};
  const std::string segno = obj == HostLink::Get().status()->OggettoCorrente() ? "-" : "";
  switch (link->tipo) {
    case 0:
      return "\"" + segno + "1\"";
    case 1:
      return "\"" + segno + "2;" + std::to_string(padre) + ";" + PuntoAttacco(*link) + "\"";
    case 2: {
      // A connection between two elements written before, each known by its pcf_nome.
      const auto nome1 = VariabileNumerica(link->oggetto1, "pcf_nome");
      const auto nome2 = VariabileNumerica(link->oggetto2, "pcf_nome");
      if (!nome1 || !nome2) break;
      auto conPunto = [](int32_t modo) { return modo == 0 || modo == 2; };
      std::string t = "\"" + segno + "3;";
      if (conPunto(link->modo1)) t += Numero(*nome1) + ";";
      if (conPunto(link->modo2)) t += Numero(*nome2) + ";";
      t += std::to_string(link->modo1) + ";" + std::to_string(link->modo2) + ";";
      if (link->modo1 == 2 && link->punto1 != nullptr) t += link->punto1;
      t += ";";
      if (link->modo2 == 2 && link->punto2 != nullptr) t += link->punto2;
      return t + "\"";
    }
    default:
      break;
  }
  return "\"\"";
}

void Scrittore::ScriviVariabiliProprie(const TOggettoRec* obj) {
  for (const TListaRec* r = obj->proprie; r != nullptr; r = r->next) {
    const auto* var = static_cast<const TVarRec*>(r->item);
    if (var == nullptr) continue;
    std::string valore;
    if (var->tipo == VAR_NUMERO) {
      valore = Numero(var->valore.numero);
    } else if (var->tipo == VAR_TESTO) {
      valore = "\"" + std::string(var->valore.testo != nullptr ? var->valore.testo : "") + "\"";
    } else if (var->tipo == VAR_PUNTO) {
      const float* p = var->valore.punto;
      valore = "[" + Numero(p[0]) + "," + Numero(p[1]) + "," + Numero(p[2]) + "]";
    }
    Riga("      @" + std::string(var->nome != nullptr ? var->nome : "") + " = " + valore);
  }
}

void Scrittore::ScriviRelativi(TOggettoRec* obj) {
  TGetInstanceByName lookup = HostLink::Get().lookup();
  if (lookup == nullptr) return;
  void* rr = nullptr;
  void* sl = nullptr;
  lookup("IRecRelativo", &rr);
  std::unique_ptr<IRecRelativo, RilasciaRiferimento> relativi(static_cast<IRecRelativo*>(rr));
  lookup("IStringList", &sl);
  std::unique_ptr<IStringList, RilasciaRiferimento> lista(static_cast<IStringList*>(sl));
  if (!relativi || !lista) return;
  relativi->Riempi(obj, lista.get());
  for (int32_t i = 0, n = lista->Count(); i < n; ++i) {
    const char* riga = lista->Item(i);
    Riga(riga != nullptr ? riga : "");
  }
}

void Scrittore::ScriviElemento(TOggettoRec* obj, int padre, Ingombro& ingombro) {
  const HostLink& host = HostLink::Get();
  const int n = contatore_;
  if (host.varsMake() != nullptr) host.varsMake()->CreaVarNumOggetto(obj, "pcf_nome", n);

  Riga("   Posiziona \"" + NomeElemento(obj) + "\" el" + std::to_string(n));
  Riga("   {");
  if (const TVarRec* base = VariabileOggetto(obj, "base_0"); base != nullptr && base->tipo == VAR_PUNTO) {
    const char* assi[] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i)
      Riga(std::string("      @base_0.") + assi[i] + " = base_0." + assi[i] + " + " + Numero(base->valore.punto[i]));
  }
  if (auto angolo = VariabileNumerica(obj, "angolo"); angolo && std::fabs(*angolo) > 0.5)
    Riga("      @ang_y = " + Numero(*angolo));

  const double x = Misura(obj, "X_pcfR", "X");
  const double y = Misura(obj, "Y_pcfR", "Y");
  const double z = Misura(obj, "Z_pcfR", "Z");
  Riga("      @X_pcfW = " + Numero(x));
  Riga("      @Y_pcfW = " + Numero(y));
  Riga("      @Z_pcfW = " + Numero(z));
  ingombro.x += x;
  ingombro.somma += (ingombro.somma.empty() ? "" : "+") + Numero(x);
  ingombro.y = std::max(ingombro.y, y);
  ingombro.z = std::max(ingombro.z, z);

  Riga("      @pcf_str = " + TestoAttacco(obj, padre));
  ScriviVariabiliProprie(obj);
  for (const std::string& riga : modello_) Riga(riga);
  ScriviRelativi(obj);
  Riga("   }");
  contatore_ = n + 1;

  if (obj->link != nullptr && obj->link->tipo == 2) return;
  if (host.topologia() == nullptr) return;
  const ListaTopologia figli(host.topologia()->Figli(obj));
  for (TOggettoRec* figlio : figli.Oggetti()) ScriviElemento(figlio, n, ingombro);
}

bool DiTipo0(const TOggettoRec* obj) { return obj->link != nullptr && obj->link->tipo == 0; }

}  // namespace

bool CreaPreconfigurato(const std::string& codice, const std::string& fileArchetipo, const std::string& fileUscita) {
  if (!std::filesystem::exists(fileArchetipo)) return false;
  const HostLink& host = HostLink::Get();
  if (!host.available()) return false;
  const std::vector<TOggettoRec*> selezione = OggettiLista(host.status()->ListaCorrente());
  if (selezione.empty()) return false;

  const Archetipo archetipo = LeggiArchetipo(fileArchetipo);
  std::ofstream out;
  out.exceptions(std::ios::failbit | std::ios::badbit);
  out.open(fileUscita, std::ios::binary | std::ios::trunc);
  Scrittore s(out, archetipo.modello);
  s.Riga("Elemento \"" + Utf8ToAnsi(codice) + "\"");
  s.Riga("{");
  for (const std::string& riga : archetipo.testa) s.Riga(riga);

  Ingombro principale, secondario;
  const auto base = std::find_if(selezione.begin(), selezione.end(), DiTipo0);
  if (base != selezione.end()) s.ScriviElemento(*base, -1, principale);
  if (host.topologia() != nullptr) {
    const ListaTopologia liberi(host.topologia()->OggettiLiberi());
    for (TOggettoRec* obj : liberi.Oggetti()) s.ScriviElemento(obj, -1, secondario);
  }
  if (base != selezione.end())
    for (auto it = std::next(base); it != selezione.end(); ++it)
      if (DiTipo0(*it)) s.ScriviElemento(*it, -1, secondario);

  s.Riga("   PuntiNotevoli");
  s.Riga("   {");
  TIngomb dialogo;
  dialogo.X = Numero(principale.x);
  dialogo.Y = Numero(principale.y);
  dialogo.Z = Numero(principale.z);
  dialogo.XN = principale.somma;
  dialogo.ShowModal();  // whatever it returns, the texts are taken as they stand
  s.Riga("       X = " + Utf8ToAnsi(dialogo.X));
  s.Riga("       Y = " + Utf8ToAnsi(dialogo.Y));
  s.Riga("       Z = " + Utf8ToAnsi(dialogo.Z));
  s.Riga("       base_0 = [0, 0, 0]    alto_0 = [0, Y, 0]");
  s.Riga("       base_1 = [0, 0, Z]    alto_1 = [0, Y, Z]");
  s.Riga("       base_2 = [X, 0, Z]    alto_2 = [X, Y, Z]");
  s.Riga("       base_3 = [X, 0, 0]    alto_3 = [X, Y, 0]");
  s.Riga("   }");
  s.Riga("}");
  out.close();
  return true;
}

}  // namespace rovan
