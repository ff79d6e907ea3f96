// Name matching and order over fuzzed names: every emulator's patterns, the
// list's order, which must be a strict order of the very names given, and the
// rows that typed names find.
#include "core/emulator_table.h"
#include "core/name_matching.h"
#include "core/type_ahead.h"
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
    // The start of a name, typed, finds that name's row or one before it;
    // typed to the middle of a character, it finds no row split there (but
    // one byte typed again and again steps through the rows it starts).
    if (names.size() <= 64) {
        fuzz::underEachCharacterRule([&names] {
            const RowName nameAt = [&names](std::size_t row) -> std::string_view { return names[row]; };
            for (std::size_t i = 0; i < names.size() && i < 8; ++i) {
                for (std::size_t cut = 1; cut <= names[i].size(); ++cut) {
                    const auto typed = std::string_view(names[i]).substr(0, cut);
                    const auto row = typedRow(names.size(), nameAt, std::nullopt, typed);
                    if (fuzz::isCharacterStart(names[i], cut))
                        FUZZ_CHECK(row && *row <= i);
                    else if (typed.find_first_not_of(typed[0]) != std::string_view::npos)
                        FUZZ_CHECK(!row || (cut <= names[*row].size() && fuzz::isCharacterStart(names[*row], cut)));
                }
            }
        });
    }
    auto sorted = names;
    sortNames(sorted);
    FUZZ_CHECK(std::is_permutation(sorted.begin(), sorted.end(), names.begin(), names.end()));
    for (std::size_t i = 1; i < sorted.size(); ++i)
        FUZZ_CHECK(!nameLess(sorted[i], sorted[i - 1]));
    return 0;
}
