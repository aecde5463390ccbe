// prime-census: counts the primes among 1..999998 by trial division and
// prints the count followed by a line feed.
//
// Beside the census run this unit carries two utilities that the run does not
// call: isPrime on decimal text, and stepChange, the number of positions at
// which two texts differ.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

// The program's integer: signed, 32 bits, two's complement.
using Integer = std::int32_t;

// The text form converts with std::stoi, whose range is that of int; the two
// must coincide for "out of range" to mean "outside the 32-bit Integer".
static_assert(std::is_same_v<Integer, int>, "int must be the 32-bit Integer");

bool isPrime(Integer n);

// Decides whether the decimal number in `text` is prime. The conversion skips
// leading white space, accepts one sign, reads base-10 digits only and ignores
// whatever follows them. Throws std::invalid_argument ("stoi") when no number
// can be read and std::out_of_range ("stoi") when it does not fit an Integer.
bool isPrime(std::string text) { return isPrime(std::stoi(text)); }

// Decides whether n is prime by trial division with every d from 2 up to and
// including the integer square root of n. The divisor limit is computed once
// and compared against d, so no product d * d is formed and nothing overflows,
// up to the largest Integer.
bool isPrime(Integer n) {
  if (n <= 3) {
    return n > 1;
  }
  // For every n >= 4 that fits an Integer, the double square root truncated
  // toward zero is exactly the integer square root, perfect squares included.
  const auto limit = static_cast<Integer>(std::sqrt(static_cast<double>(n)));
  for (Integer d = 2; d <= limit; ++d) {
    if (n % d == 0) {
      return false;
    }
  }
  return true;
}

// Counts the positions at which `first` and `second` hold different bytes,
// walking the positions of `first` only; bytes of `second` beyond that length
// are never looked at. Bytes compare exactly: case matters, NUL and bytes from
// 0x80 up are ordinary bytes.
//
// A `second` shorter than `first` is never read past its end: each position
// of `first` that `second` does not reach counts as a difference. The result
// therefore lies between 0 and the length of `first`, whatever the lengths.
Integer stepChange(std::string first, std::string second) {
  // Positions and the result are Integers; a longer text would overflow them.
  if (first.size() > static_cast<std::size_t>(std::numeric_limits<Integer>::max())) {
    throw std::length_error("stepChange: first text is longer than the largest Integer");
  }
  const auto length = static_cast<Integer>(first.size());
  std::vector<Integer> positions;
  for (Integer i = 0; i < length; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (at >= second.size() || first[at] != second[at]) {
      positions.push_back(i);
    }
  }
  return static_cast<Integer>(positions.size());
}

int main() {
  constexpr Integer censusLimit = 999998;
  Integer count = 0;
  for (Integer candidate = 1; candidate <= censusLimit; ++candidate) {
    if (isPrime(candidate)) {
      ++count;
    }
  }

  // A count that never reached its destination must not end in success:
  // flush now, while the failure can still be seen and reported.
  errno = 0;
  std::cout << count << "\n";
  std::cout.flush();
  if (!std::cout) {
    const int reason = errno;
    std::cerr << "prime-census: write error";
    if (reason != 0) {
      std::cerr << ": " << std::strerror(reason);
    }
    std::cerr << "\n";
    return 1;
  }
  return 0;
}
