// AddressSanitizer settings for the fairness tests, under whatever ASAN_OPTIONS
// the run sets. The machine formats millions of short captions here; with the
// default quarantine of 256 MB of freed memory the process grows to half a
// gigabyte and spends its time faulting in fresh pages, on a machine shared with
// other builds. A small quarantine still catches a use just after a free.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16:malloc_context_size=8"; }
