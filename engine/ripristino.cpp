// Loading the tab tree from the price-list tables.
//
// Per price list: one sequential read of the primary query (every code with its texts, in tab order), then
// for each primary value with secondary relations the secondary values of every tab that has a level below
// and the links of the primary value's codes, once per secondary characteristic, then the codes with no
// link to the primary characteristic. Membership of a code in
// its parent's set is a binary search; codes are shared between a primary view and its secondary views.
#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <unordered_map>

#include "engine/gestore.h"
#include "engine/lettura_affiancata.h"
#include "platform/text_utils.h"
#include "platform/ui_services.h"
#include "plugin/reporting.h"
#include "storage/database_error.h"
#include "storage/schema.h"

namespace rovan {
namespace {

using Orologio = std::chrono::steady_clock;

// Elapsed time as the log writes it: seconds and milliseconds ("ss.zzz").
std::string Trascorso(Orologio::time_point inizio) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Orologio::now() - inizio).count();
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d.%03d", static_cast<int>((ms / 1000) % 60), static_cast<int>(ms % 1000));
  return buf;
}

// The text of a cell without copying it: text is viewed in place, NULL is empty, other kinds are written
// into scratch.
std::string_view Testo(const FieldValue& v, std::string& scratch) {
  switch (v.kind()) {
    case FieldValue::Kind::Null: return {};
    case FieldValue::Kind::Text: return v.text();
    default:
      scratch = v.AsString();
      return scratch;
  }
}

std::optional<double> Numero(const FieldValue& v) {
  if (v.IsNull()) return std::nullopt;
  return v.AsFloat();
}

// Columns of the primary query.
enum ColonnaPrimaria {
  kValPri = 0, kDesValPri = 1, kCodice = 2, kDescrEstesa = 3, kFiltro = 4, kFiltroK4 = 5, kFiltroModalita = 6,
  kFiltroEsteso = 7, kAzioni = 8, kCodProduttore = 10, kXReale = 11, kYReale = 12, kZReale = 13, kPrezzo = 14,
  kCodLavorazione = 15, kXLav = 16, kYLav = 17, kZLav = 18, kFileSat = 19, kNota = 20, kUser1 = 21,
  kTipoFoto = 26, kTipoScheda = 27, kTrad1 = 28, kDesValPriLingua = 38, kDesValPri1 = 39, kAttributo = 49,
  kTipoBitMap = 50, kGenerico = 51, kColonnePrimarie = 52
};

std::string DescrN(int i) { return "Descr" + std::to_string(i); }

}  // namespace

