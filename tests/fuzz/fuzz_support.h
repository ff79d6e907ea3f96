#pragma once

#include "core/characters.h"
#include "core/system.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What every fuzz target shares. A target checks what its functions'
// headers promise and aborts when a promise is broken: libFuzzer keeps the
// input, and the replay of the corpus under ctest fails on it.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)

namespace fuzz {

// The input's pieces, split at NUL bytes: no name, path or command line holds one.
std::vector<std::string> pieces(const std::uint8_t* data, std::size_t size);

// Code page 932's rule: a lead byte (0x81-0x9F, 0xE0-0xFC) and the byte
// after it are one character, as Windows reads Shift-JIS.
std::size_t cp932CharacterLength(std::string_view text, std::size_t at);

// Runs `check` once under UTF-8's rule and once under code page 932's.
template <class Check>
void underEachCharacterRule(Check check)
{
    for (const auto rule : {&varnix::utf8CharacterLength, &cp932CharacterLength}) {
        varnix::setCharacterLength(rule);
        check();
    }
    varnix::setCharacterLength(nullptr);
}

// Whether `at` starts a character of `text` (or is its end) under the rule.
bool isCharacterStart(std::string_view text, std::size_t at);

// A system of nothing but directories: those `isDirectory` names; every
// other call fails.
class DirectoriesOnly final : public varnix::System {
public:
    explicit DirectoriesOnly(std::vector<std::string> directories) : m_directories(std::move(directories)) {}
    bool isDirectory(const std::string& path) const override;
    std::string programDirectory() const override { return {}; }
    std::string currentDirectory() const override { return {}; }
    void changeDirectory(const std::string&) override {}
    std::shared_ptr<const varnix::ReadProgress> readFolder(varnix::EntryKind, const std::string&,
                                                           varnix::ListingDone) override
    {
        return nullptr;
    }
    std::optional<varnix::ConfigRecord> readConfig(const std::string&) const override { return {}; }
    void saveConfig(const std::string&, const varnix::ConfigRecord&) override {}
    std::string shortPath(const std::string&) const override { return {}; }
    void startCommandLine(const std::string&) override {}

private:
    std::vector<std::string> m_directories;
};

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
