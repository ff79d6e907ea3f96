#include "core/characters.h"
#include "core/config_record.h"
#include "core/fixed_field.h"

#include "system/encoding.h"

#include <gtest/gtest.h>

#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace varnix;

TEST(FixedField, PadsCutsAndNeverSplitsACharacter)
{
    struct Row {
        const char* guards;
        std::string text;
        std::size_t width;
        std::string expected;
    };
    const Row rows[] = {
        {"short text is blank-padded", "ab", 5, "ab   "},
        {"empty text gives all blanks", "", 4, "    "},
        {"exact width stays", "abcd", 4, "abcd"},
        {"long text is cut to the width", "abcdef", 4, "abcd"},
        {"leading and trailing blanks are kept", " a ", 5, " a   "},
        {"two-byte character straddling the cut moves back", "abc\xC3\xA9", 4, "abc "},
        {"three-byte character straddling the cut moves back", "ab\xE2\x82\xAC", 4, "ab  "},
        {"character ending exactly at the width stays", "ab\xC3\xA9x", 4, "ab\xC3\xA9"},
        {"four-byte character straddling the cut moves back", "a\xF0\x9F\x98\x80", 3, "a  "},
        {"stray high byte from a foreign file is a byte", "abc\xA9\xA9", 4, "abc\xA9"},
    };
#ifdef _WIN32
    // Under an ANSI code page these two bytes are two characters, and the cut
    // falls between them.
    useSystemEncoding();
    if (GetACP() != CP_UTF8) {
        EXPECT_EQ(fitToWidth("abc\xC3\xA9", 4), "abc\xC3");
        return;
    }
#endif
    for (const auto& row : rows)
        EXPECT_EQ(fitToWidth(row.text, row.width), row.expected) << row.guards;
}

TEST(Characters, AWellFormedUtf8SequenceIsOneCharacterAndAnyOtherByteIsOne)
{
    const struct {
        const char* text;
        std::size_t length;
    } rows[] = {
        {"a", 1},           {"\xC3\xA9", 2},    {"\xE2\x82\xAC", 3}, {"\xF0\x9F\x98\x80", 4},
        {"\xC3", 1},        {"\xC3" "A", 1},     {"\xE2\x82", 1},      {"\xFF\x80", 1},
        {"\x80\x80", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(utf8CharacterLength(row.text, 0), row.length) << row.text;
}

TEST(FixedField, AUtf8CutAtOrPastTheEndStaysWhereItIs)
{
    // Exactly as long as the text, so that a read past it is caught.
    const std::vector<char> bytes{'a', 'b', '\xC3', '\xA9'};
    const std::string_view text(bytes.data(), bytes.size());
    for (std::size_t width : {4u, 5u, 9u})
        EXPECT_EQ(utf8BoundaryAtOrBefore(text, width), width);
    EXPECT_EQ(utf8BoundaryAtOrBefore(text, 3), 2u);
}

TEST(FixedField, OnlyExactlyBlanksIsNotSet)
{
    ConfigRecord record;
    for (const auto& layout : kFieldLayout)
        EXPECT_FALSE(record.isSet(layout.field)) << "a new record is all blanks";

    record.set(Field::SnesExe, std::string(1, '\0'));
    EXPECT_TRUE(record.isSet(Field::SnesExe)) << "a zero byte counts as set";
    record.set(Field::MameExe, "   x");
    EXPECT_TRUE(record.isSet(Field::MameExe));
    record.set(Field::MameExe, "");
    EXPECT_FALSE(record.isSet(Field::MameExe));
}

TEST(FixedField, ParameterBoxTextBecomesBlanksOnlyForEmptyOrTheExactMarker)
{
    EXPECT_EQ(parameterFieldText(""), "");
    EXPECT_EQ(parameterFieldText("Not Setup"), "");
    EXPECT_EQ(parameterFieldText("not setup"), "not setup");
    EXPECT_EQ(parameterFieldText(" Not Setup"), " Not Setup");
    EXPECT_EQ(parameterFieldText("-fs"), "-fs");
}
