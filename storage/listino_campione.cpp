#include "storage/listino_campione.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "storage/crea_listino.h"
#include "storage/database_error.h"
#include "storage/sample_pictures.h"
#include "storage/schema.h"
#include "storage/sqlite_handles.h"

namespace rovan {
namespace {

// splitmix64: the same sequence on every platform and library, unlike the standard distributions.
class Casuale {
 public:
  explicit Casuale(uint64_t seme) : s_(seme) {}
  uint64_t Prossimo() {
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Fino(int n) { return static_cast<int>(Prossimo() % static_cast<uint64_t>(n)); }

 private:
  uint64_t s_;
};

struct Linea {
  const char* prefisso;
  const char* it;
  const char* en;
  const char* de;
  const char* fr;
};
constexpr std::array<Linea, 10> kLinee = {{
    {"CU", "Cucine", "Kitchens", "Küchen", "Cuisines"},
    {"SO", "Soggiorni", "Living rooms", "Wohnzimmer", "Séjours"},
    {"CA", "Camere", "Bedrooms", "Schlafzimmer", "Chambres"},
    {"BA", "Bagni", "Bathrooms", "Bäder", "Salles de bain"},
    {"UF", "Uffici", "Offices", "Büros", "Bureaux"},
    {"IN", "Ingressi", "Entrances", "Eingänge", "Entrées"},
    {"CM", "Camerette", "Kids' rooms", "Kinderzimmer", "Chambres d'enfant"},
    {"GI", "Giardino", "Garden", "Garten", "Jardin"},
    {"TA", "Tavoli", "Tables", "Tische", "Tables"},
    {"SE", "Sedute", "Seating", "Sitzmöbel", "Sièges"},
}};

struct Voce {
  const char* sigla;
  const char* it;
  const char* en;
  const char* de;
  const char* fr;
};
constexpr std::array<Voce, 5> kTipologie = {{
    {"BAS", "Basi", "Base units", "Unterschränke", "Éléments bas"},
    {"PEN", "Pensili", "Wall units", "Hängeschränke", "Éléments hauts"},
    {"COL", "Colonne", "Tall units", "Hochschränke", "Colonnes"},
    {"COM", "Complementi", "Complements", "Ergänzungen", "Compléments"},
    {"ACC", "Accessori", "Accessories", "Zubehör", "Accessoires"},
}};
constexpr std::array<int, 6> kLarghezze = {30, 45, 60, 90, 120, 180};
constexpr std::array<Voce, 6> kFiniture = {{
    {"ROV", "Rovere", "Oak", "Eiche", "Chêne"},
    {"NOC", "Noce", "Walnut", "Nussbaum", "Noyer"},
    {"BIA", "Bianco", "White", "Weiß", "Blanc"},
    {"GRA", "Grafite", "Graphite", "Graphit", "Graphite"},
    {"LAC", "Laccato", "Lacquered", "Lackiert", "Laqué"},
    {"FRA", "Frassino", "Ash", "Esche", "Frêne"},
}};
constexpr std::array<Voce, 3> kManiglie = {{
    {"GOL", "Gola", "Groove", "Griffmulde", "Gorge"},
    {"BAR", "Barra", "Bar", "Stange", "Barre"},
    {"POM", "Pomolo", "Knob", "Knauf", "Bouton"},
}};
constexpr std::array<Voce, 2> kAperture = {{
    {"SX", "Sinistra", "Left", "Links", "Gauche"},
    {"DX", "Destra", "Right", "Rechts", "Droite"},
}};
constexpr std::array<Voce, 4> kElettrodomestici = {{
    {"FOR", "Forno", "Oven", "Backofen", "Four"},
    {"LAV", "Lavastoviglie", "Dishwasher", "Geschirrspüler", "Lave-vaisselle"},
    {"FRI", "Frigorifero", "Fridge", "Kühlschrank", "Réfrigérateur"},
    {"PIA", "Piano cottura", "Hob", "Kochfeld", "Plaque de cuisson"},
}};
constexpr std::array<Voce, 3> kClassi = {{
    {"A", "Classe A", "Class A", "Klasse A", "Classe A"},
    {"B", "Classe B", "Class B", "Klasse B", "Classe B"},
    {"C", "Classe C", "Class C", "Klasse C", "Classe C"},
}};

constexpr int kCarattTipologia(int linea) { return 10 + linea; }                  // linea 1..10
constexpr int kValoreTipologia(int linea, int t) { return 100 + 10 * linea + t; }  // t 1..5
constexpr int kValoreLarghezza(int w) { return 301 + w; }                          // w 0..5
constexpr int kValoreFinitura(int f) { return 401 + f; }
constexpr int kValoreApertura(int a) { return 501 + a; }
constexpr int kValoreManiglia(int m) { return 601 + m; }
constexpr int kValoreElettrodomestico(int e) { return 701 + e; }
constexpr int kValoreClasse(int c) { return 801 + c; }

// A prepared insert that binds its values in order and runs once per row.
class Inserimento {
 public:
  Inserimento(sqlite3* db, const std::string& sql) : db_(db), stmt_(PrepareSqlite(db, sql)) {}
  Inserimento& Testo(const std::string& s) {
    sqlite3_bind_text(stmt_.get(), ++i_, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Inserimento& Intero(int64_t v) {
    sqlite3_bind_int64(stmt_.get(), ++i_, v);
    return *this;
  }
  Inserimento& Reale(double v) {
    sqlite3_bind_double(stmt_.get(), ++i_, v);
    return *this;
  }
  Inserimento& Dati(const std::string& bytes) {
    sqlite3_bind_blob(stmt_.get(), ++i_, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Inserimento& Nullo() {
    sqlite3_bind_null(stmt_.get(), ++i_);
    return *this;
  }
  // Text, or NULL when empty.
  Inserimento& TestoONullo(const std::string& s) { return s.empty() ? Nullo() : Testo(s); }
  void Esegui() {
    CheckSqlite(sqlite3_step(stmt_.get()), db_);
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
    i_ = 0;
  }

 private:
  sqlite3* db_;
  SqliteStmt stmt_;
  int i_ = 0;
};

void Esegui(sqlite3* db, const std::string& sql) {
  char* errore = nullptr;
  int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &errore);
  std::string testo = errore != nullptr ? errore : "";
  sqlite3_free(errore);
  if (rc != SQLITE_OK) throw DatabaseError(testo);
}

// The classification: groups, characteristics, values, relations, languages and attributes.
void ScriviClassificazione(sqlite3* db) {
  Esegui(db,
         "insert into opzioni (IdxPrimaria, PathRec) values (1, '" + std::to_string(schema::kVersioneCorrente) +
             "');"
             "insert into gruppi (Codice, Descrizione) values (1, 'Primario'), (2, 'Struttura'), (3, 'Filtri'),"
             " (9, 'GENERICI');"
             "insert into lingue_lis (cod_lingua, desc_lingua, pos_lingua, cod_gest) values"
             " ('EN', 'English', 1, 'ENG'), ('DE', 'Deutsch', 2, 'DEU'), ('FR', 'Français', 3, 'FRA');");
  Inserimento caratt(db, "insert into caratt (Codice, Descrizione, Gruppo, Vis, Descr1, Descr2, Descr3) "
                         "values (?, ?, ?, 1, ?, ?, ?)");
  const Voce carattVoci[] = {{"", "Linea", "Line", "Linie", "Ligne"},
                             {"", "Larghezza", "Width", "Breite", "Largeur"},
                             {"", "Finitura", "Finish", "Oberfläche", "Finition"},
                             {"", "Apertura", "Opening", "Öffnung", "Ouverture"},
                             {"", "Maniglia", "Handle", "Griff", "Poignée"},
                             {"", "Elettrodomestico", "Appliance", "Gerät", "Appareil"},
                             {"", "Classe", "Class", "Klasse", "Classe"}};
  const int codici[] = {1, 3, 4, 5, 6, 7, 8};
  const int gruppi[] = {1, 2, 3, 2, 3, 9, 9};
  for (int c = 0; c < 7; ++c) {
    const Voce& v = carattVoci[c];
    caratt.Intero(codici[c]).Testo(v.it).Intero(gruppi[c]).Testo(v.en).Testo(v.de).Testo(v.fr).Esegui();
  }
  // Every line has a type characteristic of its own, so each line shows only its own types.
  for (int l = 1; l <= 10; ++l) {
    const Linea& L = kLinee[static_cast<size_t>(l - 1)];
    caratt.Intero(kCarattTipologia(l)).Testo(std::string("Tipologia ") + L.it).Intero(2);
    caratt.Testo(std::string("Type ") + L.en).Testo(std::string("Typ ") + L.de).Testo(std::string("Type ") + L.fr).Esegui();
  }

  Inserimento valore(db, "insert into valori (Codice, Descrizione, Caratt, Ordine, Descr1, Descr2, Descr3) "
                         "values (?, ?, ?, ?, ?, ?, ?)");
  auto valori = [&](int caratt, auto& voci, auto chiave) {
    int ordine = 0;
    for (const auto& v : voci) {
      valore.Intero(chiave(ordine)).Testo(v.it).Intero(caratt).Intero(ordine + 1);
      valore.Testo(v.en).Testo(v.de).Testo(v.fr).Esegui();
      ++ordine;
    }
  };
  valori(1, kLinee, [](int i) { return i + 1; });
  for (int l = 1; l <= 10; ++l) valori(kCarattTipologia(l), kTipologie, [l](int t) { return kValoreTipologia(l, t + 1); });
  for (int w = 0; w < 6; ++w) {
    const std::string cm = std::to_string(kLarghezze[static_cast<size_t>(w)]) + " cm";
    valore.Intero(kValoreLarghezza(w)).Testo(cm).Intero(3).Intero(w + 1).Testo(cm).Testo(cm).Testo(cm).Esegui();
  }
  valori(4, kFiniture, kValoreFinitura);
  valori(5, kAperture, kValoreApertura);
  valori(6, kManiglie, kValoreManiglia);
  valori(7, kElettrodomestici, kValoreElettrodomestico);
  valori(8, kClassi, kValoreClasse);

  Inserimento ragni(db, "insert into ragni (CodValore, CodCaratt) values (?, ?)");
  Inserimento ragni2(db, "insert into ragni2 (CodValore, CodCaratt) values (?, ?)");
  // Finish and handle filter every tab: the lines, the types, the widths and the openings.
  auto filtrabile = [&](int valore) {
    ragni.Intero(valore).Intero(4).Esegui();
    ragni.Intero(valore).Intero(6).Esegui();
  };
  for (int l = 1; l <= 10; ++l) {
    ragni2.Intero(l).Intero(kCarattTipologia(l)).Esegui();
    filtrabile(l);
    for (int t = 1; t <= 5; ++t) filtrabile(kValoreTipologia(l, t));
    for (int t = 1; t <= 3; ++t) ragni2.Intero(kValoreTipologia(l, t)).Intero(3).Esegui();
  }
  for (int w = 0; w < 6; ++w) filtrabile(kValoreLarghezza(w));
  for (int a = 0; a < 2; ++a) filtrabile(kValoreApertura(a));
  ragni2.Intero(kValoreLarghezza(1)).Intero(5).Esegui();
  ragni2.Intero(kValoreLarghezza(2)).Intero(5).Esegui();

  Inserimento attributo(db,
                        "insert into attributi (Codice, Descrizione, Descr1, Descr2, Descr3, FontName, FontSize, "
                        "FontColor, FontBold, FontItalic, FontUnderline, FontStrike, BackgroundColor) "
                        "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  attributo.Testo("NEW").Testo("Novità").Testo("New").Testo("Neu").Testo("Nouveau").Testo("Arial").Intero(9)
      .Intero(0x0000FF).Intero(1).Intero(0).Intero(0).Intero(0).Intero(0xFFFFFF).Esegui();
  attributo.Testo("PROMO").Testo("Promozione").Testo("Offer").Testo("Angebot").Testo("Promotion").Testo("Arial")
      .Intero(9).Intero(0x008000).Intero(1).Intero(1).Intero(0).Intero(0).Intero(0xE0FFE0).Esegui();
  attributo.Testo("OUT").Testo("Fuori produzione").Testo("Discontinued").Testo("Ausgelaufen").Testo("Arrêté")
      .Testo("Arial").Intero(8).Intero(0x808080).Intero(0).Intero(0).Intero(0).Intero(1).Nullo().Esegui();
}

std::string Definizione(const std::string& codice, int larghezza, int altezza) {
  return "// creazione da Listino\r\nPATH 1\r\nPUSH\r\nCOMPONENDO 1\r\nELEMENTO Mobile\r\nSTRUTTURA\r\n"
         "VAR_SET X=" + std::to_string(larghezza * 10) + "\r\nVAR_SET Y=" + std::to_string(altezza) +
         "\r\nSET_NAME '" + codice + "'\r\nCOMPONENDO 0\r\nPOP\r\n";
}

// Statements that write one item; prepared once.
class ScrittoreArticoli {
 public:
  explicit ScrittoreArticoli(sqlite3* db)
      : composto_(db,
                  "insert into composti (Codice, Modello, BitMap, CmpBlob, Vis, DescrRidotta, DescrEstesa, Filtro, "
                  "FiltroK4, FiltroModalita, FiltroEsteso, Attributo, Azioni, DataCreazione, TipoBitMap, Generico) "
                  "values (?, '_', ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        infaus_(db,
                "insert into infaus (Codice, Modello, CodProduttore, XReale, YReale, ZReale, Prezzo, CodLavorazione, "
                "XLav, YLav, ZLav, FileSat, Nota, SchedaTecnica, TipoSchedaTecnica, Foto, TipoFoto, User1, User2, "
                "User3, User4, User5, Descr1, Descr2, Descr3) "
                "values (?, '_', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        infcomp_(db, "insert into infcomp (Codice, Modello, Azioni, Connessioni) values (?, '_', ?, ?)"),
        legame_(db, "insert into legami (Codice, Modello, CodCaratt, CodValori) values (?, '_', ?, ?)"),
        ordine_(db, "insert into OrdineCodici (ValPri, ValSec, Codice, Ordine) values (?, ?, ?, ?)"),
        immagine_(db, "insert into immagini (Codice, Versione, TipoImmagine, Immagine) values (?, ?, ?, ?)"),
        oggetto_(db, "insert into oggetti (Codice, Modello, NomeOggetto, TipoOggetto, Oggetto) "
                     "values (?, '_', ?, ?, ?)") {}

  Inserimento composto_, infaus_, infcomp_, legame_, ordine_, immagine_, oggetto_;
};

}  // namespace

void ScriviListinoCampione(const std::string& percorso, const OpzioniCampione& opzioni) {
  std::error_code ec;
  if (std::filesystem::exists(percorso, ec)) throw std::runtime_error(percorso + " file già presente");
  if (!CreaListinoSQLite(percorso, true) || !std::filesystem::exists(percorso, ec))
    throw std::runtime_error("cannot create " + percorso);
  try {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(percorso.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    SqliteDb db(raw);
    CheckSqlite(rc, db.get());
    // A sample is rebuilt rather than recovered: no journal, no syncs.
    Esegui(db.get(), "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-200000; BEGIN;");
    ScriviClassificazione(db.get());

    Casuale caso(opzioni.seme);
    ScrittoreArticoli out(db.get());
    const std::array<std::string, 6> tipiImmagine = {"bmp", "jpg", "png", "wmf", "emf", "dis"};
    std::array<int, 11> ordinePerLinea{};
    std::vector<int> ordinePerTipologia(200, 0);
    const int64_t totale = opzioni.articoli;
    for (int64_t i = 0; i < totale; ++i) {
      const int linea = static_cast<int>(i % 10) + 1;
      const Linea& L = kLinee[static_cast<size_t>(linea - 1)];
      const int t = caso.Fino(5) + 1;
      const Voce& T = kTipologie[static_cast<size_t>(t - 1)];
      const int iw = caso.Fino(6);
      const int larghezza = kLarghezze[static_cast<size_t>(iw)];
      const int f = caso.Fino(6);
      const Voce& F = kFiniture[static_cast<size_t>(f)];
      const int m = caso.Fino(3);
      const int a = caso.Fino(2);
      char numero[32];
      std::snprintf(numero, sizeof numero, "%s-%s-%03d-%06lld", L.prefisso, T.sigla, larghezza,
                    static_cast<long long>(i));
      std::string codice = numero;
      if (i % 50 == 49) codice += std::string("#") + F.sigla;
      const bool invisibile = i % 997 == 996;
      const std::string descrizione = std::string(T.it) + " " + L.it + " " + std::to_string(larghezza) + " cm " + F.it;
      const int altezza = t == 2 ? 720 : t == 3 ? 2160 : 850;

      std::string immagine, tipoImmagine;
      if (i % 100 == 0) {
        tipoImmagine = tipiImmagine[static_cast<size_t>((i / 100) % 6)];
        immagine = ImmagineCampione(tipoImmagine, static_cast<int>(i / 100));
      }
      const std::string attributo = i % 40 == 0 ? "#3:NEW" : i % 40 == 20 ? "#5:PROMO3:OUT" : "";
      out.composto_.Testo(codice);
      if (immagine.empty()) out.composto_.Nullo();
      else out.composto_.Dati(immagine);
      out.composto_.Testo(Definizione(codice, larghezza, altezza));
      out.composto_.Testo(std::string(T.sigla) + " " + std::to_string(larghezza));
      out.composto_.Testo(descrizione);
      out.composto_.Testo(std::string("FIN=") + F.sigla + ";MAN=" + kManiglie[static_cast<size_t>(m)].sigla);
      out.composto_.TestoONullo(i % 7 == 0 ? std::string("K4=") + L.prefisso : "");
      out.composto_.TestoONullo(i % 11 == 0 ? "STD" : "");
      out.composto_.TestoONullo(i % 13 == 0 ? "EXT" : "");
      out.composto_.TestoONullo(attributo);
      out.composto_.Testo(i % 3 == 0 ? "AB" : "A");
      out.composto_.Testo("2024-0" + std::to_string(1 + i % 9) + "-15 10:30:00");
      out.composto_.TestoONullo(tipoImmagine).Intero(0).Esegui();

      const double prezzo = 80.0 + larghezza * (3 + f) + caso.Fino(10000) / 100.0;
      out.infaus_.Testo(codice).Testo(std::string("P") + L.prefisso + std::to_string(1000 + t * 10 + iw));
      out.infaus_.Reale(larghezza * 10.0).Reale(altezza).Reale(t == 2 ? 350.0 : 580.0).Reale(prezzo);
      out.infaus_.Testo(std::string("LAV-") + T.sigla).Reale(larghezza * 10.0 - 2).Reale(altezza - 2).Reale(560.0);
      out.infaus_.TestoONullo(i % 17 == 0 ? "sat" + std::to_string(i % 100) + ".sat" : "");
      out.infaus_.TestoONullo(i % 19 == 0 ? "Montaggio incluso" : "");
      if (i % 100 == 50) out.infaus_.Dati("%PDF-1.4 sample sheet of " + codice).Testo("pdf");
      else if (i % 100 == 75) out.infaus_.Dati("http://example.invalid/schede/" + codice).Testo("lnk");
      else out.infaus_.Nullo().Nullo();
      if (i % 100 == 25) out.infaus_.Dati(ImmagineCampione("jpg", static_cast<int>(i))).Testo("jpg");
      else out.infaus_.Nullo().Nullo();
      out.infaus_.Testo(F.it).Testo(kManiglie[static_cast<size_t>(m)].it).TestoONullo(i % 5 == 0 ? "Promo" : "");
      out.infaus_.TestoONullo(i % 9 == 0 ? "Su ordinazione" : "").TestoONullo("");
      out.infaus_.Testo(std::string(T.en) + " " + L.en + " " + std::to_string(larghezza) + " cm " + F.en);
      out.infaus_.Testo(std::string(T.de) + " " + L.de + " " + std::to_string(larghezza) + " cm " + F.de);
      out.infaus_.Testo(std::string(T.fr) + " " + L.fr + " " + std::to_string(larghezza) + " cm " + F.fr);
      out.infaus_.Esegui();

      out.infcomp_.Testo(codice).Testo(i % 3 == 0 ? "AB" : "A").TestoONullo(i % 4 == 0 ? "C1;C2" : "").Esegui();

      const int tipologia = kValoreTipologia(linea, t);
      if (!invisibile) out.legame_.Testo(codice).Intero(1).Intero(linea).Esegui();
      out.legame_.Testo(codice).Intero(kCarattTipologia(linea)).Intero(tipologia).Esegui();
      if (t <= 3) out.legame_.Testo(codice).Intero(3).Intero(kValoreLarghezza(iw)).Esegui();
      if (t <= 3 && (iw == 1 || iw == 2)) out.legame_.Testo(codice).Intero(5).Intero(kValoreApertura(a)).Esegui();
      out.legame_.Testo(codice).Intero(4).Intero(kValoreFinitura(f)).Esegui();
      out.legame_.Testo(codice).Intero(6).Intero(kValoreManiglia(m)).Esegui();

      if (!invisibile) {
        out.ordine_.Intero(linea).Intero(0).Testo(codice).Intero(++ordinePerLinea[static_cast<size_t>(linea)]).Esegui();
        out.ordine_.Intero(linea).Intero(tipologia).Testo(codice)
            .Intero(++ordinePerTipologia[static_cast<size_t>(tipologia - 100)]).Esegui();
      }
      if (i % 500 == 0) {
        out.immagine_.Testo(codice).Testo("2024").Testo("png").Dati(ImmagineCampione("png", static_cast<int>(i) + 1)).Esegui();
        out.oggetto_.Testo(codice).Testo("istruzioni").Testo("txt").Dati("Istruzioni di montaggio " + codice).Esegui();
      }
      if (opzioni.avanzamento && (i + 1) % 10000 == 0) opzioni.avanzamento(i + 1, totale);
    }

    // Generic items: appliances that a designer places as placeholders, priced by the generic-price library.
    for (int g = 0; g < 20; ++g) {
      const Voce& E = kElettrodomestici[static_cast<size_t>(g % 4)];
      const Voce& C = kClassi[static_cast<size_t>(g % 3)];
      const std::string codice = std::string("GEN-") + E.sigla + "-" + C.sigla + std::to_string(g);
      out.composto_.Testo(codice).Nullo().Testo(Definizione(codice, 60, 850)).Testo(std::string("GEN ") + E.sigla);
      out.composto_.Testo(std::string(E.it) + " " + C.it).Nullo().Nullo().Nullo().Nullo().Nullo().Testo("A");
      out.composto_.Testo("2024-01-01 08:00:00").Nullo().Intero(1).Esegui();
      out.legame_.Testo(codice).Intero(1).Intero(1).Esegui();
      out.legame_.Testo(codice).Intero(7).Intero(kValoreElettrodomestico(g % 4)).Esegui();
      out.legame_.Testo(codice).Intero(8).Intero(kValoreClasse(g % 3)).Esegui();
      out.ordine_.Intero(1).Intero(0).Testo(codice).Intero(++ordinePerLinea[1]).Esegui();
    }
    // Makers' databases index the links by value (the restore of the tab tree joins on it); without it
    // every secondary level scans all the links.
    Esegui(db.get(), "CREATE INDEX IX_legami_valori ON legami (CodValori, Codice); COMMIT;");
    if (opzioni.avanzamento) opzioni.avanzamento(totale, totale);
  } catch (...) {
    std::filesystem::remove(percorso, ec);
    throw;
  }
}

}  // namespace rovan
