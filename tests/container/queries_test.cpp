// The container's read side as the host uses it: the typical request from the tree to an item.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "engine/linguette_temporanee.h"
#include "engine/gestore.h"
#include "engine/json_writer.h"
#include "plugin/ItfRovan.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"
#include "platform/code_page.h"
#include "storage/listino_campione.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

class ContenitoreTest : public ListinoTest {
 protected:
  // A sample price list of 300 items, changed by the statements, opened by a container the way a host in
  // container mode does.
  IRovanContainer* Contenitore(const std::vector<std::string>& sql = {}) {
    OpzioniCampione o;
    o.articoli = 300;
    const std::string file = folder_.File("c.sqlite");
    if (!std::filesystem::exists(file)) {
      ScriviListinoCampione(file, o);
      Esegui(file, sql);
    }
    void* obj = nullptr;
    RovanGetInstanceByName("IRovan", &obj);
    rovan_ = static_cast<IRovan*>(obj);
    rovan_->createRovan2();
    RovanGetInstanceByName("IRovanContainer.7", &obj);
    auto* c = static_cast<IRovanContainer*>(obj);
    rovan_->apriListino(("provider=sqlite;Database=" + file).c_str());
    return c;
  }
  // The first leaf below a node, depth first.
  static IRovanTree* Foglia(IRovanTree* n) {
    while (n->GetNumFigli() > 0) n = n->GetFiglio(0);
    return n;
  }
  static std::string Testo(IBlob* b) {
    std::string utf16(static_cast<const char*>(b->Data()), b->Size());
    return Utf16LeToUtf8(utf16);
  }
  IRovan* rovan_ = nullptr;
};

TEST_F(ContenitoreTest, TypicalRequest) {
  IRovanContainer* c = Contenitore();
  auto* radice = static_cast<IRovanTree*>(c->GetRovanTree());
  ASSERT_NE(radice, nullptr);
  EXPECT_EQ(radice->GetIdNodo(), -1);
  EXPECT_EQ(radice->GetNumFigli(), 10);  // the ten product lines
  IRovanTree* cucine = radice->GetFiglio(0);
  EXPECT_STREQ(cucine->GetDescrNodo(), "Cucine");
  EXPECT_STREQ(cucine->GetTraduzioneNodo(1), "Kitchens");
  EXPECT_STREQ(cucine->GetTipoNodo(), "FNDX");  // container mode opens the price list as an object library
  int32_t tot = 0, filtrati = 0;
  EXPECT_EQ(cucine->ContaCodiciNodo(&tot, &filtrati), -1);

  IRovanTree* foglia = Foglia(cucine);
  EXPECT_GT(foglia->ContaCodiciNodo(&tot, &filtrati), 0);
  auto* codici = static_cast<IRovanCodici*>(c->GetRovanCodici(1, foglia->GetIdNodo()));
  ASSERT_NE(codici, nullptr);
  EXPECT_EQ(codici->Count(), tot);
  const std::string codice = codici->Codice(0);

  auto* blob = static_cast<IBlob*>(c->getCompostoDBBlob(codice.c_str()));
  ASSERT_NE(blob, nullptr);
  const std::string definizione = Testo(blob);
  EXPECT_NE(definizione.find("SET_NAME \"" + codice + "\""), std::string::npos);
  EXPECT_EQ(blob->Release(), 0);

  const std::string file = folder_.File("def.cmp");
  EXPECT_EQ(c->getCompostoDB(codice.c_str(), file.c_str()), 1);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(c->getCompostoDB(std::string(31, 'X').c_str(), file.c_str()), 0);
  EXPECT_EQ(codici->Release(), 0);

  auto* json = static_cast<IBlob*>(c->GetRovanTreeJson());
  ASSERT_NE(json, nullptr);
  EXPECT_EQ(Testo(json).rfind("{\r\n\"primaria\":", 0), 0u);
  json->Release();

  auto* trovati = static_cast<IRovanCodici*>(c->FindCodici("*-00001?", 0));
  ASSERT_NE(trovati, nullptr);
  EXPECT_EQ(trovati->Count(), 10);  // 000010 ... 000019
  trovati->Release();
  c->Release();
}

