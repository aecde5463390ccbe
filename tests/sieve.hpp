// An independent primality oracle for the tests: a segmented sieve of
// Eratosthenes, which shares nothing with trial division.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Returns one flag per integer of [lo, hi], true where that integer is prime.
inline std::vector<bool> sievePrimes(std::int64_t lo, std::int64_t hi) {
  std::vector<bool> flags(static_cast<std::size_t>(hi - lo + 1), true);
  auto at = [lo](std::int64_t value) { return static_cast<std::size_t>(value - lo); };
  for (std::int64_t value = lo; value <= std::min<std::int64_t>(hi, 1); ++value) {
    flags[at(value)] = false;
  }
  std::int64_t root = 1;
  while ((root + 1) * (root + 1) <= hi) {
    ++root;
  }
  std::vector<bool> composite(static_cast<std::size_t>(root + 1), false);
  for (std::int64_t p = 2; p <= root; ++p) {
    if (composite[static_cast<std::size_t>(p)]) {
      continue;
    }
    for (std::int64_t multiple = p * p; multiple <= root; multiple += p) {
      composite[static_cast<std::size_t>(multiple)] = true;
    }
    const std::int64_t firstInWindow = std::max(p * p, (lo + p - 1) / p * p);
    for (std::int64_t multiple = firstInWindow; multiple <= hi; multiple += p) {
      flags[at(multiple)] = false;
    }
  }
  return flags;
}
