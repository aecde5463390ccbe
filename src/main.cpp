// prime-census: counts the primes among 1..999998 by trial division and
// prints the count followed by a line feed.
//
// Beside the census run this unit carries isPrime on decimal text, a utility
// that the run does not call.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>
#include <type_traits>

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
