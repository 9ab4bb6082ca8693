#pragma once

// What the processor offers beyond the x86-64 baseline, asked once. The
// pixel loops that have a wider version choose it here at run time; the
// wider versions give the same bytes (no fused multiply-add, the same
// operations in the same order), so tests may turn them off and compare.
namespace CpuFeatures {

bool Ssse3();
bool Avx2();

// Tests: false keeps every loop on its baseline version.
void SetWideAllowed(bool allowed);

} // namespace CpuFeatures
