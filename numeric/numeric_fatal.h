// numeric_fatal: the single error exit of the numerical core.
//
// It reports an unrecoverable condition (a failed allocation, an SVD of fewer
// rows than columns, an SVD that does not converge) by throwing NumericError
// with the message text. It never ends the process: the core runs inside the
// user's MATLAB or Octave session, and the gateways turn the exception into a
// MATLAB error carrying the same text. Callers hold their work arrays in the
// owners of offset_arrays.h, so everything allocated so far is released while
// the exception travels out. Nothing is written to any stream.
//
// Inputs:
//   message  text of the error, e.g. "No convergence in 30 SVDCMP iterations"
// Outputs:
//   none; always throws NumericError whose what() is exactly `message`
#pragma once

#include <stdexcept>

class NumericError : public std::runtime_error {
 public:
  explicit NumericError(const char* message) : std::runtime_error(message) {}
};

[[noreturn]] void numeric_fatal(const char* message);
