// Linked into every test executable of a sanitizer build (VELMORA_SANITIZE),
// so a test behaves the same whether CTest starts it or a developer runs it
// straight from the build tree. Settings in ASAN_OPTIONS, LSAN_OPTIONS and
// UBSAN_OPTIONS still take precedence over these defaults.

extern "C" {

// Catch use of a returned function's stack, string functions reading past
// the terminating zero, and globals used before they are initialised.
__attribute__((visibility("default"))) const char* __asan_default_options() {
  return "detect_stack_use_after_return=1:strict_string_checks=1:"
         "check_initialization_order=1:strict_init_order=1";
}

// Leak detection stays on; only the system libraries' own allocations listed
// in tests/lsan.supp are not reported.
__attribute__((visibility("default"))) const char* __lsan_default_options() {
  return "suppressions=" VELMORA_LSAN_SUPPRESSIONS;
}

__attribute__((visibility("default"))) const char* __ubsan_default_options() {
  return "print_stacktrace=1:halt_on_error=1";
}

}  // extern "C"
