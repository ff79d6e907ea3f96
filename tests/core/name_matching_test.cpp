#include "core/name_matching.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace varnix;

TEST(NameMatching, WildcardsMatchWithoutRegardToCase)
{
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } rows[] = {
        {"a.smc", "*.smc", true},       {"B.SFC", "*.sfc", true},        {"x.smd2", "*.smd*", true},
        {"x.smd.bak", "*.smd*", true},  {"f.zip", "*.smc", false},       {"game.zip.txt", "*.zip", false},
        {"d.1", "*.?", true},           {"noext", "*.*", false},         {"abc", "a*b*c", true},
        {"abxc", "a*c", true},          {"ab", "a*b*c", false},          {"", "*", true},
        // A name's own "*" (Linux allows it) is a character like any other.
        {"*x.zip", "*.zip", true},      {"*", "*", true},                {"*ab", "*b", true},
        // A mismatch before any "*" ends the match.
        {"b.zip", "a*", false},         {"abc", "abd", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(matchesWildcard(row.name, row.pattern), row.matches) << row.name << " ~ " << row.pattern;
    EXPECT_EQ(splitPatterns("*.smc; *.sfc;;*.1 "), (std::vector<std::string>{"*.smc", "*.sfc", "*.1"}));
}

TEST(NameMatching, NamesSortWithoutRegardToCaseAndDigitsByValue)
{
    std::vector<std::string> names{"game10.smc", "Game2.smc", "alpha.smc", "game2.smc", "BETA.smc", "game02.smc",
                                   "game9.smc"};
    std::sort(names.begin(), names.end(), nameLess);
    EXPECT_EQ(names, (std::vector<std::string>{"alpha.smc", "BETA.smc", "Game2.smc", "game02.smc", "game2.smc",
                                               "game9.smc", "game10.smc"}));
}

TEST(NameMatching, TheQuickSortKeepsTheOrderOfTheComparison)
{
    // Digits against the characters around "0" to "9", leading zeros, runs of
    // zeros, case, a prefix, bytes above 127, and a digit run at the very end.
    const std::vector<std::string> names{"a/", "a:", "a0", "a00", "a000b", "a9", "a10", "A10", "a010", "a1b",
                                         "a1", "a", "", "\xe9t\xe9", "\xc9T", "a\xff", "b 2", "b 10", "b!",
                                         "z99999999999999999999", "z100000000000000000000", "zz"};
    auto expected = names;
    std::sort(expected.begin(), expected.end(), nameLess);
    for (std::size_t shift = 0; shift < names.size(); ++shift) {
        auto sorted = names;
        std::rotate(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(shift), sorted.end());
        sortNames(sorted);
        EXPECT_EQ(sorted, expected) << "starting from " << names[shift];
    }
    for (const auto& name : names)
        EXPECT_FALSE(nameLess(name, name)) << "a strict order: no name sorts before itself, " << name;
    // A name read out of a longer text ends where its view ends.
    const std::string_view text = "a0b", a(text.data(), 1), a0(text.data(), 2);
    EXPECT_TRUE(nameLess(a, text) && nameLess(a, a0) && nameLess(a0, text));
    EXPECT_FALSE(nameLess(text, a) || nameLess(a0, a));
}
