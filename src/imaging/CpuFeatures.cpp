#include "CpuFeatures.h"

#include <atomic>

namespace {

struct Detected
{
    bool ssse3 = false;
    bool avx2 = false;
};

const Detected& Processor()
{
    static const Detected detected = [] {
        Detected found;
#if defined(__x86_64__) || defined(__i386__)
        found.ssse3 = __builtin_cpu_supports("ssse3");
        found.avx2 = __builtin_cpu_supports("avx2");
#endif
        return found;
    }();
    return detected;
}

std::atomic<bool>& WideAllowed()
{
    static std::atomic<bool> allowed{true};
    return allowed;
}

bool Usable(bool present)
{
    return present && WideAllowed().load(std::memory_order_relaxed);
}

} // namespace

bool CpuFeatures::Ssse3()
{
    return Usable(Processor().ssse3);
}

bool CpuFeatures::Avx2()
{
    return Usable(Processor().avx2);
}

void CpuFeatures::SetWideAllowed(bool allowed)
{
    WideAllowed() = allowed;
}
