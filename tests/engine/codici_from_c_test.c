/* The code lists read as a host written in C reads them: every call by slot number. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "tests/c_check.h"

void* CreaListaDiProva(int generici);


typedef const char* (*TestoI)(void*, int32_t);
typedef const char* (*TestoII)(void*, int32_t, int32_t);
typedef int32_t (*InteroI)(void*, int32_t);
typedef int32_t (*InteroII)(void*, int32_t, int32_t);
typedef int32_t (*Intero)(void*);
typedef double (*RealeI)(void*, int32_t);
typedef void* (*Oggetto)(void*);

int main(void) {
  for (int generici = 0; generici <= 1; ++generici) {
    void* l = CreaListaDiProva(generici);
    CHECK(((Intero)Slot(l, 5))(l) == 1);
    CHECK(strcmp(((TestoI)Slot(l, 3))(l, 0), "AB#7") == 0);
    CHECK(strcmp(((TestoI)Slot(l, 3))(l, 1), "") == 0);
    CHECK(strcmp(((TestoI)Slot(l, 3))(l, -1), "") == 0);
    CHECK(strcmp(((TestoI)Slot(l, 12))(l, 0), "AB") == 0);
    CHECK(((InteroI)Slot(l, 8))(l, 0) == 1);
    CHECK(((InteroI)Slot(l, 8))(l, 1) == 0);
    CHECK(((InteroI)Slot(l, 14))(l, 0) == 4);
    CHECK(((InteroI)Slot(l, 14))(l, 9) == -1);
    CHECK(((InteroI)Slot(l, 15))(l, 0) == -1);
    CHECK(strcmp(((TestoII)Slot(l, 11))(l, 0, 1), "u1") == 0);
    CHECK(strcmp(((TestoII)Slot(l, 11))(l, 0, 0), "") == 0);
    CHECK(strcmp(((TestoII)Slot(l, 16))(l, 0, 11), "") == 0);
    CHECK(((RealeI)Slot(l, 19))(l, 3) == 0.0);
    if (generici) {
      CHECK(((InteroI)Slot(l, 23))(l, 0) == 0);
      CHECK(((InteroII)Slot(l, 24))(l, 5, 0) == 0);
      CHECK(((Oggetto)Slot(l, 27))(l) != 0);
    }
    CHECK(((Intero)Slot(l, 2))(l) == 0);
  }
  return CHECK_SUMMARY();
}
