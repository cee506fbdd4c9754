/* The typical request of a host written in C, on a sample price list (path given as the argument): the
 * host switches container mode on, obtains a container, opens the price list, walks the tree to a leaf,
 * lists its codes, fetches a definition as a blob and releases everything, every call by slot number. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "tests/plugin/c_host.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  void* lib = 0;
  GetInstance get = CaricaPlugin(&lib);
  if (!get) return CHECK_SUMMARY();
  void* rovan = 0;
  void* container = Contenitore(get, "IRovan", &rovan);
  if (!container) return CHECK_SUMMARY();

  char connessione[1024];
  snprintf(connessione, sizeof connessione, "provider=sqlite;Database=%s", argv[1]);
  CHECK(((InteroT)Slot(rovan, 5))(rovan, connessione) == 0); /* apriListino: the container answers 0 */

  void* radice = ((Oggetto)Slot(container, 3))(container); /* GetRovanTree */
  CHECK(radice != 0);
  CHECK(((Intero)Slot(radice, 3))(radice) == -1);
  CHECK(((Intero)Slot(radice, 6))(radice) == 10);
  int32_t padre = -1;
  void* nodo = PrimaFoglia(((OggettoI)Slot(radice, 7))(radice, 0), &padre);
  CHECK(strcmp(((Testo)Slot(nodo, 5))(nodo), "30 cm") == 0); /* GetDescrNodo, UTF-8 */

  void* codici = ((OggettoII)Slot(container, 4))(container, padre, ((Intero)Slot(nodo, 3))(nodo));
  CHECK(codici != 0);
  int32_t quanti = ((Intero)Slot(codici, 5))(codici);
  CHECK(quanti > 0);
  char codice[64];
  snprintf(codice, sizeof codice, "%s", ((TestoI)Slot(codici, 3))(codici, 0));
  CHECK(strncmp(codice, "CU-BAS-030-", 11) == 0);
  CHECK(strcmp(((TestoI)Slot(codici, 3))(codici, quanti), "") == 0); /* out of range */

  ControllaDefinizione(container, codice);
  CHECK(((Intero)Slot(codici, 2))(codici) == 0);
  CHECK(((Intero)Slot(container, 2))(container) == 1); /* the primary container's extra reference stays */

  dlclose(lib);
  return CHECK_SUMMARY();
}
