/* What the test hosts written in C share: the types of the slots they call, named after their signature
 * (Intero: returns an integer; T: a text argument; I: an integer argument), loading the plug-in
 * (ROVAN_PLUGIN_PATH) and obtaining a container, the walk down the tab tree and the definition blob. */
#ifndef ROVAN_TESTS_PLUGIN_C_HOST_H
#define ROVAN_TESTS_PLUGIN_C_HOST_H

#include <dlfcn.h>
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

/* Loads the plug-in and finds its get_InstanceByName; null (a failed check) when either is missing. *lib
 * receives the handle for dlclose, or null. */
static GetInstance CaricaPlugin(void** lib) {
  *lib = dlopen(ROVAN_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
  CHECK(*lib != 0);
  if (!*lib) return 0;
  GetInstance get = (GetInstance)dlsym(*lib, "get_InstanceByName");
  CHECK(get != 0);
  return get;
}

/* A container obtained as a host obtains it: IRovan by the name given ("IRovan" switches container mode on,
 * "IRovan.1" leaves it off) into *rovan, createRovan2 (slot 4), then "IRovanContainer.7". Null (a failed
 * check) when refused. */
static void* Contenitore(GetInstance get, const char* nomeRovan, void** rovan) {
  void* container = 0;
  *rovan = 0;
  CHECK(get(nomeRovan, rovan) == 0);
  if (!*rovan) return 0;
  CHECK(((Intero)Slot(*rovan, 4))(*rovan) == 1);
  CHECK(get("IRovanContainer.7", &container) == 0);
  return container;
}

/* The first leaf below a tree node, always taking the first child (IRovanTree slots 6 and 7); *padre
 * receives the id of the leaf's parent (slot 3), or keeps its value when nodo is itself a leaf. */
static void* PrimaFoglia(void* nodo, int32_t* padre) {
  while (((Intero)Slot(nodo, 6))(nodo) > 0) {
    *padre = ((Intero)Slot(nodo, 3))(nodo);
    nodo = ((OggettoI)Slot(nodo, 7))(nodo, 0);
  }
  return nodo;
}

/* The definition of an item as a blob (container slot 48), checked and released. */
static void ControllaDefinizione(void* container, const char* codice) {
  void* blob = ((OggettoT)Slot(container, 48))(container, codice);
  CHECK(blob != 0);
  if (!blob) return;
  CHECK(((Intero)Slot(blob, 6))(blob) > 2); /* Size: lines and the terminating zero */
  CHECK(((Intero)Slot(blob, 2))(blob) == 0);
}

#endif
