#pragma once

#include <string>

namespace varnix {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `name` inside `directory`, with one separator between them.
std::string pathInDirectory(const std::string& directory, const std::string& name);

// The directory part of `path`: "." for a bare name, the root for a name in it.
std::string parentDirectory(const std::string& path);

}  // namespace varnix
