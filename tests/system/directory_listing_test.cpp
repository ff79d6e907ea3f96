#include "support/temp_dir.h"
#include "system/directories.h"
#include "system/directory_listing.h"

#include "core/failure.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace varnix;

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
    EXPECT_THROW(listFiles(dir.file("missing")), Failure);
    EXPECT_THROW(listFiles(""), Failure);
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

#ifndef _WIN32
TEST(Directories, TheCurrentDirectoryIsReadWhateverItsLength)
{
    TempDir dir;
    const auto start = std::filesystem::current_path();
    // Deeper than the first buffer the name is read into, and than one page:
    // made and left one step at a time, as the whole name is too long to use.
    const std::string name(200, 'd');
    std::string deep = dir.path();
    std::filesystem::current_path(dir.path());
    for (int level = 0; level < 25; ++level) {
        std::filesystem::create_directory(name);
        std::filesystem::current_path(name);
        deep += "/" + name;
    }
    const auto read = currentDirectory();
    for (int level = 0; level < 25; ++level) {
        std::filesystem::current_path("..");
        std::filesystem::remove(name);
    }
    std::filesystem::current_path(start);
    EXPECT_EQ(read, deep);
}
#endif
