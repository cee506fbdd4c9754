// host_bench [--items N]... [--runs R] [--dir D] [--out FILE] [--plugin FILE]
//
// The plug-in driven as a host drives it: librovan.so loaded with dlopen, every interface obtained through
// its export get_InstanceByName, container mode, a sample price list opened with IRovan.apriListino. For
// each size (default 100000 and 1000000 items; samples written once into D, default /tmp/rovan-bench) the
// median of R runs (default 3) of each operation, beside its bare limit measured in the same process:
//
//   row            ours                                           bare limit
//   restore        apriListino, GetRovanTree, every node walked   the restore's primary query, every column read
//   code list      GetRovanCodici of the largest tab, every       the same fields copied from an array in memory
//                  entry's fields copied
//   search         FindCodici with a pattern starting with "*",   fnmatch over every code, held in a vector
//                  every code found copied
//   JSON           GetRovanTreeJson                               the same document built and written by nlohmann::json
//   definitions    getCompostoDBBlob of 1000 random codes         their CmpBlob read through sqlite3
//   thumbnails     getImmagineDBBlobTipo, PNG 128 x 96, of 100    the same pictures read through sqlite3, scaled and
//                  pictures                                       written as PNG by ImageMagick (MagickWand)
//   memory         the peak of anonymous memory the first restore  the bytes of the fields the engine keeps per code
//                  adds, per code (what the engine allocates); the
//                  peak of all resident memory it adds, the pages
//                  of the memory-mapped price list included; and
//                  the anonymous memory still resident after it
//
// Each size is measured in a process of its own (this program run again with --size N): the peak memory
// of a process never goes down, so an earlier size would hide the restore of a later one. The core library
// only prepares inputs here (the sample files, the text of the primary query); what is timed on our side
// goes through the plug-in's interfaces only.
//
// Prints one table and writes it as Markdown to FILE (default bench/results.md).
#include <fnmatch.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/bench_util.h"
#include "bench/json_tree.h"
#include "bench/results_table.h"
#include "platform/dynamic_library.h"
#include "plugin/ItfRovan.h"
#include "plugin/interface_ref.h"
#include "storage/sqlite_handles.h"
#ifdef ROVAN_HAVE_MAGICKWAND
#include "bench/magick_thumbnail.h"
#endif

using namespace rovan;
using bench::Riga;

namespace {

constexpr const char* kSelettiva = "*-00012?";  // a designer's search: a handful of items
constexpr const char* kAmpia = "*-bas-0?0-*";   // a tenth of the catalogue
constexpr int kDefinizioni = 1000;
constexpr int kMiniature = 100;
constexpr int kLarghezzaMiniatura = 128, kAltezzaMiniatura = 96;
constexpr int32_t kTipoPng = 2;           // getImmagineDBBlobTipo: 0 the stored bytes, 1 BMP, 2 PNG
constexpr unsigned kSeme = 20240601;      // the same codes on every run and every machine

// Results go here, so that the compiler cannot drop work whose outcome nobody reads.
volatile std::size_t g_pozzo = 0;
void Trattieni(std::size_t v) { g_pozzo = g_pozzo + v; }

std::string Copia(const char* testo) { return testo != nullptr ? std::string(testo) : std::string(); }

// ---- The plug-in as a host holds it ----------------------------------------------------------------------

// The library, its one IRovan object (handed out without a reference: it lives as long as the library)
// and the primary container, in container mode.
class Ospite {
 public:
  explicit Ospite(const std::string& plugin) : libreria_(DynamicLibrary::Open(plugin)) {
    if (!libreria_) throw std::runtime_error("cannot load " + plugin + ": " + DynamicLibrary::LastLoadError());
    auto get = libreria_->Function<TGetInstanceByName>("get_InstanceByName");
    if (get == nullptr) throw std::runtime_error(plugin + " exports no get_InstanceByName");
    rovan_ = static_cast<IRovan*>(Istanza(get, "IRovan"));  // this name switches container mode on
    rovan_->createRovan2();
    container_.reset(static_cast<IRovanContainer*>(Istanza(get, "IRovanContainer.7")));
  }

  IRovan& rovan() { return *rovan_; }
  IRovanContainer& container() { return *container_; }

