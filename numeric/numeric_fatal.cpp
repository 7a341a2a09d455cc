#include "numeric/numeric_fatal.h"

void numeric_fatal(const char* message) { throw NumericError(message); }
