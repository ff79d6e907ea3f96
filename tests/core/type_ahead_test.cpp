#include "core/characters.h"
#include "core/type_ahead.h"
#include "system/encoding.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnix;

namespace {

std::optional<std::size_t> found(const std::vector<std::string>& names, std::optional<std::size_t> selected,
                                 std::string_view typed)
{
    return typedRow(names.size(), [&](std::size_t row) -> std::string_view { return names[row]; }, selected, typed);
}

// Shift-JIS's lead bytes take the byte after them; that one may be an ASCII
// letter's.
std::size_t shiftJisLength(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 2 : 1;
}

}  // namespace

TEST(TypeAhead, TheTypedTextFindsTheFirstRowFromTheSelectedOneOnAndOneLetterSteps)
{
    const std::vector<std::string> names{"a.zip",     "mslug.zip",    "samsho.zip", "sf2.zip",
                                         "sf2ce.zip", "SIMPSONS.zip", "zed.zip"};
    const struct {
        std::optional<std::size_t> selected;
        const char* typed;
        std::optional<std::size_t> row;
    } rows[] = {
        {std::nullopt, "sf2c", 4},
        {std::nullopt, "SIM", 5},  // case makes no difference, either way
        {2, "Sim", 5},
        {std::nullopt, "msl", 1},
        {4, "sf2", 4},  // the selected row itself, while it still matches
        {5, "sf", 3},   // from the top once past the end
        {std::nullopt, "s", 2},
        {2, "ss", 3},  // again and again: the next
        {3, "sss", 4},
        {5, "S", 2},  // the next, from the top
        {0, "a", 0},  // the only one: it stays
        {6, "aa", 0},
        {std::nullopt, "x", std::nullopt},
        {3, "sfx", std::nullopt},
        {3, "", std::nullopt},
        {std::size_t{99}, "z", 6},  // a row not in the list is none
    };
    for (const auto& row : rows)
        EXPECT_EQ(found(names, row.selected, row.typed), row.row)
            << row.typed << " from " << (row.selected ? std::to_string(*row.selected) : "none");
    EXPECT_EQ(found({}, std::nullopt, "a"), std::nullopt);
    EXPECT_EQ(found({"a.zip"}, std::nullopt, "A"), 0u);
    const std::vector<std::string> twins{"aa.zip", "ab.zip"};
    EXPECT_EQ(found(twins, std::nullopt, "a"), 0u) << "none selected: the first from the top";
    EXPECT_EQ(found(twins, 6, "a"), 0u) << "a row past the end is none";
}

TEST(TypeAhead, OnlyWholeCharactersMatch)
{
    // "\x83\x41" and "\x83\x61" are two katakana whose second bytes are "A"
    // and "a": neither is lowered, and half of one finds neither.
    setCharacterLength(shiftJisLength);
    const std::vector<std::string> japanese{"\x83\x61x.zip", "\x83\x41.zip", "\x83\x41\x83\x41.zip"};
    EXPECT_EQ(found(japanese, std::nullopt, "\x83\x41"), 1u);
    EXPECT_EQ(found(japanese, std::nullopt, "\x83"), std::nullopt) << "ends inside a character";
    EXPECT_EQ(found(japanese, 1, "\x83\x41\x83\x41"), 2u) << "one character again: the next";
    EXPECT_EQ(found(japanese, std::nullopt, "\x83\x61X"), 0u);
    setCharacterLength(nullptr);

    // Without a rule: UTF-8 sequences whole, any other byte (Latin-1) alone.
    const std::vector<std::string> names{"e.zip", "\xc3\xa9t\xc3\xa9.zip", "\xe9t\xe9.zip"};
    EXPECT_EQ(found(names, std::nullopt, "\xc3"), std::nullopt);
    EXPECT_EQ(found(names, std::nullopt, "\xc3\xa9t"), 1u);
    EXPECT_EQ(found(names, std::nullopt, "\xe9T"), 2u);
    useSystemEncoding();
}

TEST(TypeAhead, APauseBeginsANewText)
{
    TypedText typed;
    EXPECT_EQ(typed.add("s", 5000), "s");
    EXPECT_EQ(typed.add("f", 5000 + kTypingPauseMs - 1), "sf");
    EXPECT_EQ(typed.add("2", 5000 + 2 * kTypingPauseMs - 1), "2");
    EXPECT_EQ(typed.add("a", 0xFFFFFF00u), "a");
    EXPECT_EQ(typed.add("b", 0x10u), "ab") << "the clock wrapped a moment ago";
    EXPECT_EQ(typed.add("\xe3\x82\xa2", std::nullopt), "\xe3\x82\xa2") << "an input method's text comes whole";
}