 private:
  static void* Istanza(TGetInstanceByName get, const char* nome) {
    void* p = nullptr;
    if (get(nome, &p) != 0 || p == nullptr) throw std::runtime_error(std::string("no interface ") + nome);
    return p;
  }

  std::unique_ptr<DynamicLibrary> libreria_;  // first: closed after the references are given back
  IRovan* rovan_ = nullptr;
  Rif<IRovanContainer> container_;
};

// ---- The tab tree --------------------------------------------------------------------------------------

struct Nodo {
  int32_t id;
  int32_t padre;  // the parent's id: -1 under the root, whose id is -1 too
  std::string descrizione;
  int32_t figli;
  int32_t codici;  // ContaCodiciNodo's total; -1 on a node with children
};

void Percorri(IRovanTree& n, int32_t padre, std::vector<Nodo>& nodi) {
  int32_t tot = 0, filtrati = 0;
  const int32_t conta = n.ContaCodiciNodo(&tot, &filtrati);
  const int32_t id = n.GetIdNodo();
  const int32_t figli = n.GetNumFigli();
  nodi.push_back({id, padre, Copia(n.GetDescrNodo()), figli, conta < 0 ? -1 : tot});
  for (int32_t i = 0; i < figli; ++i)
    if (IRovanTree* f = n.GetFiglio(i)) Percorri(*f, id, nodi);
}

// Every node of the container's tree, the root first, each node before its children.
std::vector<Nodo> Albero(IRovanContainer& c) {
  auto* radice = static_cast<IRovanTree*>(c.GetRovanTree());
  if (radice == nullptr) throw std::runtime_error("the container gave no tree");
  std::vector<Nodo> nodi;
  Percorri(*radice, -1, nodi);
  return nodi;
}

// The tabs that hold codes: nodes without children, the root excepted.
std::vector<const Nodo*> Foglie(const std::vector<Nodo>& nodi) {
  std::vector<const Nodo*> foglie;
  for (size_t i = 1; i < nodi.size(); ++i)
    if (nodi[i].figli == 0) foglie.push_back(&nodi[i]);
  return foglie;
}

// A tab under the root is asked for by its own id; a deeper one by its parent's id and its own.
Rif<IRovanCodici> CodiciDi(IRovanContainer& c, const Nodo& foglia) {
  void* lista = foglia.padre < 0 ? c.GetRovanCodici(foglia.id, -1) : c.GetRovanCodici(foglia.padre, foglia.id);
  if (lista == nullptr) throw std::runtime_error("no code list for tab " + std::to_string(foglia.id));
  return Rif<IRovanCodici>(static_cast<IRovanCodici*>(lista));
}

// ---- Code lists ----------------------------------------------------------------------------------------

// What a host shows of one entry of a code list. Every text is copied at once: a list keeps the text it
// hands out only until its next call.
struct Voce {
  std::string codice, descrizione, codiceView, desPri, desSec, azioni, filtro, attributo;
  int32_t haScheda, haFoto, idListino, idLinguetta, generico;
};

std::vector<Voce> LeggiLista(IRovanCodici& l) {
  std::vector<Voce> voci;
  const int32_t n = l.Count();
  voci.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    Voce v;
    v.codice = Copia(l.Codice(i));
    v.descrizione = Copia(l.Desc(i));
    v.codiceView = Copia(l.CodiceView(i));
    v.desPri = Copia(l.DesPri(i));
    v.desSec = Copia(l.DesSec(i));
    v.azioni = Copia(l.Azioni(i));
    v.filtro = Copia(l.Filtro(i));
    v.attributo = Copia(l.Attributo(i));
    v.haScheda = l.HaScheda(i);
    v.haFoto = l.HaFoto(i);
    v.idListino = l.IdListino(i);
    v.idLinguetta = l.IdLinguetta(i);
    v.generico = l.IsGenerico(i);
    voci.push_back(std::move(v));
  }
  return voci;
}

// The bytes of the fields the engine keeps per code of a tab, read from the restore's primary query (one row
// per code): the code, the description, the three parts of the filter, the auxiliary filter, the actions,
// the technical fields (numbers in their text form), the user fields, the translations, the attribute and
// the picture kind. The description is counted once, though the engine also keeps it as the base one.
struct CampiTenuti {
  long long codici = 0;
  double bytePerCodice = 0;
};

