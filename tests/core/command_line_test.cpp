#include "core/command_line.h"
#include "core/fixed_field.h"
#include "core/launch_rules.h"

#include <gtest/gtest.h>

#include <map>

using namespace varnix;
using Arguments = std::vector<std::string>;

TEST(CommandLine, SplitterSeparatesOnBlankRunsAndGroupsQuotes)
{
    struct Row {
        const char* guards;
        std::string line;
        Arguments arguments;
    };
    const Row rows[] = {
        {"runs of blanks and tabs separate", "  a  b\t\tc ", {"a", "b", "c"}},
        {"quotes group blanks", R"(x "a b" y)", {"x", "a b", "y"}},
        {"quotes inside an argument join it", R"(a"b c"d)", {"ab cd"}},
        {"a doubled quote inside quotes is one quote", R"("say ""hi""")", {R"(say "hi")"}},
        {"an empty quoted argument stays", R"(a "" b)", {"a", "", "b"}},
        {"a backslash never escapes a quote", R"(C:\roms\ "a\" b)", {R"(C:\roms\)", R"(a\)", "b"}},
        {"shell characters are plain characters", "$(touch x) `id` a;b |&<>*", {"$(touch", "x)", "`id`", "a;b", "|&<>*"}},
        {"an unclosed quote runs to the end", R"(a "b c)", {"a", "b c"}},
        {"blanks alone give nothing", "   ", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(splitCommandLine(row.line), row.arguments) << row.guards;
}

TEST(CommandLine, ProgramIsTheShortestPrefixThatNamesAnExecutable)
{
    const std::map<std::string, std::string> executables{
        {"/opt/big emu/snes", "/opt/big emu/snes"},
        {"/opt/my", "/opt/my"},
        {"snes9x", "/usr/games/snes9x"},
        {"z", "/usr/bin/z"},
    };
    const auto find = [&](const std::string& piece) -> std::optional<std::string> {
        const auto found = executables.find(piece);
        return found == executables.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    struct Row {
        const char* guards;
        std::string line;
        std::string program;
        Arguments argv;
    };
    const Row rows[] = {
        {"an unquoted path with blanks is found", "/opt/big emu/snes -f \"a b.smc\"", "/opt/big emu/snes",
         {"/opt/big emu/snes", "-f", "a b.smc"}},
        {"the shortest prefix wins, as on Windows", "/opt/my emu/other x", "/opt/my", {"/opt/my", "emu/other", "x"}},
        {"trailing blanks of a stored path end the program", "snes9x        -f  rom", "/usr/games/snes9x",
         {"snes9x", "-f", "rom"}},
        {"leading blanks are skipped", "   snes9x a", "/usr/games/snes9x", {"snes9x", "a"}},
        {"empty pieces add no argument", "snes9x   rom", "/usr/games/snes9x", {"snes9x", "rom"}},
        {"a quoted program ends at its closing quote", "\"/opt/big emu/snes\"x y", "/opt/big emu/snes",
         {"/opt/big emu/snes", "x", "y"}},
        {"a quoted program that names nothing is not found", "\"/opt/my emu/gone\" y", "", {"/opt/my emu/gone", "y"}},
        {"no prefix found: the first argument is the program", "/none/emu a b", "", {"/none/emu", "a", "b"}},
        {"a prefix never ends in a blank", "/opt/my  ", "/opt/my", {"/opt/my"}},
        {"the whole line can be the program", "/opt/big emu/snes", "/opt/big emu/snes", {"/opt/big emu/snes"}},
        {"a program of one character", "z rom", "/usr/bin/z", {"z", "rom"}},
    };
    for (const auto& row : rows) {
        const auto resolved = resolveCommandLine(row.line, find);
        ASSERT_TRUE(resolved) << row.guards;
        EXPECT_EQ(resolved->program, row.program) << row.guards;
        EXPECT_EQ(resolved->argv, row.argv) << row.guards;
    }
    EXPECT_FALSE(resolveCommandLine("    ", find)) << "a blank line has no program piece";
    EXPECT_FALSE(resolveCommandLine("", find));
}

TEST(CommandLine, CutAtNulKeepsTheTextBeforeTheFirstNul)
{
    EXPECT_EQ(CutAtNul("abc"), "abc");
    EXPECT_EQ(CutAtNul(std::string("\0abc", 4)), "");
    EXPECT_EQ(CutAtNul(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(CutAtNul(std::string(300, '\0')), "");
}
