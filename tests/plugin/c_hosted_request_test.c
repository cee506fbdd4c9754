/* The typical request of a host written in C that has its engine library in the process, on a sample price
 * list (path given as the argument, relative to the working folder). The host configures the substitute
 * engine library from a settings file (its base folder and the alias variable that names the price list),
 * loads the plug-in, which binds to it, and works outside container mode: it obtains the tree, walks to a
 * leaf and lists its codes, makes a temporary tab holding one of them and loads favourites from a file by
 * command lines, finds both in the refreshed tree, fetches a definition blob and releases everything, every
 * call by slot number. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "host/motore/host_config.h"
#include "tests/plugin/c_host.h"

/* Writes text to a file in the working folder; 0 on success. */
static int Scrivi(const char* nome, const char* testo) {
  FILE* f = fopen(nome, "wb");
  if (!f) return -1;
  int ok = fputs(testo, f) >= 0;
  return fclose(f) == 0 && ok ? 0 : -1;
}

/* The single code of a temporary or favourite tab (container slot 4, list slots 5 and 3), or "" when the
 * tab does not hold exactly one code; the list is released. */
static const char* UnicoCodice(void* container, int32_t id, char* codice, size_t n) {
  void* lista = ((OggettoII)Slot(container, 4))(container, id, -1);
  codice[0] = '\0';
  if (!lista) return codice;
  if (((Intero)Slot(lista, 5))(lista) == 1) snprintf(codice, n, "%s", ((TestoI)Slot(lista, 3))(lista, 0));
  CHECK(((Intero)Slot(lista, 2))(lista) == 0);
  return codice;
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  char base[1024], testo[2048], errore[256];
  if (!getcwd(base, sizeof base)) return 2;

  /* The host: its base folder (where the plug-in's settings live) and the price list named by the alias,
   * written with the host's path notation. */
  snprintf(testo, sizeof testo,
           "[Paths]\nBase=%s\n[Variables]\nAliasListino=T:provider=sqlite;Database=%%BASE%%/%s\n", base, argv[1]);
  CHECK(Scrivi("hosted.ini", testo) == 0);
  CHECK(kalvor_configure_host("hosted.ini", errore, sizeof errore) == 0);
  CHECK(strcmp(errore, "") == 0);
  CHECK(kalvor_configure_host("missing.ini", errore, sizeof errore) == -1);
  CHECK(strcmp(errore, "no such file: missing.ini") == 0);

  void* lib = 0;
  GetInstance get = CaricaPlugin(&lib);
  if (!get) return CHECK_SUMMARY();
  void* rovan = 0;
  void* container = Contenitore(get, "IRovan.1", &rovan); /* container mode off: the host names the price list */
  if (!container) return CHECK_SUMMARY();

  void* radice = ((Oggetto)Slot(container, 3))(container); /* GetRovanTree */
  CHECK(radice != 0);
  if (!radice) return CHECK_SUMMARY();
  const int32_t figli = ((Intero)Slot(radice, 6))(radice);
  CHECK(figli == 11); /* the favourites' root, then the ten product lines */
  void* preferiti = ((OggettoI)Slot(radice, 7))(radice, 0);
  CHECK(strcmp(((Testo)Slot(preferiti, 12))(preferiti), "PREF") == 0); /* GetTipoNodo */
  CHECK(((Intero)Slot(preferiti, 6))(preferiti) == 0);                 /* no favourites file yet */
  void* cucine = ((OggettoI)Slot(radice, 7))(radice, 1);
  CHECK(strcmp(((Testo)Slot(cucine, 5))(cucine), "Cucine") == 0);
  CHECK(strcmp(((Testo)Slot(cucine, 12))(cucine), "") == 0);

  int32_t padre = -1;
  void* foglia = PrimaFoglia(cucine, &padre);
  void* codici = ((OggettoII)Slot(container, 4))(container, padre, ((Intero)Slot(foglia, 3))(foglia));
  CHECK(codici != 0);
  if (!codici) return CHECK_SUMMARY();
  CHECK(((Intero)Slot(codici, 5))(codici) > 0);
  char codice[64];
  snprintf(codice, sizeof codice, "%s", ((TestoI)Slot(codici, 3))(codici, 0));
  CHECK(strncmp(codice, "CU-BAS-", 7) == 0);

  /* A temporary tab holding that code, and favourites loaded from a file: a folder with the same code. */
  CHECK(((InteroT)Slot(container, 41))(container, "linguette_temporanee add|Scelti dal C") == 0);
  snprintf(testo, sizeof testo, "linguette_temporanee addcod|0|%s", codice);
  CHECK(((InteroT)Slot(container, 41))(container, testo) == 0);
  snprintf(testo, sizeof testo, "0|0|Preferiti\r\n1|0|Da un file\r\nCODICI\r\n1|%s\r\n", codice);
  CHECK(Scrivi("hosted.pref", testo) == 0);
  CHECK(((InteroT)Slot(container, 41))(container, "preferiti|carica_da_file|hosted.pref") == 0);

  radice = ((OggettoI)Slot(container, 26))(container, 2); /* GetRovanTreeExt(2): the host refreshes its tree */
  CHECK(((Intero)Slot(radice, 6))(radice) == figli + 1);
  preferiti = ((OggettoI)Slot(radice, 7))(radice, 0);
  CHECK(((Intero)Slot(preferiti, 3))(preferiti) == 200000);
  CHECK(((Intero)Slot(preferiti, 6))(preferiti) == 1);
  void* cartella = ((OggettoI)Slot(preferiti, 7))(preferiti, 0);
  CHECK(cartella != 0);
  if (cartella) {
    CHECK(((Intero)Slot(cartella, 3))(cartella) == 200001);
    CHECK(strcmp(((Testo)Slot(cartella, 5))(cartella), "Da un file") == 0);
  }
  void* temporanea = ((OggettoI)Slot(radice, 7))(radice, figli); /* temporary tabs come last */
  CHECK(temporanea != 0);
  if (temporanea) {
    CHECK(((Intero)Slot(temporanea, 3))(temporanea) == 100000);
    CHECK(strcmp(((Testo)Slot(temporanea, 5))(temporanea), "Scelti dal C") == 0);
    CHECK(strcmp(((Testo)Slot(temporanea, 12))(temporanea), "TMP") == 0);
  }
  char trovato[64];
  CHECK(strcmp(UnicoCodice(container, 100000, trovato, sizeof trovato), codice) == 0);
  CHECK(strcmp(UnicoCodice(container, 200001, trovato, sizeof trovato), codice) == 0);

  ControllaDefinizione(container, codice);
  CHECK(((Intero)Slot(codici, 2))(codici) == 0);
  CHECK(((Intero)Slot(container, 2))(container) == 0); /* outside container mode the host holds the only one */

  dlclose(lib);
  return CHECK_SUMMARY();
}
