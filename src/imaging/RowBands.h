#pragma once

#include <functional>

// Splits rows 0..count-1 into bands and works on them on the threads of
// Qt's global pool, the calling thread taking a band of its own. Callers
// compute every output row from the input alone, so the result does not
// depend on how many threads there are; with one (or little work) it all
// runs on the calling thread.
namespace RowBands {

// work(begin, end) for consecutive, disjoint bands covering 0..count-1;
// bands are at least minimumRows long.
void Run(int count, int minimumRows, const std::function<void(int begin, int end)>& work);

// At most this many bands, whatever the pool offers (tests set 1 to check
// that the number of threads changes nothing).
void SetMaximumBands(int bands);

} // namespace RowBands
