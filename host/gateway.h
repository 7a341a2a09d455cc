// Shared helpers of the MEX gateways: argument checks and error reporting.
//
// A gateway runs its whole body inside run_gateway(). Checks and computations
// report a problem by throwing (GatewayError for bad arguments, any
// std::exception for a failed computation); run_gateway() lets every local
// object of the body be destroyed first and only then hands the message to
// the host's error exit, which does not return. Nothing the body allocated
// with new/std::vector outlives the failed call.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

#include "mex.h"

namespace eegscan {

// An error the user caused, with its MATLAB identifier
// ("eegscan:<function>:<kind>"). Octave shows the message after the function
// name ("pemrick: ..."), MATLAB under "Error using pemrick", so messages do
// not repeat the name.
class GatewayError : public std::runtime_error {
 public:
  GatewayError(std::string identifier, const std::string& message)
      : std::runtime_error(message), identifier_(std::move(identifier)) {}
  const std::string& identifier() const { return identifier_; }

 private:
  std::string identifier_;
};

// Throws GatewayError("eegscan:<function>:<kind>", message).
[[noreturn]] void fail(const char* function, const char* kind, const std::string& message);

// The argument is a real, full (not sparse) double array.
bool is_real_double(const mxArray* argument);

// Throws badInput unless the argument is a real, full double array.
void require_real_double(const char* function, const mxArray* argument, const char* name);

// Throws badInput unless the argument holds at least `count` elements.
void require_min_elements(const char* function, const mxArray* argument, const char* name,
                          std::size_t count);

// Throws badInput unless the argument is a character row (or an empty char).
void require_char_row(const char* function, const mxArray* argument, const char* name);

// The value truncated toward zero as a 0-based index, or -1 when the value is
// not a finite number inside [1, count] after truncation.
long truncated_index(double oneBased, long count);

// A double as text with all its digits ("%.17g"), for messages that quote
// an argument's value.
std::string number_text(double value);

// The text of a character array.
std::string char_array_text(const mxArray* argument);

// Runs body(); on a thrown error raises a MATLAB error with its identifier
// and message once the body's locals are gone. `function` names the fallback
// identifiers eegscan:<function>:outOfMemory and eegscan:<function>:failed.
template <class Body>
void run_gateway(const char* function, Body&& body);

// Raises the MATLAB error; never returns. The texts are copied into static
// storage first, because the host's error exit may not unwind the caller.
[[noreturn]] void raise_error(const std::string& identifier, const std::string& message);

}  // namespace eegscan

#include "gateway_run.h"
