#pragma once

#include <cstdint>

// The one multiply-then-divide for unit arithmetic: the product is taken to
// 64 bits and the quotient rounded to the nearest integer, halves away from
// zero. A zero divisor or a quotient outside 32 bits gives -1, as callers of
// the classic routine expect.
int MulDiv(int number, int numerator, int denominator);
