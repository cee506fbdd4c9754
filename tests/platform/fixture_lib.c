/* A shared library for the dynamic-library tests: one exported function with a known answer. */
int rovan_fixture_answer(void) { return 42; }
