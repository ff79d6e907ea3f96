#pragma once

#ifdef _WIN32

#include <string>
#include <system_error>

namespace varnix {

// The system's own text for a Windows error code, without its line end.
std::string windowsErrorText(unsigned long code);

// A std::system_error whose text is "<what>: <the system's reason>".
std::system_error windowsError(unsigned long code, const std::string& what);

}  // namespace varnix

#endif
