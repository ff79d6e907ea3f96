#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnix {

// The one place that knows which system's path rules hold.
#ifdef _WIN32
inline constexpr bool kWindowsPaths = true;
#else
inline constexpr bool kWindowsPaths = false;
#endif
inline constexpr char kPathSeparator = kWindowsPaths ? '\\' : '/';

// The directories of a program search path such as PATH ("a:b", on Windows
// "a;b"). Empty entries are dropped: they would mean the current directory,
// which is the ROM directory during a launch.
std::vector<std::string> splitSearchPath(std::string_view searchPath);

// Whether `c` separates names in a path ("\" and "/" on Windows). Only
// for a byte that starts a character: the finders below walk characters.
bool isPathSeparator(char c);

// Where the first separator at or after `from`, or the last one, stands in
// `path`; npos when there is none.
std::size_t findSeparator(std::string_view path, std::size_t from = 0);
std::size_t findLastSeparator(std::string_view path);
bool endsWithSeparator(std::string_view path);

// Whether the system could hold every character of `name`. A Windows name
// never holds "?": the system writes it for a character the code page
// lacks, where no short name could stand in, and such a name opens nothing
// or another file. Always true elsewhere.
bool isHeldName(std::string_view name);

// Whether `name` is a root directory: "/"; on Windows also "\\" and "C:\\".
bool isRootDirectory(std::string_view name);

// `name` inside `directory`, with one separator between them.
std::string pathInDirectory(const std::string& directory, const std::string& name);

// The directory part of `path`: "." for a bare name, the root for a name in it.
std::string parentDirectory(const std::string& path);

// `path` as it is when absolute; a relative one taken from `base`. On
// Windows a path rooted without a drive ("\roms") takes `base`'s drive.
// The empty path stays empty: it names no directory.
std::string resolvePath(const std::string& base, const std::string& path);

// An absolute path taken apart: its root ("/"; on Windows "C:\" or a share
// "\\server\share\") and the names of the directories below it, with "."
// and ".." resolved and doubled or trailing separators ignored.
struct PathChain {
    std::string root;
    std::vector<std::string> names;

    // The root joined with the first `count` names.
    std::string pathOf(std::size_t count) const;
    std::string path() const { return pathOf(names.size()); }
};
PathChain splitAbsolutePath(std::string_view path);

}  // namespace varnix
