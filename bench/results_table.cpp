#include "bench/results_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rovan::bench {
namespace {

struct Definizione {
  Riga riga;
  const char* chiave;
  const char* nome;
  double limite;  // of the ratio ours / bare
  bool stretto;   // the ratio must stay below the limit (else at most the limit)
  bool tempo;     // a time, whose growth across sizes is shown
};

constexpr Definizione kRighe[] = {
    {Riga::Ripristino, "restore", "restore + full tree (ms)", 1.5, false, true},
    {Riga::ListaCodici, "codes", "code list of the largest tab (ms)", 3, false, true},
    {Riga::RicercaSelettiva, "find-selective", "search, selective pattern (ms)", 2, false, true},
    {Riga::RicercaAmpia, "find-broad", "search, broad pattern (ms)", 2, false, true},
    {Riga::Json, "json", "tree as JSON (ms)", 1, true, true},
    {Riga::Definizioni, "definitions", "1000 definitions (ms)", 2, false, true},
    {Riga::Miniature, "thumbnails", "100 thumbnails (ms)", 1, true, true},
    {Riga::Memoria, "memory", "peak engine memory of restore (bytes/code)", 2, false, false},
    {Riga::MemoriaResidente, "memory-rss", "peak resident, mapped file too (bytes/code)", 2, false, false},
    {Riga::MemoriaAnonima, "memory-anon", "anonymous memory kept (bytes/code)", 2, false, false},
};

// Growth of our time from one size to another ten times larger: at most 11 (1.1 per unit of size).
constexpr double kCrescitaPerUnita = 1.1;

using Griglia = std::vector<std::vector<std::string>>;

std::string Formato(const char* formato, double v) {
  char testo[64];
  std::snprintf(testo, sizeof testo, formato, v);
  return testo;
}

// Three significant figures or more, never a power of ten.
std::string Numero(double v) {
  if (std::isnan(v)) return "n/a";
  const double a = std::fabs(v);
  return Formato(a >= 100 ? "%.0f" : a >= 10 ? "%.1f" : a >= 1 ? "%.2f" : "%.3f", v);
}

std::string Limite(double limite, bool stretto) { return (stretto ? "<" : "≤") + Formato("%g", limite); }

bool Entro(double v, double limite, bool stretto) { return stretto ? v < limite : v <= limite; }

// A ratio, marked "!" when it misses its limit.
std::string Rapporto(double v, double limite, bool stretto) {
  if (std::isnan(v)) return "n/a";
  return Formato("%.2f", v) + (Entro(v, limite, stretto) ? "" : " !");
}

const Misura* Trova(const Colonna& c, Riga r) {
  auto it = c.misure.find(r);
  return it == c.misure.end() ? nullptr : &it->second;
}

double Nostra(const Colonna& c, Riga r) {
  const Misura* m = Trova(c, r);
  return m != nullptr ? m->nostra : std::nan("");
}

Griglia Costruisci(const std::vector<Colonna>& colonne) {
  const bool crescita = colonne.size() >= 2;
  const double fattore = crescita ? static_cast<double>(colonne.back().articoli) / static_cast<double>(colonne.front().articoli) : 1;
  const double limiteCrescita = kCrescitaPerUnita * fattore;

  std::vector<std::string> testata = {"measurement", "target"};
  for (const Colonna& c : colonne)
    for (const char* parte : {" ours", " bare", " ratio"}) testata.push_back(std::to_string(c.articoli) + parte);
  if (crescita)
    testata.push_back("growth " + std::to_string(colonne.back().articoli) + "/" + std::to_string(colonne.front().articoli) +
                      " (" + Limite(limiteCrescita, false) + ")");
  Griglia g = {testata};

  for (const Definizione& d : kRighe) {
    std::vector<std::string> riga = {d.nome, Limite(d.limite, d.stretto)};
    for (const Colonna& c : colonne) {
      const Misura* m = Trova(c, d.riga);
      const double nostra = m != nullptr ? m->nostra : std::nan(""), nuda = m != nullptr ? m->nuda : std::nan("");
      riga.push_back(Numero(nostra));
      riga.push_back(Numero(nuda));
      riga.push_back(Rapporto(nostra / nuda, d.limite, d.stretto));
    }
    if (crescita)
      riga.push_back(d.tempo ? Rapporto(Nostra(colonne.back(), d.riga) / Nostra(colonne.front(), d.riga), limiteCrescita, false)
                             : "");
    g.push_back(std::move(riga));
  }
  return g;
}

std::string Intestazione(int runs) {
  return "Medians of " + std::to_string(runs) + " runs; ratio = ours / bare; \"!\" marks a figure over its target.";
}

// "- <size> items, <row>: <note>" for every note.
std::vector<std::string> Note(const std::vector<Colonna>& colonne) {
  std::vector<std::string> note;
  for (const Colonna& c : colonne)
    for (const Definizione& d : kRighe)
      if (const Misura* m = Trova(c, d.riga); m != nullptr && !m->nota.empty())
        note.push_back("- " + std::to_string(c.articoli) + " items, " + d.chiave + ": " + m->nota);
  return note;
}

// Characters on screen: UTF-8 continuation bytes take no column.
size_t Larghezza(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

const char* Chiave(Riga riga) {
  for (const Definizione& d : kRighe)
    if (d.riga == riga) return d.chiave;
  return "";
}

std::optional<Riga> RigaDaChiave(std::string_view chiave) {
  for (const Definizione& d : kRighe)
    if (chiave == d.chiave) return d.riga;
  return std::nullopt;
}

std::string TabellaTesto(const std::vector<Colonna>& colonne, int runs) {
  const Griglia g = Costruisci(colonne);
  std::vector<size_t> larghezze(g.front().size(), 0);
  for (const auto& riga : g)
    for (size_t i = 0; i < riga.size(); ++i) larghezze[i] = std::max(larghezze[i], Larghezza(riga[i]));
  std::string testo = Intestazione(runs) + "\n";
  for (const auto& riga : g) {
    for (size_t i = 0; i < riga.size(); ++i) {
      const std::string spazi(larghezze[i] - Larghezza(riga[i]), ' ');
      testo += i == 0 ? riga[i] + spazi : "  " + spazi + riga[i];
    }
    testo += "\n";
  }
  for (const std::string& n : Note(colonne)) testo += n + "\n";
  return testo;
}

std::string TabellaMarkdown(const std::vector<Colonna>& colonne, int runs) {
  const Griglia g = Costruisci(colonne);
  std::string testo = Intestazione(runs) + "\n\n";
  for (size_t r = 0; r < g.size(); ++r) {
    testo += "|";
    for (const std::string& cella : g[r]) testo += " " + cella + " |";
    testo += "\n";
    if (r == 0) {
      testo += "|---|---|";
      for (size_t i = 2; i < g[r].size(); ++i) testo += "---:|";
      testo += "\n";
    }
  }
  const std::vector<std::string> note = Note(colonne);
  if (!note.empty()) testo += "\n";
  for (const std::string& n : note) testo += n + "\n";
  return testo;
}

}  // namespace rovan::bench
