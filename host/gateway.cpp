#include "gateway.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace eegscan {

void fail(const char* function, const char* kind, const std::string& message) {
  throw GatewayError(std::string("eegscan:") + function + ":" + kind, message);
}

bool is_real_double(const mxArray* argument) {
  return argument != nullptr && mxIsDouble(argument) && !mxIsComplex(argument) &&
         !mxIsSparse(argument);
}

void require_real_double(const char* function, const mxArray* argument, const char* name) {
  if (!is_real_double(argument)) {
    fail(function, "badInput",
         std::string(name) + " must be a real, full double array");
  }
}

void require_min_elements(const char* function, const mxArray* argument, const char* name,
                          std::size_t count) {
  if (mxGetNumberOfElements(argument) < count) {
    fail(function, "badInput",
         std::string(name) + " must hold at least " + std::to_string(count) +
             (count == 1 ? " element" : " elements"));
  }
}

void require_char_row(const char* function, const mxArray* argument, const char* name) {
  if (argument == nullptr || !mxIsChar(argument) ||
      (mxGetM(argument) > 1 && mxGetNumberOfElements(argument) > 0)) {
    fail(function, "badInput", std::string(name) + " must be a character row");
  }
}

long truncated_index(double oneBased, long count) {
  if (!(oneBased >= 1.0) || !(oneBased < static_cast<double>(count) + 1.0)) return -1;
  return static_cast<long>(std::trunc(oneBased)) - 1;
}

std::string number_text(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string char_array_text(const mxArray* argument) {
  const std::size_t length = mxGetNumberOfElements(argument) + 1;
  std::vector<char> buffer(length, '\0');
  mxGetString(argument, buffer.data(), length);
  return std::string(buffer.data());
}

void raise_error(const std::string& identifier, const std::string& message) {
  static char identifierText[256];
  static char messageText[4096];
  std::strncpy(identifierText, identifier.c_str(), sizeof identifierText - 1);
  identifierText[sizeof identifierText - 1] = '\0';
  std::strncpy(messageText, message.c_str(), sizeof messageText - 1);
  messageText[sizeof messageText - 1] = '\0';
  mexErrMsgIdAndTxt(identifierText, "%s", messageText);
  // The host's error exit does not return.
  std::abort();
}

}  // namespace eegscan
