// Name matching and order over fuzzed names: every emulator's patterns, and
// the list's order, which must be a strict order of the very names given.
#include "core/emulator_table.h"
#include "core/name_matching.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>

using namespace varnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto names = fuzz::pieces(data, size);
    for (auto& name : names)
        name.resize(std::min<std::size_t>(name.size(), 255));  // a name holds at most 255 bytes
    for (const auto& name : names) {
        for (const auto& row : kEmulators)
            if (row.filePattern)
                matchesAnyWildcard(name, splitPatterns(row.filePattern));
        // A pattern's "*" and "?" are wildcards whatever the name holds.
        FUZZ_CHECK(matchesWildcard(name, name));
        for (std::size_t cut = 0; cut <= name.size(); ++cut) {
            FUZZ_CHECK(matchesWildcard(name, name.substr(0, cut) + "*"));
            FUZZ_CHECK(matchesWildcard(name, std::string("*").append(name, cut)));
        }
        FUZZ_CHECK(!nameLess(name, name));
    }
    auto sorted = names;
    sortNames(sorted);
    FUZZ_CHECK(std::is_permutation(sorted.begin(), sorted.end(), names.begin(), names.end()));
    for (std::size_t i = 1; i < sorted.size(); ++i)
        FUZZ_CHECK(!nameLess(sorted[i], sorted[i - 1]));
    return 0;
}
