#include "shell/shell_series.h"

void shell_series(ShellSeries& series) {
  shell_coefficients(series.c);
  for (int order = 1; order <= kShellTerms; ++order) {
    const double n = order;
    series.order[order] = n;
    series.orderPlusOne[order] = n + 1.0;
    series.nextRatio[order] = (2.0 * n + 1.0) / (n + 1.0);
    series.prevRatio[order] = n / (n + 1.0);
    series.exactReciprocal[order] = (order & (order - 1)) == 0 ? 1.0 / n : 0.0;
    series.reciprocal[order] = 1.0 / n;
  }
}
