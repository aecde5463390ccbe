#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "program.hpp"

namespace {

using namespace std::string_literals;  // "a\0b"s keeps its NUL byte

// A long text, well past any small-string buffer, so that its bytes live on
// the heap where AddressSanitizer watches their end.
std::string longText() {
  std::string text(100'000, ' ');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char>('a' + i % 26);
  }
  return text;
}

// longText with the bytes at 0, 1, 4095, 65536 and 99999 changed, 0x80 among them.
std::string longTextChangedAtFivePositions() {
  std::string text = longText();
  text[0] = 'A';
  text[1] = '\0';
  text[4'095] = '\x80';
  text[65'536] = '\xff';
  text[99'999] = '#';
  return text;
}

TEST(StepChange, CountsDifferingPositions) {
  const std::string longFirst = longText();
  const struct {
    const char* name;
    std::string first;
    std::string second;
    Integer expected;
  } cases[] = {
      {"both empty", "", "", 0},
      {"empty first", "", "anything", 0},
      {"equal", "kitten", "kitten", 0},
      {"one position", "kitten", "kitxen", 1},
      {"every position", "abc", "xyz", 3},
      {"longer second ignored beyond the first", "kitten", "kittens and more", 0},
      {"case differs", "Hello", "hello", 1},
      {"digits as characters", "0010", "0100", 2},
      {"NUL bytes are ordinary", "a\0b"s, "a\0c"s, 1},
      {"NUL against a letter", "\0\0"s, "\0x"s, 1},
      {"bytes from 0x80 up", "\xc3\xa9\x80", "\xc3\xa8\x80", 1},
      {"0x80 against 0x00", "\x80"s, "\0"s, 1},
      {"long text, five changes", longFirst, longTextChangedAtFivePositions(), 5},
      {"long text against itself and more", longFirst, longFirst + "tail", 0},
      // A second text shorter than the first: every position it does not
      // reach counts as a difference, and nothing past its end is read.
      {"empty second", "abc", "", 3},
      {"shorter second", "abcdef", "abX", 4},
      {"NUL first, empty second", "\0"s, "", 1},
      {"long first, short second", longFirst, "abXd", 99'997},
      {"long first, long shorter second", longFirst, longFirst.substr(0, 50'000), 50'000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stepChange(c.first, c.second), c.expected) << c.name;
  }
}

}  // namespace