TEST_F(ContenitoreTest, TreeJsonIsTheUtf8DocumentInUtf16) {
  // Texts beyond ASCII, with characters JSON escapes and bytes that are not UTF-8 (a lone byte, a sequence
  // cut short before the closing quotation mark, an encoded surrogate).
  IRovanContainer* c = Contenitore({
      "update composti set DescrEstesa = DescrEstesa || ' è€😀 \"q\" a\\b' || char(9, 1) || cast(x'FF' as text)"
      " where rowid % 3 = 0",
      "update composti set DescrEstesa = 'fine ' || cast(x'E282' as text) where rowid % 3 = 1",
      "update valori set Descrizione = Descrizione || cast(x'EDA080' as text) || ' ü', Descr1 = 'Ω' where Codice % 2 = 0",
  });
  c->GetRovanTree();
  JsonLines utf8;
  static_cast<TRovanContainer*>(c)->gestore()->ScriviGestJson(utf8);
  for (const char* atteso : {"è€😀 \\\"q\\\" a\\\\b\\t\\u0001\xFF\"", "fine \xE2\x82\"", "\xED\xA0\x80 ü\"", "\"Ω\""})
    EXPECT_NE(utf8.testo().find(atteso), std::string::npos) << atteso;

  auto* json = static_cast<IBlob*>(c->GetRovanTreeJson());
  ASSERT_NE(json, nullptr);
  EXPECT_EQ(std::string(static_cast<const char*>(json->Data()), json->Size()),
            Utf8ToUtf16Le(utf8.testo()) + std::string(2, '\0'));
  json->Release();
  c->Release();
}

TEST_F(ContenitoreTest, ItemsPicturesAndFields) {
  IRovanContainer* c = Contenitore();
  c->GetRovanTree();
  char valore[512] = "x";
  // The item 000000 has a bmp picture; 000050 a pdf sheet; 000075 a link sheet; 000000 an object.
  auto codiceDi = [&](const char* numero) {
    auto* r = static_cast<IRovanCodici*>(c->FindCodici((std::string("*-") + numero).c_str(), 0));
    std::string cod = r->Count() > 0 ? r->Codice(0) : "";
    r->Release();
    return cod;
  };
  const std::string conFoto = codiceDi("000000"), conScheda = codiceDi("000050"), conLink = codiceDi("000075");
  ASSERT_FALSE(conFoto.empty());
  auto* png = static_cast<IBlob*>(c->getImmagineDBBlobTipo(2, 60, 80, conFoto.c_str()));
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(std::string(static_cast<const char*>(png->Data()) + 1, 3), "PNG");
  png->Release();
  EXPECT_EQ(c->getImmagineDBBlobTipo(2, 60, 80, conScheda.c_str()), nullptr);  // no picture
  const std::string bmp = folder_.File("x.bmp");
  char nomeFile[512];
  std::strcpy(nomeFile, bmp.c_str());
  char cod[64];
  std::strcpy(cod, conFoto.c_str());
  EXPECT_EQ(c->getImmagineDB(1, cod, nomeFile, 32, 32), 0);  // 0 even when the file was written
  EXPECT_TRUE(std::filesystem::exists(bmp));

  EXPECT_EQ(c->getSchedaTecnica(conScheda.c_str(), valore), 1);
  EXPECT_EQ(std::string(valore), std::string(CartellaTemporanea()) + "scheda_rovan.pdf");
  EXPECT_EQ(c->getSchedaTecnica(conLink.c_str(), valore), 1);
  EXPECT_EQ(std::string(valore).rfind("lnk:http://", 0), 0u);
  EXPECT_EQ(c->getSchedaTecnica(conFoto.c_str(), valore), 0);

  char oggetto[] = "istruzioni", vuoto[] = "";
  std::string cartella = folder_.path();
  EXPECT_EQ(c->getOggetto(cod, oggetto, vuoto), 1);
  EXPECT_EQ(c->getOggetto(cod, oggetto, cartella.data()), 1);
  EXPECT_TRUE(std::filesystem::exists(folder_.File(conFoto + "_istruzionitxt")));
  char altro[] = "nessuno";
  EXPECT_EQ(c->getOggetto(cod, altro, vuoto), 0);

  struct Case {
    const char* campo;
    int32_t risultato;
    const char* valore;  // null: not checked
  } cases[] = {
      {"User6", 1, ""}, {"UserX", 1, ""}, {"User1", 1, nullptr}, {"Nota", 1, nullptr}, {"SINO", 1, "SI"},
      {"Azioni", 1, "AB"}, {"Finitura", 1, nullptr}, {"Nessuna caratteristica", 0, ""},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(c->queryListino(conFoto.c_str(), k.campo, valore), k.risultato) << k.campo;
    if (k.valore != nullptr) {
      EXPECT_STREQ(valore, k.valore) << k.campo;
    }
  }
  EXPECT_EQ(c->queryListino("NESSUNO", "SINO", valore), 0);
  EXPECT_STREQ(valore, "");

  char ret[64], des[64];
  EXPECT_EQ(c->GetNumLingue(0), 3);
  EXPECT_EQ(c->GetLingua(0, 2, ret, des), 1);
  EXPECT_STREQ(ret, "DE");
  EXPECT_EQ(c->GetLingua(0, 7, ret, des), 1);
  EXPECT_STREQ(ret, "");
  EXPECT_EQ(c->GetLingua(5, 1, ret, des), 0);
  auto* attr = static_cast<IRovanAttributeApparence*>(c->get_AttribApparence("PROMO"));
  ASSERT_NE(attr, nullptr);
  EXPECT_EQ(attr->FontStyleIsItalic(), 1);
  EXPECT_EQ(c->get_AttribApparence("promo"), nullptr);
  EXPECT_EQ(c->IsVisibilePerFiltriExp(cod), 1);
  char lungo[40] = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";
  EXPECT_EQ(c->IsVisibilePerFiltriExp(lungo), 0);
  c->Release();
}

