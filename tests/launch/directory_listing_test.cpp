#include "support/temp_dir.h"
#include "launch/directory_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace varnix;

TEST(DirectoryListing, WildcardsMatchWithoutRegardToCase)
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
    };
    for (const auto& row : rows)
        EXPECT_EQ(matchesWildcard(row.name, row.pattern), row.matches) << row.name << " ~ " << row.pattern;
    EXPECT_EQ(splitPatterns("*.smc; *.sfc;;*.1 "), (std::vector<std::string>{"*.smc", "*.sfc", "*.1"}));
}

TEST(DirectoryListing, NamesSortWithoutRegardToCaseAndDigitsByValue)
{
    std::vector<std::string> names{"game10.smc", "Game2.smc", "alpha.smc", "game2.smc", "BETA.smc", "game02.smc"};
    std::sort(names.begin(), names.end(), nameLess);
    EXPECT_EQ(names, (std::vector<std::string>{"alpha.smc", "BETA.smc", "Game2.smc", "game02.smc", "game2.smc",
                                               "game10.smc"}));
}

TEST(DirectoryListing, FilesAndSubdirectoriesAreListedApartWithoutHiddenOnes)
{
    TempDir dir;
    dir.write("roms/b.smc", "");
    dir.write("roms/A.SMC", "");
    dir.write("roms/.hidden.smc", "");
    dir.write("roms/x.zip/inside", "");  // a directory named like a file
    dir.write("roms/.git/config", "");
#ifdef _WIN32
    // Hidden and system files are the ones Windows marks so.
    dir.write("roms/system.smc", "");
    SetFileAttributesA(dir.file("roms/.hidden.smc").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(dir.file("roms/system.smc").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(dir.file("roms/.git").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
#endif
    EXPECT_EQ(listFiles(dir.file("roms") + "   "), (std::vector<std::string>{"A.SMC", "b.smc"}))
        << "trailing blanks are no part of the directory's name";
    EXPECT_EQ(listSubdirectories(dir.file("roms")), (std::vector<std::string>{"x.zip"}));
    EXPECT_THROW(listFiles(dir.file("missing")), std::system_error);
    EXPECT_THROW(listFiles(""), std::system_error);
}

#ifndef _WIN32
TEST(DirectoryListing, AnEntryThatCannotBeExaminedIsLeftOutAndFailsNothing)
{
    TempDir dir;
    dir.write("roms/a.zip", "");
    std::filesystem::create_symlink("gone.zip", dir.file("roms/dangling.zip"));
    std::filesystem::create_symlink("loop2.zip", dir.file("roms/loop1.zip"));
    std::filesystem::create_symlink("loop1.zip", dir.file("roms/loop2.zip"));
    std::filesystem::create_symlink("a.zip", dir.file("roms/z.zip"));
    EXPECT_EQ(listFiles(dir.file("roms")), (std::vector<std::string>{"a.zip", "z.zip"}));
    EXPECT_EQ(listSubdirectories(dir.file("roms")), std::vector<std::string>{});
}
#endif
