// What the windows' tests ask of the sanitizers in a CORVANE_SANITIZE build: every finding of
// undefined behaviour stops the test that meets it, with its stack (included by a test main, once).
#pragma once

#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
#endif
