#include "bench/baseline/shell_coefficients.h"

#include <cmath>

namespace baseline {

namespace {

// The model's constants as stored doubles. Where a constant is the sum or
// product of two decimals, the literal is the double of the computed result.
constexpr double kInnerRatio = 0.8;                 // inner interface / R, also 1 - 0.2
constexpr double kOuterRatio = 0.9;                 // outer interface / R
constexpr double kProductRatio = 0.7200000000000001;  // 0.8 * 0.9
constexpr double kOnePlusInner = 1.2;               // 1 + 0.2
constexpr double kSkullPlusOne = 77.33587786259541;  // 1/0.0131 + 1
constexpr double kSkull = 76.33587786259541;         // 1/0.0131
constexpr double kSkullMinusOne = 75.33587786259541;  // 1/0.0131 - 1
constexpr double kInnerSkullMinusOne = 60.268702290076334;  // 0.8 * (1/0.0131 - 1)
constexpr double kOnePlusScalp = 1.0655000000000001;  // 1 + 0.0655
constexpr double kOneMinusScalp = 0.9345;           // 1 - 0.0655
constexpr double kScalp = 0.0655;                   // 0.0131 / 0.2
constexpr double kExponent = 4.0;

}  // namespace

void shell_coefficients(double c[kShellTerms + 1]) {
  for (int order = 1; order <= kShellTerms; ++order) {
    const double n = order;
    const double t = 2.0 * n + 1.0;
    const double A = std::pow(kInnerRatio, t);
    const double D = std::pow(kOuterRatio, t);
    const double G = std::pow(kProductRatio, t);
    const double H = std::pow(t, kExponent);
    const double u = kSkullPlusOne * n + 1.0;
    const double v = kOnePlusInner * n + 1.0;
    const double w = kOnePlusScalp * n;
    const double T1 = (u * v - (n + 1.0) * n * kInnerSkullMinusOne) * A *
                      ((w + 1.0) - D * (n + 1.0) * kOneMinusScalp) * D;
    const double T2 = (v * kSkullMinusOne - (kSkullPlusOne * n + kSkull) * kInnerRatio) * A *
                      ((w + kScalp) * D - n * kOneMinusScalp) * A * (n + 1.0);
    c[order] = G * H / (T1 + T2);
  }
}

}  // namespace baseline
