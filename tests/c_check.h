/* Checks for the tests written in plain C: each CHECK counts a pass or prints the failed condition; the
 * program ends with CHECK_SUMMARY(), the closing line "N passed, N failed" and the exit status. */
#ifndef ROVAN_TESTS_C_CHECK_H
#define ROVAN_TESTS_C_CHECK_H

#include <stdio.h>

static int c_check_passed, c_check_failed;

#define CHECK(cond)                                             \
  do {                                                          \
    if (cond) {                                                 \
      ++c_check_passed;                                         \
    } else {                                                    \
      ++c_check_failed;                                         \
      fprintf(stderr, "FAILED line %d: %s\n", __LINE__, #cond); \
    }                                                           \
  } while (0)

#define CHECK_SUMMARY()                                              \
  (printf("%d passed, %d failed\n", c_check_passed, c_check_failed), \
   c_check_failed == 0 ? 0 : 1)

/* Slot n of an interface pointer: the n-th entry of its table of operations. */
static void* Slot(void* obj, int n) { return (*(void***)obj)[n]; }

#endif
