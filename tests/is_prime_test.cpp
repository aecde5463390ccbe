#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
#include <limits>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "program.hpp"
#include "sieve.hpp"

namespace {

constexpr Integer largestInteger = std::numeric_limits<Integer>::max();

// Compares isPrime with the sieve on every integer of [lo, hi].
void expectAgreesWithSieve(std::int64_t lo, std::int64_t hi) {
  const std::vector<bool> prime = sievePrimes(lo, hi);
  for (std::int64_t value = lo; value <= hi; ++value) {
    ASSERT_EQ(isPrime(static_cast<Integer>(value)), prime[static_cast<std::size_t>(value - lo)])
        << "n = " << value;
  }
}

TEST(IsPrimeInteger, AgreesWithSieveFromNegativesToTwoMillion) {
  expectAgreesWithSieve(-16, 2'000'000);
}

TEST(IsPrimeInteger, AgreesWithSieveUpToLargestInteger) {
  expectAgreesWithSieve(largestInteger - 20'000, largestInteger);
}

TEST(IsPrimeInteger, EdgeCases) {
  const struct {
    Integer n;
    bool prime;
  } cases[] = {
      {std::numeric_limits<Integer>::min(), false},
      {-7, false},
      {-1, false},
      {0, false},
      {1, false},
      {2, true},
      {3, true},
      {4, false},   // divisor limit 2, the limit itself divides
      {25, false},  // divisor limit 5 is tried
      {49, false},  // divisor limit 7 is tried
      {97, true},
      {largestInteger, true},  // 2^31 - 1, a Mersenne prime
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isPrime(c.n), c.prime) << "n = " << c.n;
  }
}

// The divisor limit of p * p is exactly p, the only divisor that finds it.
TEST(IsPrimeInteger, RejectsEverySquareOfAPrimeThatFitsAnInteger) {
  const std::int64_t root = 46'340;  // the largest d with d * d <= 2^31 - 1
  const std::vector<bool> prime = sievePrimes(0, root);
  std::int64_t largestPrime = 0;
  for (std::int64_t p = 2; p <= root; ++p) {
    if (prime[static_cast<std::size_t>(p)]) {
      EXPECT_FALSE(isPrime(static_cast<Integer>(p * p))) << p << " squared";
      largestPrime = p;
    }
  }
  EXPECT_EQ(largestPrime * largestPrime, 2'147'117'569);  // 46337 squared
}

// Whether `message` is what std::stoi's exceptions say. libstdc++ names the
// function alone; other libraries may add a reason after the name (libc++:
// "stoi: no conversion", "stoi: out of range").
bool isStoiMessage(const std::string& message) {
#ifdef __GLIBCXX__
  return message == "stoi";
#else
  return message.rfind("stoi", 0) == 0;
#endif
}

// What isPrime on a text answers: "true", "false", or the exact type of the
// exception it lets through with its message, which reads "stoi" wherever it
// is one that std::stoi's library may give.
std::string outcome(const std::string& text) {
  try {
    return isPrime(text) ? "true" : "false";
  } catch (const std::exception& error) {
    const std::type_info& type = typeid(error);
    const char* name = type == typeid(std::invalid_argument) ? "invalid_argument"
                       : type == typeid(std::out_of_range)   ? "out_of_range"
                                                             : type.name();
    const std::string message = error.what();
    return std::string(name) + ": " + (isStoiMessage(message) ? "stoi" : message);
  }
}

TEST(IsPrimeText, AnswersOrFailsLikeStoi) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"97", "true"},
      {"2147483647", "true"},
      {" \t\n\v\f\r97", "true"},
      {"+97", "true"},
      {"97abc", "true"},
      {"97 4", "true"},
      {"011", "true"},    // decimal eleven, not octal nine
      {"0x61", "false"},  // 0, not hexadecimal 97
      {"-97", "false"},
      {"1", "false"},
      {"-2147483648", "false"},
      {"2147117569", "false"},  // 46337 squared
      {"", "invalid_argument: stoi"},
      {"   ", "invalid_argument: stoi"},
      {"abc", "invalid_argument: stoi"},
      {"x97", "invalid_argument: stoi"},
      {"+", "invalid_argument: stoi"},
      {"-", "invalid_argument: stoi"},
      {"+-97", "invalid_argument: stoi"},
      {"99999999999", "out_of_range: stoi"},
      {"2147483648", "out_of_range: stoi"},
      {"-2147483649", "out_of_range: stoi"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(outcome(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

}  // namespace