CampiTenuti ByteCampiTenuti(const std::string& file, const std::string& sql) {
  static constexpr int kTenute[] = {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                    24, 25, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 49, 50};
  SqliteDb db = bench::ApriInLettura(file);
  SqliteStmt stmt = PrepareSqlite(db.get(), sql);
  long long byte = 0, codici = 0;
  while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
    if (sqlite3_column_type(stmt.get(), 2) == SQLITE_NULL) continue;  // an empty tab
    ++codici;
    for (int c : kTenute) byte += sqlite3_column_type(stmt.get(), c) == SQLITE_NULL ? 0 : sqlite3_column_bytes(stmt.get(), c);
  }
  return {codici, codici > 0 ? static_cast<double>(byte) / static_cast<double>(codici) : 0};
}

// Every code of the tree, read tab by tab through the code lists as a host would, with their text bytes.
struct Catalogo {
  std::vector<std::string> codici;
};

Catalogo LeggiCatalogo(IRovanContainer& c, const std::vector<Nodo>& nodi) {
  Catalogo catalogo;
  for (const Nodo* foglia : Foglie(nodi)) {
    Rif<IRovanCodici> l = CodiciDi(c, *foglia);
    for (int32_t i = 0; i < l->Count(); ++i) {
      catalogo.codici.push_back(Copia(l->Codice(i)));
    }
  }
  if (catalogo.codici.empty()) throw std::runtime_error("the tree lists no codes");
  return catalogo;
}

// ---- Bare reads ----------------------------------------------------------------------------------------

// The first column of the row of one code, as stored (bytes, no conversion); empty when there is none.
// Valid until the statement is stepped or reset again.
std::string_view PerCodice(sqlite3_stmt* stmt, const std::string& codice) {
  sqlite3_reset(stmt);
  sqlite3_bind_text(stmt, 1, codice.data(), static_cast<int>(codice.size()), SQLITE_STATIC);
  if (sqlite3_step(stmt) != SQLITE_ROW) return {};
  const void* dati = sqlite3_column_blob(stmt, 0);
  return dati != nullptr ? std::string_view(static_cast<const char*>(dati), static_cast<size_t>(sqlite3_column_bytes(stmt, 0)))
                         : std::string_view();
}

// n of the codes drawn at random with the fixed seed, repeats allowed.
std::vector<std::string> Estrai(const std::vector<std::string>& codici, int n) {
  std::mt19937 caso(kSeme);
  std::uniform_int_distribution<size_t> indice(0, codici.size() - 1);
  std::vector<std::string> scelti;
  for (int i = 0; i < n; ++i) scelti.push_back(codici[indice(caso)]);
  return scelti;
}

// ---- One size, in its own process ----------------------------------------------------------------------

// One row for the parent process: "row KEY OURS BARE NOTE".
void Riporta(Riga riga, double nostra, double nuda, const std::string& nota) {
  std::printf("row %s %.17g %.17g %s\n", bench::Chiave(riga), nostra, nuda, nota.c_str());
  std::fflush(stdout);
}

std::string Mb(double byte) {
  char testo[32];
  std::snprintf(testo, sizeof testo, "%.1f MB", byte / 1048576.0);
  return testo;
}

