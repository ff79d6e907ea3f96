#include "core/directory_rows.h"
#include "core/launch_rules.h"
#include "core/path_names.h"

#include <gtest/gtest.h>

using namespace varnix;

TEST(LaunchRules, RomDirectoryStepDropsOneTrailingSeparatorButKeepsTheRoot)
{
    struct Row {
        const char* guards;
        std::string before;
        std::string after;
    };
    const Row rows[] = {
        {"a trailing separator goes, with the blanks after it", "/roms/snes/   ", "/roms/snes"},
        {"a trailing separator without blanks goes", "/roms/snes/", "/roms/snes"},
        {"no separator: the copy keeps its blanks", "/roms/snes   ", "/roms/snes   "},
        {"only one separator goes", "/roms//", "/roms/"},
        {"the root stays the root", "/", "/"},
        {"the root with blanks is left as it is", "/  ", "/  "},
        {"an empty directory stays empty", "", ""},
        {"blanks alone stay", "     ", "     "},
#ifdef _WIN32
        {"a Windows path loses its backslash", "C:\\ROMS\\SNES\\   ", "C:\\ROMS\\SNES"},
        {"a drive's root stays its root, not the drive's current directory", "C:\\", "C:\\"},
        {"a forward slash counts as well", "C:/ROMS/", "C:/ROMS"},
#endif
    };
    for (const auto& row : rows) {
        std::string directory = row.before;
        romDirectoryStep(directory);
        EXPECT_EQ(directory, row.after) << row.guards;
    }
}

