// Where names have no short form, the short path names the same file as one
// argument of the command line. Windows has short forms of its own: see
// windows_test.cpp.
#include "core/command_line.h"
#include "core/launch_rules.h"
#include "system/short_path.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>

using namespace varnix;
using Arguments = std::vector<std::string>;

// Tests that resolve names against the current directory run inside a
// directory of their own, and go back afterwards.
class InTempDirectory : public ::testing::Test {
protected:
    InTempDirectory() : m_previous(std::filesystem::current_path()) { std::filesystem::current_path(dir.path()); }
    ~InTempDirectory() override { std::filesystem::current_path(m_previous); }

    TempDir dir;

private:
    std::filesystem::path m_previous;
};

TEST_F(InTempDirectory, ShortPathNamesAnExistingFileAsOneArgumentAndNothingElse)
{
    for (const char* name : {"plain.smc", "with blanks.smc", "q\"uote.smc"})
        dir.write(name, "");
    dir.write("sub/inner.smc", "");
    struct Row {
        const char* guards;
        std::string path;
        std::string shortPath;
    };
    const Row rows[] = {
        {"a plain name stands as it is", "plain.smc", "plain.smc"},
        {"a name with blanks is quoted", "with blanks.smc", "\"with blanks.smc\""},
        {"a quote is doubled inside quotes", "q\"uote.smc", "\"q\"\"uote.smc\""},
        {"a relative path resolves from the current directory", "sub/inner.smc", "sub/inner.smc"},
        {"a missing name gives the empty text", "missing.smc", ""},
        {"the empty path gives the empty text", "", ""},
        {"a name with trailing blanks is another name", "plain.smc ", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShortPath(row.path), row.shortPath) << row.guards;
}

TEST_F(InTempDirectory, AnyFileNameSurvivesTheCommandLineExactly)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> length(1, 24);
    // Printable bytes, blanks, quotes and backslashes weighted up, and bytes
    // of other encodings; never "/" or NUL, which no file name holds.
    const std::string favourites = " \"\\'$`;&|*?()<>\t";
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_int_distribution<int> printable(0x20, 0x7e);
    std::uniform_int_distribution<int> high(0x80, 0xff);
    std::uniform_int_distribution<std::size_t> favourite(0, favourites.size() - 1);
    int checked = 0;
    for (int i = 0; i < 600; ++i) {
        std::string name;
        for (int n = length(random); n > 0; --n) {
            const int kind = pick(random);
            name += kind == 0 ? favourites[favourite(random)]
                              : static_cast<char>(kind == 1 ? high(random) : printable(random));
        }
        if (name.find('/') != std::string::npos || name == "." || name == "..")
            continue;
        dir.write(name, "");
        const auto line = composeCommandLine("/emu/snes", "-f", ShortPath(name));
        EXPECT_EQ(splitCommandLine(line), (Arguments{"/emu/snes", "-f", name})) << "line: " << line;
        std::filesystem::remove(dir.file(name));
        ++checked;
    }
    EXPECT_GT(checked, 500);
}