int MisuraDimensione(long long articoli, const bench::Opzioni& o) {
  const int runs = o.runs;
  const std::string file = bench::Campione(o.dir, articoli);
  const std::string connessione = bench::Connessione(file);
  auto progresso = [&](const char* passo) { std::fprintf(stderr, "%lld items: %s\n", articoli, passo); };

  Ospite ospite(o.Altra("plugin", ROVAN_PLUGIN_PATH));
  IRovan& rovan = ospite.rovan();
  IRovanContainer& c = ospite.container();

  // Memory first, before anything else in this process has grown the heap.
  progresso("first restore (memory)");
  const long long piccoPrima = bench::PeakRssSinceExecBytes(), anonimiPrima = bench::StatoProcessoBytes("RssAnon");
  bench::PiccoAnonimo piccoAnonimo;
  rovan.apriListino(connessione.c_str());
  std::vector<Nodo> nodi = Albero(c);
  const long long piccoAnonimoDopo = piccoAnonimo.Ferma();
  const long long piccoDopo = bench::PeakRssSinceExecBytes();
  // The peak counts the resident pages of the memory-mapped price list too; the anonymous memory still
  // resident after the restore is what the engine and the tree keep.
  const long long anonimi = bench::StatoProcessoBytes("RssAnon"), mappati = bench::StatoProcessoBytes("RssFile");
  progresso("reading every code list");
  Catalogo catalogo = LeggiCatalogo(c, nodi);
  {
    const std::string sqlPrimarie = bench::SqlPrimarie(file);
    const CampiTenuti campi = ByteCampiTenuti(file, sqlPrimarie);
    const auto codici = static_cast<double>(campi.codici);
    Riporta(Riga::Memoria, static_cast<double>(piccoAnonimoDopo - anonimiPrima) / codici, campi.bytePerCodice,
            std::to_string(campi.codici) + " codes in tabs; resident anonymous memory " + Mb(static_cast<double>(anonimiPrima)) +
                " before the restore, at most " + Mb(static_cast<double>(piccoAnonimoDopo)) +
                " during it (sampled every millisecond); bare: bytes of the fields the engine keeps per code");
    Riporta(Riga::MemoriaResidente, static_cast<double>(piccoDopo - piccoPrima) / codici, campi.bytePerCodice,
            "peak resident " + Mb(static_cast<double>(piccoPrima)) + " before the restore, " + Mb(static_cast<double>(piccoDopo)) +
                " after, of which " + Mb(static_cast<double>(mappati)) +
                " file-backed at the end (libraries, the mapped price list)");
    Riporta(Riga::MemoriaAnonima, static_cast<double>(anonimi - anonimiPrima) / codici, campi.bytePerCodice,
            "resident anonymous memory " + Mb(static_cast<double>(anonimiPrima)) + " before the restore, " +
                Mb(static_cast<double>(anonimi)) + " after");
  }

  // The restore again and again: SalvataggioStrutturaRovan (untimed) drops the tree and the engine, so that
  // the next apriListino restores everything from the database. apriListino with the same connection
  // alone would find the engine and hand back the existing tree.
  progresso("restore");
  const std::string sql = bench::SqlPrimarie(file);
  long long byteQuery = bench::QueryNuda(file, sql);  // the file's pages into the system's cache, for both sides
  const double nudaRipristino = bench::MedianMs(runs, [&] { byteQuery = bench::QueryNuda(file, sql); });
  const double ripristino = bench::MedianMs(
      runs,
      [&] {
        rovan.apriListino(connessione.c_str());
        nodi = Albero(c);
      },
      [&] { c.SalvataggioStrutturaRovan(); });
  Riporta(Riga::Ripristino, ripristino, nudaRipristino,
          std::to_string(nodi.size()) + " nodes walked; the bare query reads " + Mb(static_cast<double>(byteQuery)) +
              " of texts and numbers");

  progresso("code list");
  const std::vector<const Nodo*> foglie = Foglie(nodi);
  const Nodo& grande = **std::max_element(foglie.begin(), foglie.end(), [](const Nodo* a, const Nodo* b) { return a->codici < b->codici; });
  const std::vector<Voce> campione = LeggiLista(*CodiciDi(c, grande));
  const double lista = bench::MedianMs(runs, [&] { Trattieni(LeggiLista(*CodiciDi(c, grande)).size()); });
  const double nudaLista = bench::MedianMs(runs, [&] {
    std::vector<Voce> copia;
    copia.reserve(campione.size());
    for (const Voce& v : campione) copia.push_back(v);
    Trattieni(copia.size());
  });
  Riporta(Riga::ListaCodici, lista, nudaLista,
          "tab " + std::to_string(grande.id) + " \"" + grande.descrizione + "\", " + std::to_string(campione.size()) + " codes");

  progresso("search");
  for (const auto& [riga, impronta] : {std::pair{Riga::RicercaSelettiva, kSelettiva}, std::pair{Riga::RicercaAmpia, kAmpia}}) {
    size_t trovati = 0, trovatiNudi = 0;
    const double ricerca = bench::MedianMs(runs, [&] {
      Rif<IRovanCodici> l(static_cast<IRovanCodici*>(c.FindCodici(impronta, 0)));
      std::vector<std::string> codici;
      if (l) {
        codici.reserve(static_cast<size_t>(l->Count()));
        for (int32_t i = 0; i < l->Count(); ++i) codici.push_back(Copia(l->Codice(i)));
      }
      trovati = codici.size();
    });
    const double nuda = bench::MedianMs(runs, [&] {
      std::vector<std::string> codici;
      for (const std::string& codice : catalogo.codici)
        if (fnmatch(impronta, codice.c_str(), FNM_CASEFOLD) == 0) codici.push_back(codice);
      trovatiNudi = codici.size();
    });
    Riporta(riga, ricerca, nuda,
            std::string("\"") + impronta + "\": " + std::to_string(trovati) + " found, fnmatch " + std::to_string(trovatiNudi) +
                (trovati == trovatiNudi ? "" : " (the counts differ)") + ", over " + std::to_string(catalogo.codici.size()) + " codes");
  }

  progresso("JSON");
  {
    // IRovanTree shows neither the keys of a tab's value nor most fields of a code, so the data for the
    // bare side comes from the plug-in's own document, read once; the check below proves the two
    // documents equal, member order included.
    std::string testo;
    {
      Rif<IBlob> b(static_cast<IBlob*>(c.GetRovanTreeJson()));
      if (!b) throw std::runtime_error("no JSON blob");
      testo = TestoBlob(*b);
    }
    const std::vector<bench::VistaJson> viste = bench::LeggiDocumento(testo);
    size_t byteBlob = 0, byteNudi = 0;
    const double json = bench::MedianMs(runs, [&] {
      Rif<IBlob> b(static_cast<IBlob*>(c.GetRovanTreeJson()));
      byteBlob = b ? b->Size() : 0;
    });
    const double nuda = bench::MedianMs(runs, [&] { byteNudi = bench::ScriviDocumento(viste); });
    const bool uguale = bench::StessoDocumento(viste, testo);
    Riporta(Riga::Json, json, nuda,
            "blob " + Mb(static_cast<double>(byteBlob)) + " (UTF-16, " + Mb(static_cast<double>(testo.size())) + " as UTF-8), nlohmann " +
                Mb(static_cast<double>(byteNudi)) + " (compact); " + (uguale ? "the same document" : "THE DOCUMENTS DIFFER"));
  }

  SqliteDb db = bench::ApriInLettura(file);
  if (!db) throw std::runtime_error("cannot open " + file);

  progresso("definitions");
  {
    const std::vector<std::string> scelti = Estrai(catalogo.codici, kDefinizioni);
    SqliteStmt cmp = PrepareSqlite(db.get(), "select CmpBlob from composti where Codice = ?1");
    size_t byteBlob = 0, byteNudi = 0;
    const double definizioni = bench::MedianMs(runs, [&] {
      byteBlob = 0;
      for (const std::string& codice : scelti) {
        Rif<IBlob> b(static_cast<IBlob*>(c.getCompostoDBBlob(codice.c_str())));
        byteBlob += b ? b->Size() : 0;
      }
    });
    const double nuda = bench::MedianMs(runs, [&] {
      byteNudi = 0;
      for (const std::string& codice : scelti) byteNudi += PerCodice(cmp.get(), codice).size();
    });
    Riporta(Riga::Definizioni, definizioni, nuda,
            std::to_string(scelti.size()) + " codes; blobs " + Mb(static_cast<double>(byteBlob)) + " (UTF-16, decorated), CmpBlob " +
                Mb(static_cast<double>(byteNudi)));
  }

  progresso("thumbnails");
  {
    // Pictures of the kinds ImageMagick reads without extra delegates; the metafiles are left out.
    std::vector<std::string> conFoto;
    {
      SqliteStmt q = PrepareSqlite(db.get(), "select Codice from composti where TipoBitMap in ('jpg', 'png', 'bmp') order by Codice");
      while (sqlite3_step(q.get()) == SQLITE_ROW) conFoto.push_back(reinterpret_cast<const char*>(sqlite3_column_text(q.get(), 0)));
    }
    std::vector<std::string> scelti;
    std::sample(conFoto.begin(), conFoto.end(), std::back_inserter(scelti), kMiniature, std::mt19937(kSeme));
    SqliteStmt bitmap = PrepareSqlite(db.get(), "select BitMap from composti where Codice = ?1");
    auto nostra = [&](const std::string& codice) {
      Rif<IBlob> b(static_cast<IBlob*>(c.getImmagineDBBlobTipo(kTipoPng, kAltezzaMiniatura, kLarghezzaMiniatura, codice.c_str())));
      return b ? static_cast<size_t>(b->Size()) : size_t{0};
    };
    size_t byteNostri = 0;
    const double miniature = bench::MedianMs(runs, [&] {
      byteNostri = 0;
      for (const std::string& codice : scelti) byteNostri += nostra(codice);
    });
    std::string nota = std::to_string(scelti.size()) + " pictures (jpg, png, bmp) to PNG " + std::to_string(kLarghezzaMiniatura) + "x" +
                       std::to_string(kAltezzaMiniatura) + ": ours " + std::to_string(byteNostri) + " bytes";
    double nuda = std::nan("");
#ifdef ROVAN_HAVE_MAGICKWAND
    const bench::MiniaturaMagick magick;
    size_t byteNudi = 0, lette = 0;
    nuda = bench::MedianMs(runs, [&] {
      byteNudi = lette = 0;
      for (const std::string& codice : scelti) {
        const size_t png = magick.Png(PerCodice(bitmap.get(), codice), kLarghezzaMiniatura, kAltezzaMiniatura);
        byteNudi += png;
        lette += png > 0;
      }
    });
    nota += ", ImageMagick " + std::to_string(byteNudi) + " bytes (" + std::to_string(lette) + " read)";
#else
    nota += "; built without MagickWand: no bare limit";
#endif
    Riporta(Riga::Miniature, miniature, nuda, nota);
  }
  return 0;
}

