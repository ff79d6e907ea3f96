#pragma once

#include "core/failure.h"

#include <string>

namespace varnix {

// The system's own text for a Windows error code, without its line end.
std::string windowsErrorText(unsigned long code);

// A Failure of `what` for the Windows error `code`.
Failure windowsFailure(unsigned long code, const std::string& what);

}  // namespace varnix