TEST_F(ContenitoreTest, TreeRefreshAndReload) {
  IRovanContainer* c = Contenitore();
  auto* radice = static_cast<IRovanTree*>(c->GetRovanTree());
  IRovanTree* primo = radice->GetFiglio(0);
  EXPECT_EQ(c->GetRovanTreeExt(2), radice);                // the regular nodes stay the same objects
  EXPECT_EQ(static_cast<IRovanTree*>(c->GetRovanTreeExt(2))->GetFiglio(0), primo);
  char x[] = "x", r[] = "r";
  EXPECT_EQ(c->apriListino(x), 0);
  EXPECT_EQ(c->GetRovanTree(), radice);                    // unchanged
  EXPECT_EQ(c->apriListino(r), 0);                         // reloaded: a new tree
  auto* nuova = static_cast<IRovanTree*>(c->GetRovanTree());
  EXPECT_EQ(nuova->GetNumFigli(), 10);
  c->Release();
}

TEST_F(ContenitoreTest, TreeOutsideContainerMode) {
  // A price list named by the host's alias; value 14 has no codes; a rule hides "Bagni".
  const std::string file = NuovoListino("h.sqlite", {
      "insert into valori (Codice, Descrizione, Caratt, Ordine) values (12, 'Cucine', 1, 2), (13, 'Bagni', 1, 3),"
      " (14, 'Vuoto', 1, 4)",
      "insert into composti (Codice, Modello) values ('A1', '_'), ('B1', '_')",
      "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('A1', '_', 1, 12), ('B1', '_', 1, 13)",
  });
  kalvor::Host::Instance().SetText("AliasListino", "provider=sqlite;Database=" + file);
  struct Case {
    int param;
    bool debug;
    int figli;  // regular tabs: 12 (13 hidden), plus 1 and 14 when empty tabs are kept; and the favourites
  } cases[] = {{0, false, 2}, {1, false, 4}, {0, true, 4}};
  for (const Case& k : cases) {
    kalvor::Host::Instance().SetNumber("CMP_DEBUG", k.debug ? 1 : 0);
    void* obj = nullptr;
    RovanGetInstanceByName("IRovanContainer", &obj);
    auto* c = static_cast<IRovanContainer*>(obj);
    c->GetRovanTreeExt(k.param);
    TGestore* g = static_cast<TRovanContainer*>(c)->gestore();
    g->linguetteNascoste().Aggiungi(-1, "Bagni");
    c->ResetTree();
    auto* radice = static_cast<IRovanTree*>(c->GetRovanTreeExt(k.param));
    EXPECT_EQ(radice->GetNumFigli(), k.figli) << k.param << k.debug;
    EXPECT_STREQ(radice->GetFiglio(0)->GetTipoNodo(), "PREF");  // favourites at the start
    // A refresh adds the temporary tabs at the end.
    const int t = g->AddLinguettaTemporanea("Scelti", -1);
    g->AddLinguettaTemporanea("Sotto", t);
    radice = static_cast<IRovanTree*>(c->GetRovanTreeExt(2));
    ASSERT_EQ(radice->GetNumFigli(), k.figli + 1);
    EXPECT_STREQ(radice->GetFiglio(0)->GetTipoNodo(), "PREF");
    IRovanTree* temporanea = radice->GetFiglio(k.figli);
    EXPECT_STREQ(temporanea->GetTipoNodo(), "TMP");
    EXPECT_EQ(temporanea->GetIdNodo(), 100000 + t);
    EXPECT_EQ(temporanea->GetNumFigli(), 1);
    c->Release();
  }
}

}  // namespace
}  // namespace rovan::test
