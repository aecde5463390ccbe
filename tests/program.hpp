// The tests and benchmarks compile the program's own source unit into their
// binary, so they exercise its very definitions; its entry point is renamed so
// that it can stand beside the test runner's main.
#pragma once

#define main primeCensusMain  // NOLINT(cppcoreguidelines-macro-usage): renames the entry only
#include "main.cpp"           // NOLINT(bugprone-suspicious-include): the source unit under test
#undef main
