#include "core/middle_cut.h"

#include "core/characters.h"
#include "system/encoding.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace varnix;

namespace {

// One unit a byte: widths are plain to read.
int bytes(const std::string& text)
{
    return static_cast<int>(text.size());
}

} // namespace

TEST(MiddleCut, ALongNameKeepsItsStartAndItsRegionOrRevision)
{
    const struct {
        const char* name;
        int width;
        const char* shown;
    } rows[] = {
        { "Final Fantasy III (USA).sfc", 27, "Final Fantasy III (USA).sfc" }, // fits: as it is
        { "Final Fantasy III (USA) (Rev 1).sfc", 22, "Final Fa...(Rev 1).sfc" },
        { "Final Fantasy III (USA).sfc", 22, "Final Fant...(USA).sfc" },
        { "Super Mario World (U) [!].smc", 16, "Super ...[!].smc" },
        { "Legend of Zelda (USA) (Rev 1).sfc", 12, "Legen....sfc" }, // no room for the group: the extension stays
        { "abcdefghijkl.smc", 10, "abc....smc" }, // the extension whole, though more than half the room
        { "averyveryverylongdirectory", 11, "aver...tory" }, // neither: cut in the middle
        { "Metal Slug X (v1.1)", 14, "Metal...(v1.1)" }, // a dot inside a group starts no extension
        { "Final Fantasy III (USA) (Rev 1).sfc", 14, "...(Rev 1).sfc" }, // the group just fits: it stays
        { "abcdefgh", 4, "a..." }, // room for one character: the start's
        { "abcdefgh", 2, "..." }, // not even the ellipsis fits: it is all there is
    };
    for (const auto& row : rows) {
        const auto shown = cutInTheMiddle(row.name, "...", row.width, bytes);
        EXPECT_EQ(shown, row.shown) << row.name;
        EXPECT_LE(bytes(shown), std::max(row.width, 3)) << "wider than the row, or than the ellipsis alone";
    }
}

TEST(MiddleCut, WhereWidthsDoNotAddUpTheStartGivesWayAndTheRevisionStays)
{
    // Kerned: the ellipsis is two units wider beside a bracket after it, or
    // beside any character before it.
    const auto kerned = [](const std::string& text) { return bytes(text) + (text.find("...(") != text.npos ? 2 : 0); };
    const std::string revision = "Final Fantasy III (USA) (Rev 1).sfc";
    EXPECT_EQ(cutInTheMiddle(revision, "...", 22, kerned), "Final ...(Rev 1).sfc");
    EXPECT_EQ(cutInTheMiddle(revision, "...", 16, kerned), "...(Rev 1).sfc");
    const auto kernedAfter = [](const std::string& text) {
        return bytes(text) + (text.find("...") != text.npos && text.find("...") > 0 ? 2 : 0);
    };
    EXPECT_EQ(cutInTheMiddle("abcdefghijkl", "...", 10, kernedAfter), "ab...jkl") << "the longer side gives way";
    EXPECT_EQ(cutInTheMiddle("abcdefghijkl", "...", 11, kernedAfter), "abc...jkl") << "the start, then the longer end";
    EXPECT_EQ(cutInTheMiddle("abcdefghijkl", "...", 4, kernedAfter), "...") << "the start's last character too";
    EXPECT_EQ(cutInTheMiddle("abcdefgh(", "...", 5, kerned), "...") << "the end's last character too";
    // Wide letters: each piece is measured where it lies in the name.
    const auto wide
        = [](const std::string& text) { return bytes(text) + 2 * static_cast<int>(std::ranges::count(text, 'W')); };
    EXPECT_EQ(cutInTheMiddle("abcdefghWWWW", "...", 14, wide), "abcdefgh...W");
}

TEST(MiddleCut, CutsOnlyBetweenCharacters)
{
    // "é" is two bytes of UTF-8, "…" three: neither is ever halved.
    setCharacterLength(utf8CharacterLength);
    const auto shown
        = cutInTheMiddle("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9.smc", "\xe2\x80\xa6", 12, bytes);
    // The end's characters are wider than the start's: it is measured from the end.
    const auto wideEnd = cutInTheMiddle("abcdef\xc3\xa9\xc3\xa9\xc3\xa9", "\xe2\x80\xa6", 11, bytes);
    setCharacterLength(nullptr);
    useSystemEncoding(); // the system's own again, where it has one
    EXPECT_EQ(shown, "\xc3\xa9\xc3\xa9\xe2\x80\xa6.smc");
    EXPECT_EQ(wideEnd, "abcd\xe2\x80\xa6\xc3\xa9\xc3\xa9");
}
