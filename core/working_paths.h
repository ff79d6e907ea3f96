#pragma once

#include "core/config_record.h"

#include <array>
#include <string>

namespace varnix {

// The window's working copies of the eight path fields, of any length. They
// hold the live settings; only a save cuts them to their fields' width.
struct WorkingPaths {
    std::string GenesisExe;
    std::string GenesisRomDir;
    std::string SnesExe;
    std::string SnesRomDir;
    std::string NeoRageExe;
    std::string NeoRageRomDir;
    std::string MameExe;
    std::string MameRomDir;

    // Each copy set to its field's full content, blank padding included.
    static WorkingPaths fromRecord(const ConfigRecord& record);
    // Each field assigned from its copy, in the order the file's writer uses.
    void copyInto(ConfigRecord& record) const;
};

struct PathField {
    Field field;
    std::string WorkingPaths::*copy;
};

inline constexpr std::array<PathField, 8> kPathFields{{
    {Field::NeoRageExe, &WorkingPaths::NeoRageExe},
    {Field::NeoRageRomDir, &WorkingPaths::NeoRageRomDir},
    {Field::SnesExe, &WorkingPaths::SnesExe},
    {Field::SnesRomDir, &WorkingPaths::SnesRomDir},
    {Field::GenesisExe, &WorkingPaths::GenesisExe},
    {Field::GenesisRomDir, &WorkingPaths::GenesisRomDir},
    {Field::MameExe, &WorkingPaths::MameExe},
    {Field::MameRomDir, &WorkingPaths::MameRomDir},
}};

}  // namespace varnix
