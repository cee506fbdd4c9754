// The container's command dispatcher as a host drives it: command lines through IRovanContainer.Command,
// answers through the result, host variables, files and the events that reach the host's sink.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/gestore.h"
#include "engine/json_writer.h"
#include "host/motore/motore_host.h"
#include "plugin/ItfRovan.h"
#include "plugin/password.h"
#include "plugin/rovan_container.h"
#include "storage/listino_campione.h"
#include "tests/storage/listino_fixture.h"
#include "ui/ImageDB.h"

namespace rovan::test {
namespace {

using Eventi = std::vector<std::pair<int32_t, std::string>>;

// The host's event sink: records every notification and can act while it is being notified, as a host
// that rebuilds its tree from inside the event does.
struct Sink : IRovanEventSink {
  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return E_NOINTERFACE; }
  int32_t ROVAN_STDCALL AddRef() override { return 2; }
  int32_t ROVAN_STDCALL Release() override { return 1; }
  void ROVAN_STDCALL OnNotifica(int32_t tipo, const char* msg) override {
    ricevuti.emplace_back(tipo, msg);
    if (durante) durante();
  }
  Eventi ricevuti;
  std::function<void()> durante;
};

// A container on a sample price list of 300 items named by the host's alias, outside container mode (so
// its tree carries the temporary and favourite tabs), with the host's event sink set.
class ComandiTest : public ListinoTest {
 protected:
  void SetUp() override {
    ListinoTest::SetUp();
    OpzioniCampione o;
    o.articoli = 300;
    ScriviListinoCampione(folder_.File("c.sqlite"), o);
    host_.SetText("AliasListino", "provider=sqlite;Database=" + folder_.File("c.sqlite"));
    void* obj = nullptr;
    RovanGetInstanceByName("IRovanEvent", &obj);
    static_cast<IRovanEvent*>(obj)->SetSink(&sink_);
    RovanGetInstanceByName("IRovanContainer.7", &obj);
    c_ = static_cast<IRovanContainer*>(obj);
  }
  void TearDown() override {
    c_->Release();
    ListinoTest::TearDown();
  }

  // The tree as the host asks for it first (the engine is created then).
  IRovanTree* Albero() { return static_cast<IRovanTree*>(c_->GetRovanTree()); }
  // The tree refreshed after temporary or favourite tabs changed.
  IRovanTree* Aggiornato() { return static_cast<IRovanTree*>(c_->GetRovanTreeExt(2)); }
  TGestore& Motore() { return *static_cast<TRovanContainer*>(c_)->gestore(); }
  bool InCommand() { return static_cast<TRovanContainer*>(c_)->InCommand; }

  // One command line; the events it raised are in ricevuti() afterwards.
  int32_t Comando(const std::string& riga) {
    sink_.ricevuti.clear();
    return c_->Command(riga.c_str());
  }
  const Eventi& ricevuti() const { return sink_.ricevuti; }

  // The first code the search finds (empty when none).
  std::string Codice(const char* impronta) {
    auto* r = static_cast<IRovanCodici*>(c_->FindCodici(impronta, 0));
    std::string cod = r->Count() > 0 ? r->Codice(0) : "";
    r->Release();
    return cod;
  }
  // The codes of a tab as the host lists them.
  std::vector<std::string> CodiciDi(int32_t id) {
    auto* l = static_cast<IRovanCodici*>(c_->GetRovanCodici(id, -1));
    std::vector<std::string> codici;
    for (int32_t i = 0; i < l->Count(); ++i) codici.emplace_back(l->Codice(i));
    l->Release();
    return codici;
  }
  std::string Variabile(const char* nome) {
    const TVarRec* v = host_.Find(nome);
    return v != nullptr ? v->valore.testo : "<missing>";
  }

