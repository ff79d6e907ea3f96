#pragma once

#include "core/failure.h"

#include <string>

namespace varnix {

// A Failure of `what` for the C library's error number `error`.
Failure errnoFailure(int error, const std::string& what);
[[noreturn]] void throwErrno(const std::string& what, int error);

}  // namespace varnix
