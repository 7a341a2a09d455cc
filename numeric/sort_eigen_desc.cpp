#include "numeric/sort_eigen_desc.h"

void sort_eigen_desc(double* d, double** v, int n) {
  for (int i = 1; i <= n - 1; ++i) {
    double largest = d[i];
    int k = i;
    for (int j = i + 1; j <= n; ++j) {
      // Written as "unless greater" so that a later equal value takes over.
      if (!(largest > d[j])) {
        largest = d[j];
        k = j;
      }
    }
    if (k != i) {
      d[k] = d[i];
      d[i] = largest;
      for (int r = 1; r <= n; ++r) {
        const double saved = v[r][i];
        v[r][i] = v[r][k];
        v[r][k] = saved;
      }
    }
  }
}
