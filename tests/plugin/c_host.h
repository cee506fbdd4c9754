/* What the test hosts written in C share: the types of the slots they call, named after their signature
 * (Intero: returns an integer; T: a text argument; I: an integer argument), and the walk down the tab tree. */
#ifndef ROVAN_TESTS_PLUGIN_C_HOST_H
#define ROVAN_TESTS_PLUGIN_C_HOST_H

#include <stdint.h>

#include "tests/c_check.h"

typedef int32_t (*GetInstance)(const char*, void**);
typedef int32_t (*Intero)(void*);
typedef int32_t (*InteroT)(void*, const char*);
typedef void* (*Oggetto)(void*);
typedef void* (*OggettoI)(void*, int32_t);
typedef void* (*OggettoII)(void*, int32_t, int32_t);
typedef void* (*OggettoT)(void*, const char*);
typedef const char* (*TestoI)(void*, int32_t);
typedef const char* (*Testo)(void*);

/* The first leaf below a tree node, always taking the first child (IRovanTree slots 6 and 7); *padre
 * receives the id of the leaf's parent (slot 3), or keeps its value when nodo is itself a leaf. */
static void* PrimaFoglia(void* nodo, int32_t* padre) {
  while (((Intero)Slot(nodo, 6))(nodo) > 0) {
    *padre = ((Intero)Slot(nodo, 3))(nodo);
    nodo = ((OggettoI)Slot(nodo, 7))(nodo, 0);
  }
  return nodo;
}

#endif
