#include "CpuFeatures.h"

#include <atomic>

namespace {

std::atomic<bool>& WideAllowed()
{
    static std::atomic<bool> allowed{true};
    return allowed;
}

} // namespace

bool CpuFeatures::Ssse3()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = __builtin_cpu_supports("ssse3");
    return has && WideAllowed().load(std::memory_order_relaxed);
#else
    return false;
#endif
}

bool CpuFeatures::Avx2()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = __builtin_cpu_supports("avx2");
    return has && WideAllowed().load(std::memory_order_relaxed);
#else
    return false;
#endif
}

void CpuFeatures::SetWideAllowed(bool allowed)
{
    WideAllowed() = allowed;
}
