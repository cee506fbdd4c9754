#include "container/riga_comando.h"

#include <gtest/gtest.h>

namespace rovan {
namespace {

TEST(RigaComandoTest, VerbAndArgument) {
  struct Case {
    const char* riga;
    const char* verbo;
    const char* argomento;
  } cases[] = {
      {"setta_filtro", "setta_filtro", ""},
      {"  \tsetta_filtro \r\n", "setta_filtro", ""},               // the whole line is trimmed
      {"setta_cartella 12\\40", "setta_cartella", "12\\40"},
      {"setta_cartella   12\\40  x ", "setta_cartella", "  12\\40  x"},  // blanks after the first one stay
      {"esporta_json \"/tmp/a b.json\"", "esporta_json", "/tmp/a b.json"},  // quotes removed
      {"nascondi_linguetta \"\"", "nascondi_linguetta", ""},
      {"x a\"b\"c\"", "x", "abc"},
      {"\"quoted\" verb", "\"quoted\"", "verb"},                    // quotes belong to the argument only
      {"preferiti|carica_da_file|/tmp/p", "preferiti|carica_da_file|/tmp/p", ""},
      {"", "", ""},
      {"   ", "", ""},
      {"verbo\tcon tab", "verbo\tcon", "tab"},                      // only a space ends the verb
  };
  for (const Case& c : cases) {
    const TRigaComando r(c.riga);
    EXPECT_EQ(r.verbo(), c.verbo) << c.riga;
    EXPECT_EQ(r.argomento(), c.argomento) << c.riga;
  }
}

TEST(RigaComandoTest, FieldsAreTrimmedAndNumbersDefaultToZero) {
  const TRigaComando r("linguette_temporanee  addcod | 12 |\" A 1 \"|x|");
  EXPECT_EQ(r.Campo(1), "addcod");
  EXPECT_EQ(r.Campo(2), "12");
  EXPECT_EQ(r.Campo(3), "A 1");
  EXPECT_EQ(r.Campo(4), "x");
  EXPECT_EQ(r.Campo(5), "");  // empty after the last separator
  EXPECT_EQ(r.Campo(6), "");  // missing
  EXPECT_EQ(r.Intero(2), 12);
  EXPECT_EQ(r.Intero(1), 0);  // not a number
  EXPECT_EQ(r.Intero(9), 0);  // missing

  const TRigaComando negativo("x a|-3");
  EXPECT_EQ(negativo.Intero(2), -3);

  const TRigaComando verbo("preferiti|\tsalva_su_file\t|/tmp/p|q");  // a tab does not end the verb
  EXPECT_EQ(verbo.CampoVerbo(1), "preferiti");
  EXPECT_EQ(verbo.CampoVerbo(2), "salva_su_file");
  EXPECT_EQ(verbo.CampoVerbo(3), "/tmp/p");  // a field ends at the next separator
  EXPECT_EQ(verbo.CampoVerbo(4), "q");
}

}  // namespace
}  // namespace rovan
