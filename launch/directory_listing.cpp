#include "launch/directory_listing.h"

#include "config/fixed_field.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>

#ifdef _WIN32
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
    std::string query = name;
    if (!query.empty() && query.back() != '\\' && query.back() != '/')
        query += '\\';
    query += '*';
    WIN32_FIND_DATAA data;
    HANDLE find = name.empty() ? INVALID_HANDLE_VALUE : FindFirstFileA(query.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        throw std::system_error(ENOENT, std::generic_category(), "cannot read " + name);
    std::vector<std::string> names;
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
    FindClose(find);
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
    errno = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')  // hidden, and "." and ".."
            continue;
        auto type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {  // where it leads decides
            struct stat info {};
            if (fstatat(dirfd(dir.get()), entry->d_name, &info, 0) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == (wanted == EntryKind::Directory ? DT_DIR : DT_REG))
            names.emplace_back(entry->d_name);
    }
    if (errno != 0)
        throw std::system_error(errno, std::generic_category(), "cannot read " + name);
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

#endif

}  // namespace

#ifdef _WIN32

DirectoryStamp directoryStamp(const std::string& directory)
{
    const auto name = withoutTrailingBlanks(directory);
    // A directory opens only with backup semantics; nothing is read from it.
    HANDLE handle = name.empty() ? INVALID_HANDLE_VALUE
                                 : CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &info);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    if (!known || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw std::system_error(ENOENT, std::generic_category(), "cannot read " + name);
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<unsigned long long>(high) << 32) | low;
    };
    DirectoryStamp stamp;
    stamp.device = info.dwVolumeSerialNumber;
    stamp.inode = join(info.nFileIndexHigh, info.nFileIndexLow);
    stamp.modified = static_cast<long long>(join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    stamp.changed = static_cast<long long>(join(info.ftCreationTime.dwHighDateTime, info.ftCreationTime.dwLowDateTime));
    return stamp;
}

#else

DirectoryStamp directoryStamp(const std::string& directory)
{
    const auto name = withoutTrailingBlanks(directory);
    struct stat info {};
    if (stat(name.c_str(), &info) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot read " + name);
    if (!S_ISDIR(info.st_mode))
        throw std::system_error(ENOTDIR, std::generic_category(), "cannot read " + name);
    constexpr long long kNanoseconds = 1'000'000'000;
    return {static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
            info.st_mtim.tv_sec * kNanoseconds + info.st_mtim.tv_nsec,
            info.st_ctim.tv_sec * kNanoseconds + info.st_ctim.tv_nsec};
}

#endif

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