// What the secondary levels of one primary view share: its codes by code (the first code of each name,
// sorted), and the codes of the link query by value, per secondary characteristic. The link query depends
// only on the primary value and the characteristic, so each level of one characteristic (every value of
// the level above has one) reads the same rows: they are read once per primary view.
struct TGestore::IndiceCodici {
  explicit IndiceCodici(const TListaCodici& codici) {
    perCodice.reserve(codici.items().size());
    for (TCodMdl* cm : codici.items()) perCodice.emplace_back(cm->cod(), cm);
    std::stable_sort(perCodice.begin(), perCodice.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    perCodice.erase(std::unique(perCodice.begin(), perCodice.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                    perCodice.end());
  }
  TCodMdl* Trova(std::string_view cod) const {
    auto it = std::lower_bound(perCodice.begin(), perCodice.end(), cod,
                               [](const auto& e, std::string_view c) { return e.first < c; });
    return it != perCodice.end() && it->first == cod ? it->second : nullptr;
  }
  // The primary view's codes in the same order, as the set of the top level.
  std::vector<TCodMdl*> Tutti() const {
    std::vector<TCodMdl*> tutti;
    tutti.reserve(perCodice.size());
    for (const auto& e : perCodice) tutti.push_back(e.second);
    return tutti;
  }
  std::vector<std::pair<std::string_view, TCodMdl*>> perCodice;
  std::unordered_map<int, std::unordered_map<int, std::vector<TCodMdl*>>> legamiPerCaratt;
  TGestore::AnticipoLegami* anticipo = nullptr;  // the rows read ahead, if any
};

namespace {

bool Contiene(const std::vector<TCodMdl*>& ordinati, std::string_view cod) {
  return std::binary_search(ordinati.begin(), ordinati.end(), cod, [](const auto& a, const auto& b) {
    if constexpr (std::is_same_v<std::decay_t<decltype(a)>, std::string_view>) return a < b->cod();
    else return a->cod() < b;
  });
}

// The secondary values below a value (parameter CodValore), each with the characteristic of a further level.
std::string SqlValoriSecondari(const std::string& aux) {
  return " select v.* , rex.CodCaratt as UlterioreSec from ((" + aux + "ragni2 r2 inner join " + aux +
         "valori v on v.Caratt = r2.CodCaratt) left join " + aux +
         "ragni2 rex on rex.CodValore = v.Codice)  where r2.CodValore = :CodValore order by v.Ordine, v.Codice ";
}

// For every value of characteristic caratt, the codes linked both to it and to the primary value valPri.
std::string SqlLegami(const std::string& aux, int caratt, int valPri) {
  return "select llower.CodValori, llower.Codice from ((" + aux + "legami llower " + " inner " + " join " + aux +
         "legami lpri on (llower.Codice=lpri.Codice))" + " inner join " + aux + "valori v on v.Codice = llower.CodValori) " +
         " where llower.CodCaratt = " + std::to_string(caratt) + " and lpri.CodValori = " + std::to_string(valPri) +
         " order by v.Ordine, v.Codice  " + " , llower.Codice";
}

// The secondary values below codValore, read forward.
std::unique_ptr<TQorQuery2> ApriValoriSecondari(TQorConnection& c, const std::string& aux, int codValore) {
  std::unique_ptr<TQorQuery2> q = c.GetQuery();
  q->SQL().SetText(SqlValoriSecondari(aux));
  q->SetParamByName("CodValore", codValore, ftInteger);
  q->SetTimeout(120);
  q->OpenForwardOnly();
  return q;
}

// The link query of caratt below valPri, read forward.
std::unique_ptr<TQorQuery2> ApriLegami(TQorConnection& c, const std::string& aux, int caratt, int valPri) {
  std::unique_ptr<TQorQuery2> q = c.GetQuery();
  q->SQL().SetText(SqlLegami(aux, caratt, valPri));
  q->SetTimeout(120);
  q->OpenForwardOnly();
  return q;
}

// Gives back the room the lists of a view and of the views below it grew into.
void CompattaListe(TVista& vista) {
  vista.codici().Compatta();
  for (const auto& s : vista.figli()) CompattaListe(*s);
}

}  // namespace

// The rows of the link query of every secondary characteristic below one primary value, read ahead on the
// second connection while the restore still reads that value's codes. Whoever comes first takes it: the
// reader, or the restore when it needs the rows before the reader has begun (it then reads them itself).
struct TGestore::AnticipoLegami {
  using Righe = std::vector<std::pair<int, std::string>>;  // (value, code)

  // The reader's side: whether it takes the work.
  bool Inizia() {
    int atteso = kInAttesa;
    return stato.compare_exchange_strong(atteso, kPreso);
  }
  // The restore's side: the rows of caratt, or null when it must read them itself (the reader had not begun,
  // failed, or did not reach that characteristic).
  const Righe* Legami(int caratt) {
    int atteso = kInAttesa;
    if (stato.compare_exchange_strong(atteso, kLasciato) || atteso == kLasciato) return nullptr;
    try {
      fatto.get();
    } catch (const std::exception&) {
      return nullptr;
    }
    auto it = perCaratt.find(caratt);
    return it != perCaratt.end() ? &it->second : nullptr;
  }
  // The restore's side, once the levels are built: the rows are no longer needed (the reader, if it took
  // the work, has finished it).
  void Rilascia() {
    int atteso = kInAttesa;
    if (!stato.compare_exchange_strong(atteso, kLasciato) && atteso == kPreso) fatto.wait();
    perCaratt.clear();
  }

  static constexpr int kInAttesa = 0, kPreso = 1, kLasciato = 2;
  std::atomic<int> stato{kInAttesa};
  std::unordered_map<int, Righe> perCaratt;  // written by the reader before fatto ends
  std::shared_future<void> fatto;
};

void TGestore::AnticipaLegami(TQorConnection& connessione, const std::string& aux, int valPri,
                              AnticipoLegami& anticipo) const {
  // The characteristics the levels below valPri will ask for, found as they will be: level by level.
  std::vector<int> caratteristiche;
  std::function<void(int, const std::vector<int>&)> scendi = [&](int codValore, const std::vector<int>& listaId) {
    if (!IsInMappaCache(ComponiChiaveCache(listaId))) return;
    std::vector<int> ulteriori;
    {
      std::unique_ptr<TQorQuery2> q = ApriValoriSecondari(connessione, aux, codValore);
      if (q->isEmpty()) return;
      TQorField caratt = q->FieldByName("Caratt"), codice = q->FieldByName("Codice"), ulteriore = q->FieldByName("UlterioreSec");
      const int primo = static_cast<int>(caratt.AsInteger());
      if (std::find(caratteristiche.begin(), caratteristiche.end(), primo) == caratteristiche.end())
        caratteristiche.push_back(primo);
      for (; !q->Eof(); q->Next())
        if (!ulteriore.IsNull() && ulteriore.AsInteger() != caratt.AsInteger())
          ulteriori.push_back(static_cast<int>(codice.AsInteger()));
    }
    for (int v : ulteriori) {
      std::vector<int> lista = listaId;
      lista.push_back(v);
      scendi(v, lista);
    }
  };
  scendi(valPri, {valPri});
  for (int caratt : caratteristiche) {
    std::unique_ptr<TQorQuery2> q = ApriLegami(connessione, aux, caratt, valPri);
    AnticipoLegami::Righe& righe = anticipo.perCaratt[caratt];
    std::string scratch;
    for (; !q->Eof(); q->Next())
      righe.emplace_back(static_cast<int>(q->Fields(0).AsInteger()), std::string(Testo(q->Fields(1).Value(), scratch)));
  }
}

void TGestore::ripristina_da_database() {
  m_IndiceTab.Svuota();
  m_IndiceInvisibili.Svuota();
  int glbIdP = -1;
  for (size_t i = 0; i < m_DMMainArray.size(); ++i) {
    TDMMain& dm = *m_DMMainArray[i];
    try {
      if (dm.GetTipoListino() != TL_WEB && !dm.Connetti())
        throw DatabaseError("Listino Elettronico: Connessione fallita");
    } catch (const std::exception& e) {
      const std::string suffisso = dm.m_IsFendrix ? "Fendrix" : i == 0 ? "0" : "Secondario" + std::to_string(i);
      MessageBoxRequest r;
      r.caption = "Dozirividi";
      r.icon = MsgIcon::Error;
      r.text = "Apertura listino fallita caricando AliasListino" + suffisso + "\r\n" + e.what();
      Ui().MessageBox(r);
      return;
    }
    // Web price lists are read from their XML tree, which this engine does not load yet.
    if (dm.GetTipoListino() != TL_WEB) ripristina_da_tab_new(static_cast<int>(i), glbIdP, dm);
  }
  for (const auto& p : m_primarie) CompattaListe(*p);
  m_ListaCodiciInvisibili.Compatta();
  PreparaIndici();  // while the codes are fresh in memory, not at the first look-up
}

void TGestore::CaricaMappaCache(const std::string& file) {
  m_MappaCache.clear();
  if (file.empty()) return;
  std::ifstream in(file);
  for (std::string riga; std::getline(in, riga);) {
    size_t uguale = riga.find('=');
    const std::string chiave = Trim(riga.substr(0, uguale));
    const std::string conteggio = uguale == std::string::npos ? "" : Trim(riga.substr(uguale + 1));
    int n = 0;
    if (!TryParseInt(conteggio, n)) throw DatabaseError("'" + conteggio + "' is not a valid integer value");
    if (n > 0) m_MappaCache.insert(chiave);
  }
}

std::string TGestore::ComponiChiaveCache(const std::vector<int>& listaId) {
  std::string chiave;
  for (int id : listaId) chiave += std::to_string(id) + "-";
  return chiave;
}

std::string TGestore::ComponiSqlPrimarie(TDMMain& dm) const {
  const int lingua = dm.GetIdLingua();
  const int v = dm.GetVersioneTabelle();
  const std::string aux = dm.GetDBAux();
  const std::string j = m_MettiCartelleVuote ? "left" : "inner";
  std::string s =
      " select v.Codice as CodValPri , v.Descrizione as DesValPri , c.Codice, c.DescrEstesa, c.Filtro, c.FiltroK4, "
      "c.FiltroModalita, c.FiltroEsteso , infcomp.Azioni, infcomp.Connessioni , infaus.CodProduttore, infaus.XReale, "
      "infaus.YReale, infaus.ZReale, infaus.Prezzo, infaus.CodLavorazione, infaus.XLav, infaus.YLav, infaus.ZLav, "
      "infaus.FileSat, infaus.Nota, infaus.User1, infaus.User2, infaus.User3, infaus.User4, infaus.User5 , "
      "infaus.TipoFoto, infaus.TipoSchedaTecnica ";
  for (int i = 1; i <= 10; ++i) s += ", infaus.Descr" + std::to_string(i);
  s += lingua == 0 ? ", '' as DesValPriLingua " : ", v.Descr" + std::to_string(lingua) + " as DesValPriLingua ";
  for (int i = 1; i <= 10; ++i) s += ", v.Descr" + std::to_string(i) + " as DesValPri" + std::to_string(i);
  s += schema::HaAttributi(v) ? ", c.Attributo" : ", '' as Attributo";
  s += schema::HaTipoBitMap(v) ? ", c.TipoBitMap" : ", '' as TipoBitMap";
  s += dm.IsGenericiEnabled() ? ", c.Generico " : ", 0 as Generico ";
  s += " from ((((" + aux + "valori v " + j + " join " + aux + "legami l on v.Codice = l.CodValori) " + "\t" + j + " " +
       " join composti c on c.Codice = l.Codice) " + "\tleft " + " join infaus on infaus.Codice=l.Codice) " + "\tleft " +
       " join infcomp on infcomp.Codice=l.Codice) ";
  s += "  left join " + aux +
       (dm.IsNuovoOrdinamento() ? "OrdineCodici oc on (oc.Codice=l.Codice and oc.ValPri = l.CodValori and oc.ValSec=0)  "
                                : "OrdineCodici oc on (oc.Codice=l.Codice and oc.ValSec = l.CodValori)  ");
  s += " where v.Caratt = " + std::to_string(dm.GetIdxPrimaria()) + " ";
  s += " order by v.Ordine, oc.Ordine, l.Codice ";
  return s;
}

std::string TGestore::ComponiSqlInvisibili(TDMMain& dm) const {
  const int v = dm.GetVersioneTabelle();
  const std::string aux = dm.GetDBAux();
  std::string s =
      "select c.Codice, c.DescrEstesa, c.Filtro, c.FiltroK4, c.FiltroModalita, c.FiltroEsteso , infcomp.Azioni, "
      "infcomp.Connessioni  , infaus.TipoSchedaTecnica, infaus.TipoSchedaTecnica , infaus.CodProduttore,infaus.XReale,"
      "infaus.YReale,infaus.ZReale,infaus.Prezzo,infaus.CodLavorazione  , infaus.XLav,infaus.YLav,infaus.ZLav,"
      "infaus.FileSat,infaus.Nota,infaus.User1,infaus.User2,infaus.User3,infaus.User4,infaus.User5  , infaus.TipoFoto, "
      "infaus.TipoSchedaTecnica , infaus.Descr1, infaus.Descr2, infaus.Descr3, infaus.Descr4, infaus.Descr5,  "
      "infaus.Descr6, infaus.Descr7, infaus.Descr8, infaus.Descr9, infaus.Descr10";
  s += schema::HaAttributi(v) ? ", c.Attributo" : ", '' as Attributo";
  s += schema::HaTipoBitMap(v) ? ", c.TipoBitMap" : ", '' as TipoBitMap";
  s += " from ((composti c";
  s += " left  join infaus on infaus.Codice=c.Codice)";
  s += " left  join infcomp on infcomp.Codice=c.Codice)";
  s += " left join " + aux + "legami l on (l.Codice = c.Codice and l.CodCaratt=" + std::to_string(dm.GetIdxPrimaria()) + ")";
  s += "  where  l.Codice is NULL ";
  return s;
}

void TGestore::ripristina_da_tab_new(int idDatabase, int& glbIdP, TDMMain& dm) {
  const auto inizio = Orologio::now();
  const int lingua = dm.GetIdLingua();
  try {
    const std::string sql = ComponiSqlPrimarie(dm);
    CaricaMappaCache(dm.m_file_cache);
    // A second connection reads alongside: first the codes of no tab, which depend on nothing the tabs build
    // (they join the engine only once the tabs have loaded without error), then the links of each primary
    // value's codes, asked for as soon as the value comes up.
    const std::string sqlInvisibili = ComponiSqlInvisibili(dm), aux = dm.GetDBAux();
    TListaCodici invisibili(true);
    std::unordered_map<int, std::unique_ptr<AnticipoLegami>> anticipi;  // outlive the reader's work on them
    TLetturaAffiancata lettore(dm);
    std::future<void> letturaInvisibili;
    if (lettore.Attiva())
      letturaInvisibili = lettore.Accoda([&](TQorConnection& c) { LeggiInvisibili(c, sqlInvisibili, lingua, idDatabase, invisibili); });
    auto anticipa = [&](int val) {
      if (!lettore.Attiva() || anticipi.count(val) > 0) return;
      auto anticipo = std::make_unique<AnticipoLegami>();
      anticipo->fatto = lettore.Accoda([this, a = anticipo.get(), &aux, val](TQorConnection& c) {
        if (a->Inizia()) AnticipaLegami(c, aux, val, *a);
      }).share();
      anticipi.emplace(val, std::move(anticipo));
    };
    std::unique_ptr<TQorQuery2> q = dm.GetQuery();
    q->SQL().SetText(sql);
    q->SetTimeout(120);
    q->OpenForwardOnly();

    const int carPri = dm.GetIdxPrimaria();
    TVistiPri* attuale = nullptr;
    bool haPrecedente = false;
    int valPrecedente = 0;
    auto chiudiPrimaria = [&] {
      if (attuale == nullptr) return;
      IndiceCodici indice(attuale->codici());
      auto anticipo = anticipi.find(valPrecedente);
      if (anticipo != anticipi.end()) indice.anticipo = anticipo->second.get();
      AggiungiSecondarieAlternativa(valPrecedente, attuale, nullptr, glbIdP, dm, indice, indice.Tutti(), {valPrecedente});
      if (indice.anticipo != nullptr) indice.anticipo->Rilascia();
    };

    std::array<std::string, kColonnePrimarie> scratch;
    std::array<const FieldValue*, kColonnePrimarie> cella{};
    std::string filtro;
    TTraduzioni trad;
    for (; !q->Eof(); q->Next()) {
      for (int c = 0; c < kColonnePrimarie; ++c) cella[static_cast<size_t>(c)] = &q->Fields(c).Value();
      auto testo = [&](int c) { return Testo(*cella[static_cast<size_t>(c)], scratch[static_cast<size_t>(c)]); };

      const int val = static_cast<int>(cella[kValPri]->AsInteger());
      if (!haPrecedente || val != valPrecedente) {
        chiudiPrimaria();
        for (int i = 1; i <= 10; ++i) trad[i] = std::string(testo(kDesValPri1 + i - 1));
        attuale = AggiungiPrimaria(carPri, val, ++glbIdP, std::string(testo(kDesValPri)),
                                   std::string(testo(kDesValPriLingua)), idDatabase, trad, dm.m_IsFendrix);
        haPrecedente = true;
        valPrecedente = val;
        anticipa(val);
      }
      const std::string_view codice = testo(kCodice);
      if (codice.empty()) continue;

      TCodMdl::Testi t{};
      t[TCodMdl::Cod] = codice;
      bool haFoto = false, haScheda = false;
      if (m_gestionescheda) {
        haFoto = !testo(kTipoFoto).empty();
        haScheda = !testo(kTipoScheda).empty();
      }
      for (int i = 0; i < 5; ++i) t[TCodMdl::User1 + i] = TrimView(testo(kUser1 + i));
      for (int i = 0; i < 10; ++i) t[TCodMdl::Trad1 + i] = TrimView(testo(kTrad1 + i));
      t[TCodMdl::DescrizioneOri] = testo(kDescrEstesa);
      t[TCodMdl::Descr] = t[TCodMdl::DescrizioneOri];
      if (lingua > 0 && !t[TCodMdl::Trad1 + lingua - 1].empty()) t[TCodMdl::Descr] = t[TCodMdl::Trad1 + lingua - 1];
      filtro.assign(testo(kFiltro));
      if (std::string_view m = TrimView(testo(kFiltroModalita)); !m.empty()) {
        filtro += " (M=";
        filtro += m;
        filtro += ")";
      }
      filtro += TrimView(testo(kFiltroEsteso));
      t[TCodMdl::Filtro] = filtro;
      t[TCodMdl::FiltroAux] = testo(kFiltroK4);
      t[TCodMdl::Azioni] = testo(kAzioni);
      t[TCodMdl::Attributo] = testo(kAttributo);
      t[TCodMdl::TipoBitMap] = TrimView(testo(kTipoBitMap));
      t[TCodMdl::CodProduttore] = testo(kCodProduttore);
      t[TCodMdl::CodLavorazione] = testo(kCodLavorazione);
      t[TCodMdl::FileSat] = testo(kFileSat);
      t[TCodMdl::Nota] = testo(kNota);
      std::array<std::string, 7> numeri;
      const int colonne[7] = {kXReale, kYReale, kZReale, kPrezzo, kXLav, kYLav, kZLav};
      for (int n = 0; n < 7; ++n) {
        numeri[static_cast<size_t>(n)] = TCodMdl::TestoTecnico(Numero(*cella[static_cast<size_t>(colonne[n])]));
        t[TCodMdl::XReale + n] = numeri[static_cast<size_t>(n)];
      }
      const bool generico = cella[kGenerico]->AsInteger() > 0;
      attuale->AddCarvalNoCheck(t, haFoto, haScheda, generico, dm.m_IsFendrix);
    }
    chiudiPrimaria();
    q->Close();
    if (letturaInvisibili.valid()) letturaInvisibili.get();
    else LeggiInvisibili(dm.Database, sqlInvisibili, lingua, idDatabase, invisibili);
    m_ListaCodiciInvisibili.Accoda(invisibili);
  } catch (const std::exception& e) {
    MessageBoxRequest r;
    r.caption = "Listino Elettronico";
    r.text = "Errore caricando listino " + std::to_string(idDatabase) + " " + e.what();
    Ui().MessageBox(r);
    ScriviLog("// TGestore.ripristina_da_tab_new " + std::to_string(idDatabase) + " Eccezione " + e.what());
  }
  ScriviLog("// TGestore.ripristina_da_tab_new fine " + Trascorso(inizio));
}

void TGestore::LeggiInvisibili(TQorConnection& connessione, const std::string& sql, int lingua, int idDatabase,
                               TListaCodici& lista) {
  std::unique_ptr<TQorQuery2> q = connessione.GetQuery();
  q->SQL().SetText(sql);
  q->OpenForwardOnly();
  std::array<TQorField, 10> tradF{q->FieldByName("Descr1"), q->FieldByName("Descr2"), q->FieldByName("Descr3"),
                                  q->FieldByName("Descr4"), q->FieldByName("Descr5"), q->FieldByName("Descr6"),
                                  q->FieldByName("Descr7"), q->FieldByName("Descr8"), q->FieldByName("Descr9"),
                                  q->FieldByName("Descr10")};
  const std::array<const char*, 5> users = {"User1", "User2", "User3", "User4", "User5"};
  for (; !q->Eof(); q->Next()) {
    std::array<std::string, TCodMdl::NumCampi> v;
    v[TCodMdl::Cod] = q->FieldByName("Codice").AsString();
    v[TCodMdl::DescrizioneOri] = q->FieldByName("DescrEstesa").AsString();
    for (int i = 0; i < 10; ++i) v[TCodMdl::Trad1 + i] = Trim(tradF[static_cast<size_t>(i)].AsString());
    v[TCodMdl::Descr] = v[TCodMdl::DescrizioneOri];
    if (lingua > 0 && !v[TCodMdl::Trad1 + lingua - 1].empty()) v[TCodMdl::Descr] = v[TCodMdl::Trad1 + lingua - 1];
    v[TCodMdl::Filtro] = q->FieldByName("Filtro").AsString();
    v[TCodMdl::FiltroAux] = q->FieldByName("FiltroK4").AsString();
    for (int i = 0; i < 5; ++i) v[TCodMdl::User1 + i] = Trim(q->FieldByName(users[static_cast<size_t>(i)]).AsString());
    v[TCodMdl::Azioni] = q->FieldByName("Azioni").AsString();
    v[TCodMdl::Attributo] = q->FieldByName("Attributo").AsString();
    v[TCodMdl::TipoBitMap] = q->FieldByName("TipoBitMap").AsString();
    TCodMdl::Testi t;
    for (int i = 0; i < TCodMdl::NumCampi; ++i) t[static_cast<size_t>(i)] = v[static_cast<size_t>(i)];
    auto cm = TCodMdl::Crea(idDatabase, t);
    cm->ha_foto = !q->FieldByName("TipoFoto").AsString().empty();
    cm->ha_scheda = !q->FieldByName("TipoSchedaTecnica").AsString().empty();
    lista.Aggiungi(std::move(cm));
  }
}

TVistiPri* TGestore::AggiungiPrimaria(int car, int val, int id, const std::string& des, const std::string& desLingua,
                                      int idListino, const TTraduzioni& traduzioni, bool isFendrix) {
  for (const auto& p : m_primarie)
    if (p->m_Car == car && p->m_Val == val && p->m_IdListino == idListino) return p.get();
  auto p = std::make_unique<TVistiPri>(m_MettiCartelleVuote, this);
  p->Init(car, val, id, des, desLingua, idListino, traduzioni, isFendrix);
  m_primarie.push_back(std::move(p));
  return m_primarie.back().get();
}

void TGestore::AggiungiSecondarieAlternativa(int codValore, TVistiPri* pPri, TVistiSec* pSecPadre, int& glbIdP,
                                             TDMMain& dm, IndiceCodici& indice,
                                             const std::vector<TCodMdl*>& codiciPadre, const std::vector<int>& listaId) {
  if (!IsInMappaCache(ComponiChiaveCache(listaId))) return;
  const auto inizio = Orologio::now();
  const std::string aux = dm.GetDBAux();
  const int lingua = dm.GetIdLingua();

  struct Valore {
    int caratt, codice;
    std::string des, desLingua;
    TTraduzioni trad;
    bool ulteriore;  // a further level exists
  };
  std::vector<Valore> valori;
  {
    std::unique_ptr<TQorQuery2> q = ApriValoriSecondari(dm.Database, aux, codValore);
    if (!q->isEmpty()) {
      TQorField caratt = q->FieldByName("Caratt"), codice = q->FieldByName("Codice"), des = q->FieldByName("Descrizione");
      TQorField ulteriore = q->FieldByName("UlterioreSec");
      std::vector<TQorField> tradF;
      for (int i = 1; i <= 10; ++i) tradF.push_back(q->FieldByName(DescrN(i)));
      for (; !q->Eof(); q->Next()) {
        Valore v{static_cast<int>(caratt.AsInteger()), static_cast<int>(codice.AsInteger()), des.AsString(), "", {}, false};
        for (int i = 1; i <= 10; ++i) v.trad[i] = tradF[static_cast<size_t>(i - 1)].AsString();
        if (lingua > 0) v.desLingua = v.trad[lingua];
        v.ulteriore = !ulteriore.IsNull() && ulteriore.AsInteger() != v.caratt;
        valori.push_back(std::move(v));
      }
    }
  }
  if (valori.empty()) {
    pPri->OrdinaPri(dm);
  } else {
    // Codes linked both to a value of the secondary characteristic and to the primary value, by value.
    const int caratt = valori.front().caratt;
    auto [letti, nuovi] = indice.legamiPerCaratt.try_emplace(caratt);
    std::unordered_map<int, std::vector<TCodMdl*>>& perValore = letti->second;
    auto aggiungi = [&](int valore, std::string_view codice) {
      if (TCodMdl* cm = indice.Trova(codice)) perValore[valore].push_back(cm);
    };
    const AnticipoLegami::Righe* anticipate = nuovi && indice.anticipo ? indice.anticipo->Legami(caratt) : nullptr;
    if (anticipate != nullptr) {
      for (const auto& [valore, codice] : *anticipate) aggiungi(valore, codice);
    } else if (nuovi) {
      std::unique_ptr<TQorQuery2> q = ApriLegami(dm.Database, aux, caratt, pPri->m_Val);
      std::string scratch;
      for (; !q->Eof(); q->Next())
        aggiungi(static_cast<int>(q->Fields(0).AsInteger()), Testo(q->Fields(1).Value(), scratch));
    }
    for (const Valore& v : valori) {
      TVista* padre = pSecPadre != nullptr ? static_cast<TVista*>(pSecPadre) : pPri;
      TVistiSec* vista = padre->InsSec(v.caratt, v.codice, ++glbIdP, v.des, v.desLingua, v.trad);
      std::vector<TCodMdl*> codici;
      if (auto it = perValore.find(v.codice); it != perValore.end())
        for (TCodMdl* cm : it->second)
          if (Contiene(codiciPadre, cm->cod())) codici.push_back(cm);
      std::sort(codici.begin(), codici.end(), [](TCodMdl* a, TCodMdl* b) { return a->cod() < b->cod(); });
      codici.erase(std::unique(codici.begin(), codici.end()), codici.end());
      for (TCodMdl* cm : codici) vista->AddCarvalNoCheck(cm);
      std::vector<int> lista = listaId;
      lista.push_back(v.codice);
      if (!v.ulteriore) {
        if (vista->IsInit()) vista->Ordina(dm, pPri->m_Val, v.codice, lista);
      } else {
        AggiungiSecondarieAlternativa(v.codice, pPri, vista, glbIdP, dm, indice, codici, lista);
      }
    }
  }
  ScriviLog("// TGestore.aggiungiSec fine " + Trascorso(inizio));
}

}  // namespace rovan
