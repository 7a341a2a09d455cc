// run_gateway(): the body of every mexFunction runs inside it.
#pragma once

#include <exception>
#include <new>
#include <string>

namespace eegscan {

template <class Body>
void run_gateway(const char* function, Body&& body) {
  std::string identifier;
  std::string message;
  try {
    body();
    return;
  } catch (const GatewayError& error) {
    identifier = error.identifier();
    message = error.what();
  } catch (const std::bad_alloc&) {
    identifier = std::string("eegscan:") + function + ":outOfMemory";
    message = std::string(function) + ": not enough memory for this call";
  } catch (const std::exception& error) {
    identifier = std::string("eegscan:") + function + ":failed";
    message = error.what();
  }
  raise_error(identifier, message);
}

}  // namespace eegscan
