// Speed of the integer isPrime at three magnitudes and of the whole census
// run, measured on the program's own definitions.

#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>

#include "program.hpp"

namespace {

void isPrimeAt(benchmark::State& state) {
  const auto n = static_cast<Integer>(state.range(0));
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): unused by design
    benchmark::DoNotOptimize(isPrime(n));
  }
}
BENCHMARK(isPrimeAt)
    ->ArgName("n")
    ->Arg(97)              // small
    ->Arg(999'983)         // the largest prime below one million
    ->Arg(2'147'483'647);  // the largest Integer, prime

// A stream buffer that accepts and discards every byte, so that the census
// can run its writes without flooding the benchmark's own output.
class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char_type* /*s*/, std::streamsize n) override { return n; }
};

void census(benchmark::State& state) {
  Discard discard;
  std::streambuf* const standardOutput = std::cout.rdbuf(&discard);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): unused by design
    if (primeCensusMain() != 0) {
      state.SkipWithError("the census run failed");
      break;
    }
  }
  std::cout.rdbuf(standardOutput);
}
BENCHMARK(census)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