TEST(LaunchRules, MameGameNameEndsBeforeTheFirstDotButNeverExaminesTheLastCharacter)
{
    struct Row {
        const char* guards;
        std::string fileName;
        std::string game;
    };
    const Row rows[] = {
        {"plain zip", "pacman.zip", "pacman"},
        {"the first dot counts, not the last", "sf2.alt.zip", "sf2"},
        {"a leading only dot gives the empty name", ".zip", ""},
        {"a dot as the last character is kept", "abc.", "abc."},
        {"a one-character name is taken whole", "a", "a"},
        {"a lone dot is taken whole", ".", "."},
        {"no dot: the whole name", "galaga", "galaga"},
        {"trailing blanks of a dotless name go", "galaga  ", "galaga"},
        {"a dot before trailing blanks is examined", "abc. ", "abc"},
        {"upper case is kept", "GALAGA.ZIP", "GALAGA"},
        {"empty name", "", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(gameNameFromZip(row.fileName), row.game) << row.guards;
}

TEST(LaunchRules, NeoRageGameDirectoryIsFoundWithinTheLast29Characters)
{
    const std::string c28(28, 'g');
    const std::string c29(29, 'g');
    struct Row {
        const char* guards;
        std::string path;
        std::string game;
    };
    const Row rows[] = {
        {"the last component", "/neogeo/mslug", "mslug"},
        {"trailing blanks are not part of the path", "/neogeo/mslug   ", "mslug"},
        {"a 28-character component is found", "/neogeo/" + c28, c28},
        {"a 29-character component leaves the whole path", "/neogeo/" + c29, "/neogeo/" + c29},
        {"the root gives the empty name", "/", ""},
        {"a trailing separator gives the empty name", "/neogeo/", ""},
        {"a component of the root", "/mslug", "mslug"},
        {"a bare name is taken whole", "mslug", "mslug"},
        {"the empty path stays empty", "", ""},
#ifdef _WIN32
        {"a Windows path", "C:\\NEOGEO\\MSLUG", "MSLUG"},
        {"the root of a drive", "C:\\", ""},
#endif
    };
    for (const auto& row : rows)
        EXPECT_EQ(gameDirectoryName(row.path), row.game) << row.guards;
}

TEST(LaunchRules, CommandLineKeepsEveryPieceAsItStands)
{
    EXPECT_EQ(composeCommandLine("/emu/snes", "-f", "rom.smc"), "/emu/snes -f rom.smc");
    EXPECT_EQ(composeCommandLine("/emu/gen", "", "-x"), "/emu/gen  -x") << "an empty piece leaves two blanks";
    EXPECT_EQ(composeCommandLine("/emu/snes   ", " a ", ""), "/emu/snes     a  ")
        << "blanks inside pieces are kept, and an empty last piece still has its blank";
}

TEST(PathNames, RelativeDirectoriesResolveAgainstTheStartAndChainsStartAtTheRoot)
{
    struct Row {
        const char* guards;
        std::string path;
        std::string resolved;  // against the start directory
        std::vector<std::string> chain;  // the root, then the names below it
    };
#ifdef _WIN32
    const std::string start = "C:\\start";
    const Row rows[] = {
        {"a relative directory", "roms\\snes", "C:\\start\\roms\\snes", {"C:\\", "start", "roms", "snes"}},
        {"an absolute one", "D:\\roms\\", "D:\\roms\\", {"D:\\", "roms"}},
        {"rooted without a drive: the start's drive", "\\roms", "C:\\roms", {"C:\\", "roms"}},
        {"a share is its own root", "\\\\srv\\share\\neogeo", "\\\\srv\\share\\neogeo",
         {"\\\\srv\\share\\", "neogeo"}},
        {"either separator, dots resolved", "./a/../b", "C:\\start\\./a/../b", {"C:\\", "start", "b"}},
    };
#else
    const std::string start = "/start";
    const Row rows[] = {
        {"a relative directory", "roms/snes", "/start/roms/snes", {"/", "start", "roms", "snes"}},
        {"an absolute one", "/roms//snes/", "/roms//snes/", {"/", "roms", "snes"}},
        {"dots resolved", "./a/../b", "/start/./a/../b", {"/", "start", "b"}},
        {"the root", "/", "/", {"/"}},
    };
#endif
    for (const auto& row : rows) {
        EXPECT_EQ(resolvePath(start, row.path), row.resolved) << row.guards;
        const auto chain = splitAbsolutePath(row.resolved);
        std::vector<std::string> parts{chain.root};
        parts.insert(parts.end(), chain.names.begin(), chain.names.end());
        EXPECT_EQ(parts, row.chain) << row.guards;
        EXPECT_EQ(splitAbsolutePath(chain.path()).path(), chain.path()) << row.guards;
    }
    EXPECT_EQ(resolvePath(start, ""), "") << "the empty text names no directory";
    const std::string separator(1, kPathSeparator), list(1, kWindowsPaths ? ';' : ':');
    EXPECT_EQ(parentDirectory(start + separator + "roms"), start);
    EXPECT_EQ(parentDirectory(separator + "roms"), separator);
    EXPECT_EQ(splitSearchPath("ab" + list + list + "cd" + list + "e"), (std::vector<std::string>{"ab", "cd", "e"}))
        << "an empty entry would mean the current directory";
    EXPECT_EQ(splitAbsolutePath("a" + separator + "roms").root, "") << "a relative path has no root";
#ifdef _WIN32
    EXPECT_EQ(splitAbsolutePath("D:roms").root, "") << "nor has a drive's current directory";
    EXPECT_EQ(splitAbsolutePath("\\\\srv\\\\neogeo").root, "\\\\srv\\") << "a root ends in one separator";
    EXPECT_EQ(resolvePath(start, "D:"), "D:") << "a drive alone names its own current directory";
    EXPECT_EQ(resolvePath(start, "\\\\"), "\\\\") << "the start of a share takes no drive";
#endif
}

TEST(PathNames, DirectoryRowsAreTheChainFromTheRootThenTheSubdirectories)
{
#ifdef _WIN32
    const std::string root = "C:\\", separator = "\\";
#else
    const std::string root = "/", separator = "/";
#endif
    const DirectoryRows rows{splitAbsolutePath(root + "roms" + separator + "neo"), {"kof98", "mslug"}};
    ASSERT_EQ(rows.count(), 5u);
    const std::vector<std::string> names{root, "roms", "neo", "kof98", "mslug"};
    const std::vector<std::size_t> depths{0, 1, 2, 3, 3};
    for (std::size_t row = 0; row < rows.count(); ++row) {
        EXPECT_EQ(rows.nameAt(row), names[row]) << row;
        EXPECT_EQ(rows.depthOf(row), depths[row]) << row;
    }
    EXPECT_EQ(rows.pathAt(0), root);
    EXPECT_EQ(rows.pathAt(2), root + "roms" + separator + "neo") << "the open directory itself";
    EXPECT_EQ(rows.pathAt(3), root + "roms" + separator + "neo" + separator + "kof98");
}
