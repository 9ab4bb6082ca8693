// What the sanitized build's leak checker is told in this program. SANE's
// test backend cancels its reader thread while the thread holds its 64 KiB
// buffer; the backend is unloaded before the leak check, so the program keeps
// it loaded to let the check name it.
#include <dlfcn.h>

namespace {

const bool kept = dlopen("/usr/lib/x86_64-linux-gnu/sane/libsane-test.so.1", RTLD_LAZY | RTLD_NODELETE) != nullptr;

} // namespace

extern "C" const char* __lsan_default_suppressions()
{
    return kept ? "leak:libsane-test.so\n" : "";
}

extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
