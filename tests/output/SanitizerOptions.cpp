// What the sanitized build's leak checker is told in this program, which
// prints through Qt: libcups keeps the option array of a PPD cache it
// builds while Qt marks a queue's options (QPrinter::setPrinterName).
// libcups has no frame pointers, so only the slow unwinder sees that far.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:_ppdCacheCreateWithPPD\n";
}

extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
