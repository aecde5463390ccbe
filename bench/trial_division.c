/* The census as plain C: the same trial division over the same candidates,
 * the baseline that prime-census is compared with. */
#include <math.h>
#include <stdio.h>

static int is_prime(int n) {
  if (n <= 3) {
    return n > 1;
  }
  const int limit = (int)sqrt((double)n);
  for (int d = 2; d <= limit; ++d) {
    if (n % d == 0) {
      return 0;
    }
  }
  return 1;
}

int main(void) {
  int count = 0;
  for (int candidate = 1; candidate <= 999998; ++candidate) {
    count += is_prime(candidate);
  }
  printf("%d\n", count);
  return 0;
}
