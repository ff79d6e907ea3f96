#include "launch/directory_listing.h"

#include "config/fixed_field.h"
#include "launch/path_names.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include "launch/windows_error.h"

#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace varnix {
namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

enum class EntryKind { File, Directory };

#ifdef _WIN32

std::vector<std::string> listEntries(const std::string& directory, EntryKind wanted)
{
    const auto name = withoutTrailingBlanks(directory);
    if (name.empty())
        throw std::system_error(ENOENT, std::generic_category(), "cannot read the directory \"\"");
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pathInDirectory(name, "*").c_str(), &data);
    std::vector<std::string> names;
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A drive's root that holds nothing has no "." either: it is empty,
        // not unreadable.
        const DWORD attributes = GetFileAttributesA(name.c_str());
        if (error == ERROR_FILE_NOT_FOUND && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return names;
        throw windowsError(error, "cannot read " + name);
    }
    do {
        const auto attributes = data.dwFileAttributes;
        const bool isDirectory = attributes & FILE_ATTRIBUTE_DIRECTORY;
        if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ||
            isDirectory != (wanted == EntryKind::Directory))
            continue;
        const std::string_view entry(data.cFileName);
        if (entry == "." || entry == "..")
            continue;
        names.emplace_back(entry);
    } while (FindNextFileA(find, &data));
    const DWORD error = GetLastError();
    FindClose(find);
    if (error != ERROR_NO_MORE_FILES)
        throw windowsError(error, "cannot read " + name);
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

#else

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

std::vector<std::string> listEntries(const std::string& directory, EntryKind wanted)
{
    const auto name = withoutTrailingBlanks(directory);
    std::unique_ptr<DIR, DirCloser> dir(opendir(name.c_str()));
    if (!dir)
        throw std::system_error(errno, std::generic_category(), "cannot read " + name);
    std::vector<std::string> names;
    for (;;) {
        // Only readdir's own errno tells a failed read: an entry that could
        // not be examined below leaves one behind that means nothing here.
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                throw std::system_error(errno, std::generic_category(), "cannot read " + name);
            break;
        }
        if (entry->d_name[0] == '.')  // hidden, and "." and ".."
            continue;
        auto type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {  // where it leads decides
            // A dangling or looping link, or a file gone since, is left out.
            struct stat info {};
            if (fstatat(dirfd(dir.get()), entry->d_name, &info, 0) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == (wanted == EntryKind::Directory ? DT_DIR : DT_REG))
            names.emplace_back(entry->d_name);
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

#endif

}  // namespace

std::vector<std::string> listFiles(const std::string& directory)
{
    return listEntries(directory, EntryKind::File);
}

std::vector<std::string> listSubdirectories(const std::string& directory)
{
    return listEntries(directory, EntryKind::Directory);
}

std::vector<std::string> splitPatterns(std::string_view patterns)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        auto end = patterns.find(';', start);
        if (end == std::string_view::npos)
            end = patterns.size();
        auto piece = patterns.substr(start, end - start);
        const auto first = piece.find_first_not_of(' ');
        if (first != std::string_view::npos)
            result.emplace_back(piece.substr(first, piece.find_last_not_of(' ') - first + 1));
        start = end + 1;
    }
    return result;
}

bool matchesWildcard(std::string_view name, std::string_view pattern)
{
    // Greedy match that backtracks to the last `*` on a mismatch.
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool matchesAnyWildcard(std::string_view name, const std::vector<std::string>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [name](const std::string& pattern) { return matchesWildcard(name, pattern); });
}

bool nameLess(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const auto ai = a.find_first_not_of('0', i), bj = b.find_first_not_of('0', j);
            auto aEnd = i, bEnd = j;
            while (aEnd < a.size() && isDigit(a[aEnd]))
                ++aEnd;
            while (bEnd < b.size() && isDigit(b[bEnd]))
                ++bEnd;
            const auto aDigits = a.substr(std::min(ai, aEnd), aEnd - std::min(ai, aEnd));
            const auto bDigits = b.substr(std::min(bj, bEnd), bEnd - std::min(bj, bEnd));
            if (aDigits.size() != bDigits.size())
                return aDigits.size() < bDigits.size();
            if (aDigits != bDigits)
                return aDigits < bDigits;
            i = aEnd;
            j = bEnd;
            continue;
        }
        const char ca = lower(a[i]), cb = lower(b[j]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}

}  // namespace varnix
