// ScanError: a scan that cannot go on for a reason the caller can fix (data
// without energy, a store that does not fit the call, a path that cannot be
// written). The gateways report it as a MATLAB error with its message.
#pragma once

#include <stdexcept>
#include <string>

class ScanError : public std::runtime_error {
 public:
  ScanError(const char* kind, const std::string& message)
      : std::runtime_error(message), kind_(kind) {}
  // The last part of the MATLAB identifier: "badInput", "store", "file".
  const char* kind() const { return kind_; }

 private:
  const char* kind_;
};
