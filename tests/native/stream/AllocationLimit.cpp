// Under AddressSanitizer, any single allocation above 64 MB aborts the test program: a reader that
// reserved what a length in a stream promises, rather than what has arrived, cannot pass unnoticed.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=64"; }
