// Path rules over fuzzed paths, under UTF-8's and code page 932's rules.
#include "core/browse_start.h"
#include "core/fixed_field.h"
#include "core/launch_rules.h"
#include "core/path_names.h"
#include "fuzz/fuzz_support.h"

using namespace varnix;

namespace {

bool startsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }
bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void check(const std::vector<std::string>& paths)
{
    const auto& base = paths.size() > 1 ? paths[1] : std::string("/");
    for (const auto& path : paths) {
        const auto resolved = resolvePath(base, path);
        FUZZ_CHECK(!path.empty() || resolved.empty());
        // Walking up ends, at a root or at ".".
        std::string up = path;
        for (std::size_t step = 0;; ++step) {
            FUZZ_CHECK(step <= path.size() + 2);
            const auto parent = parentDirectory(up);
            if (parent == up)
                break;
            up = parent;
        }
        FUZZ_CHECK(up == "." || isRootDirectory(up) || up.empty());
        // A chain's path splits back into the same chain.
        const auto chain = splitAbsolutePath(path);
        const auto again = splitAbsolutePath(chain.path());
        FUZZ_CHECK(again.root == chain.root && again.names == chain.names);
        pathInDirectory(base, path);
        auto stepped = path;
        romDirectoryStep(stepped);
        FUZZ_CHECK(startsWith(path, stepped));
        FUZZ_CHECK(startsWith(path, gameNameFromZip(path)));
        FUZZ_CHECK(endsWith(withoutTrailingBlanks(path), gameDirectoryName(path)));  // a list path's blanks are no part of it
        const fuzz::DirectoriesOnly system(paths);
        if (const auto start = browseStartFolder(system, base, path))
            FUZZ_CHECK(system.isDirectory(*start));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto paths = fuzz::pieces(data, size);
    fuzz::underEachCharacterRule([&] { check(paths); });
    return 0;
}
