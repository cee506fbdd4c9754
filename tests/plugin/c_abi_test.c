/* Drives the plug-in the way a host written in C does: dlopen, get_InstanceByName, and every call made
 * by slot number through the vtables. Prints one line per check and a closing "N passed, N failed". */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "tests/c_check.h"

typedef int32_t (*GetInstance)(const char*, void**);
typedef int32_t (*FnInt)(void*);
typedef int32_t (*FnIntStr)(void*, const char*);
typedef void (*FnVoidPtr)(void*, void*);



/* An event sink written in C: a vtable of four slots and a reference count. */
struct Sink;
struct SinkVtbl {
  int32_t (*QueryInterface)(struct Sink*, const void*, void**);
  int32_t (*AddRef)(struct Sink*);
  int32_t (*Release)(struct Sink*);
  void (*OnNotifica)(struct Sink*, int32_t, const char*);
};
struct Sink {
  const struct SinkVtbl* vtbl;
  int32_t refs;
  int32_t lastType;
  char lastText[64];
};
static int32_t SinkQI(struct Sink* s, const void* iid, void** obj) {
  (void)s; (void)iid; *obj = 0; return -1;
}
static int32_t SinkAddRef(struct Sink* s) { return ++s->refs; }
static int32_t SinkRelease(struct Sink* s) { return --s->refs; }
static void SinkNotify(struct Sink* s, int32_t type, const char* text) {
  s->lastType = type;
  snprintf(s->lastText, sizeof s->lastText, "%s", text);
}
static const struct SinkVtbl kSinkVtbl = {SinkQI, SinkAddRef, SinkRelease, SinkNotify};

int main(void) {
  void* lib = dlopen(ROVAN_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!lib) {
    fprintf(stderr, "cannot load %s: %s\n", ROVAN_PLUGIN_PATH, dlerror());
    printf("0 passed, 1 failed\n");
    return 1;
  }
  GetInstance get = (GetInstance)dlsym(lib, "get_InstanceByName");
  CHECK(get != 0);

  void* rovan = (void*)1;
  CHECK(get("IRovan", &rovan) == 0 && rovan != 0);
  CHECK(((FnInt)Slot(rovan, 37))(rovan) == 13);  /* VersionId */
  CHECK(((FnInt)Slot(rovan, 4))(rovan) == 1);    /* createRovan2 */
  CHECK(((FnInt)Slot(rovan, 4))(rovan) == 0);
  CHECK(((FnInt)Slot(rovan, 7))(rovan) == 1);    /* destroyRovan */
  CHECK(((FnInt)Slot(rovan, 11))(rovan) == 0);   /* IsRovanVisible */
  CHECK(((FnInt)Slot(rovan, 1))(rovan) == 2);    /* AddRef is fake */

  void* event = 0;
  CHECK(get("IRovanEvent", &event) == 0 && event != 0);
  struct Sink sink = {&kSinkVtbl, 1, 0, ""};
  ((FnVoidPtr)Slot(event, 3))(event, &sink);     /* SetSink */
  CHECK(sink.refs == 2);
  CHECK(((FnIntStr)Slot(rovan, 31))(rovan, "armadi") == 0);  /* RiempiRicercaK4 raises event 2 */
  CHECK(sink.lastType == 2 && strcmp(sink.lastText, "armadi") == 0);
  ((FnVoidPtr)Slot(event, 3))(event, 0);
  CHECK(sink.refs == 1);

  void* container = (void*)1;
  CHECK(get("IRovanContainer.8", &container) == -1 && container == 0);
  CHECK(get("IRovanContainer.7", &container) == 0 && container != 0);
  CHECK(((FnInt)Slot(container, 32))(container) == 13);  /* VersionId */
  /* Real counting: the host's reference plus the primary container's extra one. */
  CHECK(((FnInt)Slot(container, 1))(container) == 3);
  CHECK(((FnInt)Slot(container, 2))(container) == 2);
  CHECK(((FnInt)Slot(container, 2))(container) == 1);

  void* plain = 0;
  CHECK(get("IRovanContainer", &plain) == 0 && plain != 0 && plain != container);
  CHECK(((FnInt)Slot(plain, 2))(plain) == 1);

  void* none = (void*)1;
  CHECK(get("irovan", &none) == -1 && none == 0);

  dlclose(lib);
  return CHECK_SUMMARY();
}
