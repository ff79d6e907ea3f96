#include "core/name_matching.h"

#include "core/characters.h"

#include <algorithm>
#include <cstdint>

namespace varnix {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A key whose byte order is nameLess's order before its last tie-break:
// letters lowered; each run of digits as "0" (a digit sorts against any other
// character as "0" does), the run's length without its leading zeros in one
// byte (a name holds at most 255 bytes), then those digits.
std::string sortKey(std::string_view name)
{
    std::string key;
    key.reserve(name.size() + 4);
    for (std::size_t i = 0; i < name.size();) {
        if (!isDigit(name[i])) {
            key += lowerAscii(name[i++]);
            continue;
        }
        auto end = i;
        while (end < name.size() && isDigit(name[end]))
            ++end;
        while (i < end && name[i] == '0')
            ++i;
        key += '0';
        key += static_cast<char>(static_cast<unsigned char>(end - i));
        key.append(name.substr(i, end - i));
        i = end;
    }
    return key;
}

}  // namespace

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
        // A pattern's `*` is a wildcard first, whatever the name holds there.
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++n;
            ++p;
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
        const char ca = lowerAscii(a[i]), cb = lowerAscii(b[j]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}

void sortNames(std::vector<std::string>& names)
{
    // Each entry carries its key's first eight bytes as a number, which
    // decides most comparisons; the keys lie back to back in one buffer.
    struct Entry {
        std::uint64_t head;
        std::uint32_t name, offset, length;
    };
    std::string keys;
    std::vector<Entry> entries;
    entries.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto key = sortKey(names[i]);
        std::uint64_t head = 0;
        for (std::size_t b = 0; b < 8; ++b)
            head = head << 8 | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
        entries.push_back({head, static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(keys.size()),
                           static_cast<std::uint32_t>(key.size())});
        keys += key;
    }
    const std::string_view all(keys);
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        if (const int byKey = all.substr(a.offset, a.length).compare(all.substr(b.offset, b.length)))
            return byKey < 0;
        return names[a.name] < names[b.name];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& entry : entries)
        sorted.push_back(std::move(names[entry.name]));
    names = std::move(sorted);
}

}  // namespace varnix
