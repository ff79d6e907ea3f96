// Command lines: what asOneArgument and quotedWhereNeeded write splits back
// to exactly the name, each emulator's line keeps its pieces in their
// places, and the program found is one the finder named.
#include "core/command_line.h"
#include "core/emulator_table.h"
#include "core/launch_rules.h"
#include "fuzz/fuzz_support.h"

using namespace varnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto names = fuzz::pieces(data, size);
    for (const auto& name : names) {
        if (name.empty())
            continue;
        FUZZ_CHECK(splitCommandLine(asOneArgument(name)) == std::vector<std::string>{name});
        FUZZ_CHECK(splitCommandLine(quotedWhereNeeded(name)) == std::vector<std::string>{name});
    }
    const std::string line = names[0];
    splitCommandLine(line);
    // A prefix ending in "x" names a program.
    const auto found = resolveCommandLine(line, [](const std::string& prefix) -> std::optional<std::string> {
        return !prefix.empty() && prefix.back() == 'x' ? std::optional<std::string>("/bin/" + prefix) : std::nullopt;
    });
    if (found) {
        FUZZ_CHECK(!found->argv.empty());
        FUZZ_CHECK(found->program.empty() || found->program.rfind("/bin/", 0) == 0);
    }
    if (names.size() >= 3) {
        for (const auto& row : kEmulators) {
            const auto rom = quotedWhereNeeded(names[1]);
            const auto& parameters = names[2];
            const auto composed = row.launch.romFirst ? composeCommandLine(names[0], rom, parameters)
                                                      : composeCommandLine(names[0], parameters, rom);
            const auto first = row.launch.romFirst ? rom : parameters;
            FUZZ_CHECK(composed == names[0] + " " + first + " " + (row.launch.romFirst ? parameters : rom));
        }
    }
    return 0;
}