  kalvor::Host& host_ = kalvor::Host::Instance();
  Sink sink_;
  IRovanContainer* c_ = nullptr;
};

TEST_F(ComandiTest, BeforeTheEngineEveryLineAnswersZeroAndDoesNothing) {
  const std::string file = folder_.File("nuovo.sqlite");
  const std::vector<std::string> righe = {"aggiorna_finestra", "sconosciuto",          "EstraiOggetto", "",
                                         "setta_cartella 1",  "crea_sqlite " + file, "password_criptata abc"};
  for (const std::string& riga : righe) {
    EXPECT_EQ(Comando(riga), 0) << riga;
  }
  EXPECT_TRUE(ricevuti().empty());
  EXPECT_EQ(static_cast<TRovanContainer*>(c_)->gestore(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(host_.Find("NAV_CRIPTA"), nullptr);
}

TEST_F(ComandiTest, VerbsMatchInTableOrderCaseSensitively) {
  Albero();
  struct Case {
    const char* riga;
    int32_t esito;
    Eventi eventi;
  } cases[] = {
      {"aggiorna_finestra", 0, {{1, ""}}},
      {" \t aggiorna_finestra \r\n", 0, {{1, ""}}},
      {"aggiorna_finestra ignorato", 0, {{1, ""}}},
      {"aggiorna_finestraX", -1, {}},  // an exact verb
      {"Aggiorna_finestra", -1, {}},   // case-sensitive
      {"aggiorna_albero_k4", 0, {{3, ""}}},
      {"aggiorna_albero_k4_rid", 0, {{4, ""}}},
      {"aggiorna_albero_k4_ridotto", 0, {{3, ""}}},  // only the exact reduced verb raises 4
      {"aggiorna_albero_k4xyz qualcosa", 0, {{3, ""}}},
      {"aggiorna_albero_k", -1, {}},
      {"setta_filtro", 0, {{3, ""}}},
      {"setta_filtro_altro", -1, {}},
      {"EstraiOggetto", -1, {}},
      {"EstraiOggetto a|b", -1, {}},
      {"generici_altro", -1, {}},
      {"linguette_temporanee_x sconosciuto", 0, {}},  // a prefix verb; an unknown subcommand does nothing
      {"sconosciuto", -1, {}},
      {"", -1, {}},
      {"\"aggiorna_finestra\"", -1, {}},  // quotes are removed from the argument only
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Comando(c.riga), c.esito) << c.riga;
    EXPECT_EQ(ricevuti(), c.eventi) << c.riga;
    EXPECT_FALSE(InCommand()) << c.riga;
  }
}

TEST_F(ComandiTest, FilterOptionsAreReadAgainAndTheRefreshWaitsForTheHostsLoading) {
  Albero();
  const std::string codice = Codice("*-000001");
  ASSERT_FALSE(codice.empty());
  const std::string visibile = "IsVisibilePerFiltri " + codice;
  host_.SetText("LST_FILTRO", "ZZZ");  // a model no sample item carries
  EXPECT_EQ(Comando(visibile), 1);     // the engine still has the options it read when it was created
  EXPECT_EQ(Comando("setta_filtro"), 0);
  EXPECT_EQ(Comando(visibile), 0);

  host_.NotifyStatus(13);  // the host starts loading
  EXPECT_EQ(Comando("setta_filtro"), 0);
  EXPECT_TRUE(ricevuti().empty());
  host_.NotifyStatus(41);  // and has finished
  EXPECT_EQ(Comando("setta_filtro"), 0);
  EXPECT_EQ(ricevuti(), (Eventi{{3, ""}}));
}

TEST_F(ComandiTest, HiddenTabRules) {
  Albero();
  const TLinguetteNascoste& nascoste = Motore().linguetteNascoste();
  struct Case {
    const char* riga;
    int idListino;  // a tab of this price list ...
    const char* descrizione;
    const char* path;
    bool nascosta;  // ... is hidden by the rule
  } cases[] = {
      {"nascondi_linguetta Cucine", 4, "Cucine", "", true},             // every price list
      {"nascondi_linguetta_idl01 Cucine", 1, "Cucine", "", true},
      {"nascondi_linguetta_idl01 Cucine", 0, "Cucine", "", false},      // bound to price list 1
      {"nascondi_linguetta_idl 1Cucine", 0, "1Cucine", "", true},       // nothing after _idl: price list 0
      {"nascondi_linguetta_idlxx Cucine", 0, "Cucine", "", true},       // not a number: price list 0
      {"nascondi_linguetta_idlxx Cucine", 1, "Cucine", "", false},
      {"nascondi_linguetta_idl2 Cucine", 2, "Cucine", "", true},        // one character after _idl
      {"nascondi_linguetta_idl-1 Cucine", 3, "Cucine", "", true},       // -1: every price list
      {"nascondi_linguetta_path 1\\111", 0, "", "1\\111", true},
      {"nascondi_linguetta_path 1\\111", 0, "1\\111", "", false},       // a path rule, not a description
      {"nascondi_linguetta_path_idl01 \"1\\111\"", 1, "", "1\\111", true},
      {"nascondi_linguetta_path_idl01 1\\111", 0, "", "1\\111", false},
      {"nascondi_linguetta  Cucine", 0, " Cucine", "", true},           // the extra blank is kept
      {"nascondi_linguetta  Cucine", 0, "Cucine", "", false},
      {"nascondi_linguetta \"Cucine Moderne\"", 0, "Cucine Moderne", "", true},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Comando("nascondi_linguetta"), 0);  // no argument: every rule goes
    EXPECT_EQ(nascoste.Count(), 0);
    EXPECT_EQ(Comando(c.riga), 0) << c.riga;
    EXPECT_EQ(nascoste.Count(), 1) << c.riga;
    EXPECT_EQ(nascoste.IsNascosta(c.idListino, c.descrizione, c.path), c.nascosta) << c.riga << " " << c.idListino;
  }

  // A rule takes effect in the next tree the container builds.
  EXPECT_EQ(Comando("nascondi_linguetta Cucine"), 0);
  c_->ResetTree();
  IRovanTree* radice = Albero();
  for (int32_t i = 0; i < radice->GetNumFigli(); ++i) {
    EXPECT_STRNE(radice->GetFiglio(i)->GetDescrNodo(), "Cucine");
  }
}

TEST_F(ComandiTest, TemporaryTabsAppearInTheRefreshedTree) {
  const int32_t regolari = Albero()->GetNumFigli();  // the favourites' root and the product lines
  const std::string codice = Codice("*-000001"), altro = Codice("*-000002");
  const std::vector<std::string> righe = {
      "linguette_temporanee add|Scelti",
      "linguette_temporanee addfiglia| 0 |\"Sotto scelti\"",
      "linguette_temporanee addcod|1|" + codice,
      "linguette_temporanee addcod|1| " + altro + " ",
      "linguette_temporanee addcod|1|NONESISTE",  // no such code
      "linguette_temporanee addcod|7|" + codice,  // no such tab
      "linguette_temporanee add",                 // a tab without description
      "linguette_temporanee boh|x",               // not a subcommand
  };
  for (const std::string& riga : righe) {
    EXPECT_EQ(Comando(riga), 0) << riga;
  }
  IRovanTree* radice = Aggiornato();
  ASSERT_EQ(radice->GetNumFigli(), regolari + 2);
  IRovanTree* scelti = radice->GetFiglio(regolari);  // at the end
  EXPECT_STREQ(scelti->GetTipoNodo(), "TMP");
  EXPECT_EQ(scelti->GetIdNodo(), 100000);
  EXPECT_STREQ(scelti->GetDescrNodo(), "Scelti");
  ASSERT_EQ(scelti->GetNumFigli(), 1);
  EXPECT_EQ(scelti->GetFiglio(0)->GetIdNodo(), 100001);
  EXPECT_STREQ(scelti->GetFiglio(0)->GetDescrNodo(), "Sotto scelti");
  EXPECT_EQ(CodiciDi(100001), (std::vector<std::string>{codice, altro}));
  EXPECT_STREQ(radice->GetFiglio(regolari + 1)->GetDescrNodo(), "");  // "add" without a description

  struct Case {
    const char* riga;
    bool inizio;
  } posizioni[] = {
      {"linguette_temporanee pos|inizio", true},
      {"linguette_temporanee pos|fine", false},
      {"linguette_temporanee pos| inizio ", true},
      {"linguette_temporanee pos|Inizio", false},
      {"linguette_temporanee pos|", false},
  };
  for (const Case& c : posizioni) {
    EXPECT_EQ(Comando(c.riga), 0);
    radice = Aggiornato();
    // The favourites' root always comes first.
    EXPECT_STREQ(radice->GetFiglio(0)->GetTipoNodo(), "PREF") << c.riga;
    const int32_t dove = c.inizio ? 1 : regolari;
    EXPECT_EQ(radice->GetFiglio(dove)->GetIdNodo(), 100000) << c.riga;
  }

  EXPECT_EQ(Comando("linguette_temporanee clear"), 0);
  EXPECT_EQ(Aggiornato()->GetNumFigli(), regolari);
}

TEST_F(ComandiTest, FavouritesAreLoadedAndSavedThroughTheVerb) {
  Albero();
  const std::string codice = Codice("*-000003");
  const std::string da = folder_.File("da.pref"), a = folder_.File("a.pref");
  test::WriteFile(da, "0|0|Preferiti\r\n1|0|Scelti\r\n2|1|Dentro\r\nCODICI\r\n2|" + codice + "\r\n2|NONESISTE\r\n");
  EXPECT_EQ(Comando("preferiti|carica_da_file|" + da), 0);
  IRovanTree* pref = Aggiornato()->GetFiglio(0);
  EXPECT_EQ(pref->GetIdNodo(), 200000);
  ASSERT_EQ(pref->GetNumFigli(), 1);
  IRovanTree* scelti = pref->GetFiglio(0);
  EXPECT_STREQ(scelti->GetDescrNodo(), "Scelti");
  ASSERT_EQ(scelti->GetNumFigli(), 1);
  EXPECT_EQ(scelti->GetFiglio(0)->GetIdNodo(), 200002);
  EXPECT_EQ(CodiciDi(200002), std::vector<std::string>{codice});

  EXPECT_EQ(Comando("preferiti|sconosciuto|" + a), 0);  // an unknown subcommand does nothing
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_EQ(Comando("preferiti|salva_su_file|" + a), 0);
  EXPECT_EQ(test::ReadFile(a),
            "\xEF\xBB\xBF" "0|0|Preferiti\r\n1|0|Scelti\r\n2|1|Dentro\r\nCODICI\r\n2|" + codice + "\r\n");
}

TEST_F(ComandiTest, SettaCartellaAnswersWithTheTabIdInEvent5) {
  Albero();
  TGestore& g = Motore();
  const TVistiPri& primaria = *g.primarie()[1];
  ASSERT_FALSE(primaria.figli().empty());
  const TVista& secondaria = *primaria.figli()[0];
  struct Case {
    std::string riga;
    std::string id;
  } cases[] = {
      {"setta_cartella " + std::to_string(primaria.val()), std::to_string(primaria.id())},
      {"setta_cartella " + g.GetPathLinguetta(secondaria.id()), std::to_string(secondaria.id())},
      {"setta_cartella \"" + g.GetPathLinguetta(secondaria.id()) + "\"", std::to_string(secondaria.id())},
      {"setta_cartella 999999", "-1"},
      {"setta_cartella", "-1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Comando(c.riga), 0) << c.riga;
    EXPECT_EQ(ricevuti(), (Eventi{{5, c.id}})) << c.riga;
  }
}

TEST_F(ComandiTest, ANewCommandIsRefusedWhileAnEventOfOneIsHandled) {
  Albero();
  std::vector<int32_t> dentro;
  void* albero = nullptr;
  sink_.durante = [&] {
    dentro.push_back(c_->Command("aggiorna_finestra"));
    albero = c_->GetRovanTreeExt(2);  // other operations are allowed
  };
  EXPECT_EQ(Comando("aggiorna_albero_k4"), 0);
  EXPECT_EQ(dentro, std::vector<int32_t>{-1});
  EXPECT_NE(albero, nullptr);
  EXPECT_EQ(ricevuti(), (Eventi{{3, ""}}));  // the refused command raised nothing

  sink_.durante = nullptr;
  EXPECT_FALSE(InCommand());
  EXPECT_EQ(Comando("aggiorna_finestra"), 0);
}

TEST_F(ComandiTest, AnExceptionIsLoggedAndTheNextCommandRuns) {
  Albero();
  const std::string nessuna = folder_.File("manca/x");
  for (const std::string& riga : {"preferiti|salva_su_file|" + nessuna, "esporta_json " + nessuna}) {
    EXPECT_EQ(Comando(riga), -1) << riga;
    EXPECT_FALSE(InCommand());
    EXPECT_EQ(Log().back(), "Eccezione in Command Impossibile scrivere il file " + nessuna) << riga;
  }
  EXPECT_EQ(Comando("aggiorna_finestra"), 0);
}

TEST_F(ComandiTest, ExportsAndNewPriceLists) {
  Albero();
  const std::string json = folder_.File("albero e codici.json");
  EXPECT_EQ(Comando("esporta_json \"" + json + "\""), 0);
  JsonLines atteso;
  Motore().ScriviGestJson(atteso);
  EXPECT_EQ(test::ReadFile(json), atteso.testo());

  const std::string nuovo = folder_.File("nuovo.sqlite");
  EXPECT_EQ(Comando("crea_sqlite " + nuovo), 0);
  std::unique_ptr<TDMMain> dm = Apri("provider=sqlite;Database=" + nuovo);
  EXPECT_EQ(dm->GetVersioneTabelle(), 20);
  EXPECT_EQ(dm->GetIdxPrimaria(), 1);
  EXPECT_EQ(Comando("crea_sqlite " + nuovo), 0);  // refused with a message, still 0
  EXPECT_EQ(ui_->messages().back(), nuovo + " file già presente");
}

TEST_F(ComandiTest, ResultsInHostVariablesAndOnTheClipboard) {
  Albero();
  for (const char* chiaro : {"segreto", " due blank"}) {
    EXPECT_EQ(Comando(std::string("password_criptata ") + chiaro), 0);
    const std::string criptata = Variabile("NAV_CRIPTA");
    EXPECT_EQ(criptata, "*" + ScramblePassword(chiaro, 1) + "*");
    EXPECT_NE(criptata, std::string("*") + chiaro + "*");
    EXPECT_EQ(ui_->ClipboardText(), criptata);
    // The form a connection string takes, and gives back in clear when it is opened.
    EXPECT_EQ(DecodificaConnessione("Data Source=x;Password=" + criptata),
              std::string("Data Source=x;Password=") + chiaro);
  }

  const std::string variante = Codice("*-000049*");  // every 50th item has a variant part after "#"
  ASSERT_NE(variante.find('#'), std::string::npos);
  const std::string vista = variante.substr(0, variante.find('#'));
  const TCodMdl* cm = Motore().CercaCodice(variante, true);
  ASSERT_NE(cm, nullptr);
  const std::string utente = std::string(cm->user(1));
  struct Case {
    std::string riga;
    std::string codici;
  } cases[] = {
      {"codici_cancelletto " + vista, variante},
      {"codici_cancelletto " + vista + "|1|" + utente, variante},
      {"codici_cancelletto " + vista + "| 1 | " + utente + " ", variante},
      {"codici_cancelletto " + vista + "|1|" + utente + "X", ""},
      {"codici_cancelletto " + vista.substr(0, vista.size() - 1), ""},  // no "#" right after it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Comando(c.riga), 0) << c.riga;
    EXPECT_EQ(Variabile("NAV_CODICI_CANCELLETTO"), c.codici) << c.riga;
  }
}

TEST_F(ComandiTest, ItemPicturesObjectsAndVisibility) {
  Albero();
  const std::string conFoto = Codice("*-000000"), senzaFoto = Codice("*-000001");
  const std::string bmp = folder_.File("foto piccola.bmp");
  struct Case {
    std::string riga;
    int32_t esito;
    bool scritto;
  } cases[] = {
      {"getImmagineDB_bmp " + conFoto + "|\"" + bmp + "\"|32|24", 0, true},
      {"getImmagineDB_bmp " + senzaFoto + "|" + bmp + "|32|24", -1, false},
      {"getImmagineDB_bmp NONESISTE|" + bmp + "|32|24", -1, false},
      {"getImmagineDB_bmp " + conFoto + "|" + bmp + "|0|24", -1, false},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(bmp);
    EXPECT_EQ(Comando(c.riga), c.esito) << c.riga;
    EXPECT_EQ(std::filesystem::exists(bmp), c.scritto) << c.riga;
  }
  Comando(cases[0].riga);
  TImageDB letta;
  ASSERT_TRUE(letta.LoadFromFileDis(bmp));
  EXPECT_EQ(letta.tipo(), imdbBMP);
  EXPECT_EQ(letta.PictureWidth(), 32);
  EXPECT_EQ(letta.PictureHeight(), 24);

  const std::string oggetto = folder_.File("manuale.txt");
  test::WriteFile(oggetto, "Istruzioni di montaggio");
  EXPECT_EQ(Comando("CaricaOggetto " + conFoto + "|manuale|" + oggetto), 0);
  std::string cod = conFoto, nome = "manuale", cartella = folder_.path();
  EXPECT_EQ(c_->getOggetto(cod.data(), nome.data(), cartella.data()), 1);
  EXPECT_EQ(test::ReadFile(folder_.File(conFoto + "_manuale.txt")), "Istruzioni di montaggio");
  EXPECT_EQ(host_.Find("CMP_CREA_ERRORE"), nullptr);
  EXPECT_EQ(Comando("CaricaOggetto " + conFoto + "|manuale|" + folder_.File("manca.txt")), 1);
  EXPECT_EQ(Variabile("CMP_CREA_ERRORE"), "File non presente");
  host_.Remove("CMP_CREA_ERRORE");
  EXPECT_EQ(Comando("CaricaOggetto NONESISTE|manuale|" + oggetto), 1);
  EXPECT_EQ(host_.Find("CMP_CREA_ERRORE"), nullptr);

  EXPECT_EQ(Comando("IsVisibilePerFiltri " + conFoto), 1);
  EXPECT_EQ(Comando("IsVisibilePerFiltriExp " + conFoto), 1);  // a prefix verb
  EXPECT_EQ(Comando("IsVisibilePerFiltri NONESISTE"), 0);
  EXPECT_EQ(Comando("IsVisibilePerFiltri  " + conFoto), 0);  // the blank is part of the code
}

}  // namespace
}  // namespace rovan::test
