#include "core/characters.h"
#include "core/type_ahead.h"
#include "system/encoding.h"

#include <gtest/gtest.h>

using namespace varnix;

namespace {

std::optional<std::size_t> found(const std::vector<std::string>& names, std::optional<std::size_t> selected,
                                 std::string_view typed)
{
    return typedRow(names.size(), [&](std::size_t row) -> std::string_view { return names[row]; }, selected, typed);
}

// Shift-JIS: a lead byte takes the byte after it, which may be an ASCII letter's.
std::size_t shiftJisLength(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 2 : 1;
}

}  // namespace

TEST(TypeAhead, TheTypedTextFindsTheFirstRowFromTheSelectedOneOnOneLetterStepsAndAPauseBeginsAnew)
{
    const std::vector<std::string> names{"a.zip", "mslug.zip", "samsho.zip", "sf2.zip", "sf2ce.zip", "SIMPSONS.zip"};
    const std::optional<std::size_t> none;
    const std::tuple<std::optional<std::size_t>, const char*, std::optional<std::size_t>> rows[] = {
        {none, "sf2c", 4}, {none, "SIM", 5}, {2, "Sim", 5}, {4, "sf2", 4}, {5, "sf", 3},  // on, then from the top
        {none, "s", 2}, {2, "ss", 3}, {3, "sss", 4}, {5, "S", 2}, {0, "aa", 0},          // one letter: the next
        {none, "x", none}, {3, "sfx", none}, {3, "", none}, {std::size_t{99}, "m", 1},
    };
    for (const auto& [selected, typed, row] : rows)
        EXPECT_EQ(found(names, selected, typed), row) << typed << " from " << selected.value_or(99);
    EXPECT_EQ(found({"a.zip"}, none, "A"), 0u);
    EXPECT_EQ(found({"aa.zip", "ab.zip"}, none, "a"), 0u);
    EXPECT_EQ(found({"aa.zip", "ab.zip"}, 6, "a"), 0u) << "a row past the end is none";

    TypedText text;
    EXPECT_EQ(text.add("s", 5000), "s");
    EXPECT_EQ(text.add("f", 5000 + kTypingPauseMs - 1), "sf");
    EXPECT_EQ(text.add("2", 5000 + 2 * kTypingPauseMs - 1), "2");
    text.add("a", 0xFFFFFF00u);
    EXPECT_EQ(text.add("b", 0x10u), "ab") << "the clock wrapped a moment ago";
    EXPECT_EQ(text.add("c", std::nullopt), "c") << "an input method's text comes whole";
}

TEST(TypeAhead, OnlyWholeCharactersMatch)
{
    // Katakana whose second bytes are "A" and "a": neither is lowered, and
    // half of one finds neither.
    setCharacterLength(shiftJisLength);
    const std::vector<std::string> japanese{"\x83\x61x.zip", "\x83\x41.zip", "\x83\x41\x83\x41.zip"};
    EXPECT_EQ(found(japanese, std::nullopt, "\x83\x41"), 1u);
    EXPECT_EQ(found(japanese, std::nullopt, "\x83"), std::nullopt);
    EXPECT_EQ(found(japanese, 1, "\x83\x41\x83\x41"), 2u);
    EXPECT_EQ(found(japanese, std::nullopt, "\x83\x61X"), 0u);
    setCharacterLength(nullptr);  // UTF-8 sequences whole, any other byte (Latin-1) alone
    EXPECT_EQ(found({"\xc3\xa9t.zip", "\xe9t.zip"}, std::nullopt, "\xc3"), std::nullopt);
    EXPECT_EQ(found({"\xc3\xa9t.zip", "\xe9t.zip"}, std::nullopt, "\xe9T"), 1u);
    useSystemEncoding();
}