// ---- The parent: one process per size, one table -------------------------------------------------------

std::string Quota(const std::string& s) {
  std::string q = "'";
  for (char ch : s) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return q + "'";
}

struct ChiudiProcesso {
  void operator()(FILE* f) const { pclose(f); }
};

// Runs this program again for one size and collects the rows it reports.
bench::Colonna MisuraInProcesso(long long articoli, const bench::Opzioni& o) {
  const std::string comando = Quota(std::filesystem::read_symlink("/proc/self/exe").string()) + " --size " + std::to_string(articoli) +
                              " --runs " + std::to_string(o.runs) + " --dir " + Quota(o.dir) + " --plugin " +
                              Quota(o.Altra("plugin", ROVAN_PLUGIN_PATH));
  std::unique_ptr<FILE, ChiudiProcesso> figlio(popen(comando.c_str(), "r"));
  if (!figlio) throw std::runtime_error("cannot run " + comando);
  bench::Colonna colonna;
  colonna.articoli = articoli;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, figlio.get()) != nullptr) {
    std::istringstream riga(buffer);
    std::string etichetta, chiave, nostra, nuda, nota;
    riga >> etichetta >> chiave >> nostra >> nuda;
    std::getline(riga >> std::ws, nota);
    const std::optional<Riga> r = bench::RigaDaChiave(chiave);
    if (etichetta != "row" || !r) {
      std::fputs(buffer, stderr);  // whatever else the plug-in printed
      continue;
    }
    colonna.misure[*r] = {std::strtod(nostra.c_str(), nullptr), std::strtod(nuda.c_str(), nullptr), nota};
  }
  if (pclose(figlio.release()) != 0) throw std::runtime_error("the measuring process for " + std::to_string(articoli) + " items failed");
  return colonna;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Opzioni o(argc, argv, {100000, 1000000});
  try {
    if (auto taglia = o.altre.find("size"); taglia != o.altre.end()) return MisuraDimensione(std::atoll(taglia->second.c_str()), o);

    std::vector<bench::Colonna> colonne;
    for (long long n : o.articoli) {
      bench::Campione(o.dir, n);  // written here, where it weighs on no measurement
      colonne.push_back(MisuraInProcesso(n, o));
    }
    std::fputs(bench::TabellaTesto(colonne, o.runs).c_str(), stdout);
    const std::filesystem::path out = o.Altra("out", "bench/results.md");
    if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path());
    std::ofstream markdown(out);
    markdown << bench::TabellaMarkdown(colonne, o.runs);
    if (!markdown.flush()) throw std::runtime_error("cannot write " + out.string());
    std::printf("Table written to %s\n", out.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "host_bench: %s\n", e.what());
    return 1;
  }
}
