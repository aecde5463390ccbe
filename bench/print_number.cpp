// A C++ program that only prints a number: the heap use that the C++ runtime
// and the standard output stream bring on their own.
#include <iostream>

int main() {
  std::cout << 78498 << "\n";
  return 0;
}
