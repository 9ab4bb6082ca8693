#pragma once

#include <cstddef>
#include <cstdint>

// The area reduction's loops four doubles at a time (AVX2). The sums are
// formed with the same double-precision products and additions, in the same
// order, as the baseline loops of DibAreaReduction; the final division is
// replaced by a multiplication only where that provably rounds to the same
// byte. So the bytes are the same.
namespace DibReductionAvx2 {

bool Available();

// bytes values as doubles; one double past them is written as well.
void ToDoubles(const std::uint8_t* bytes, std::size_t count, double* values);

// Columns begin..end-1, each padded to width taps with weights
// weights[c * width + t] on the neighbouring pixels that start at element
// offsets[c * width] of values: the B, G, R sums of each column into
// sums[3 * c ...]. Reads up to 3 * width + 1 doubles past the last pixel
// (they must be finite) and writes one double past the last column's sums.
void SumColumns(const double* values, const std::size_t* offsets, const double* weights, std::size_t width,
                std::size_t begin, std::size_t end, double* sums);

// sums[i] = weight * values[i], and sums[i] += weight * values[i].
void Weighted(double* sums, const double* values, std::size_t count, double weight);
void AddWeighted(double* sums, const double* values, std::size_t count, double weight);

// values[i] = min(255, int(sums[i] / area + 0.5)).
void ToBytes(const double* sums, std::size_t count, double area, int* values);

} // namespace DibReductionAvx2
