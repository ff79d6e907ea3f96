#include "ui/emulator_table.h"

namespace varnix {

const std::array<EmulatorRow, 4> kEmulators{{
    {"SNES", "optSnes", "Image1", "Text1", "mnuSnes", "&Snes", Field::SnesExe, Field::SnesRomDir, Field::SnesParams,
     &WorkingPaths::SnesExe, &WorkingPaths::SnesRomDir},
    {"Genesis", "optGenesis", "Image2", "Text2", "mnuGenesis", "&Genesis", Field::GenesisExe, Field::GenesisRomDir,
     Field::GenesisParams, &WorkingPaths::GenesisExe, &WorkingPaths::GenesisRomDir},
    {"NeoRage", "optNeoRage", "Image3", "Text3", "mnuNeoRage", "&NeoRage", Field::NeoRageExe, Field::NeoRageRomDir,
     Field::NeoRageParams, &WorkingPaths::NeoRageExe, &WorkingPaths::NeoRageRomDir},
    {"MAME", "optMAME", "Image4", "Text4", "mnuMAME", "&MAME", Field::MameExe, Field::MameRomDir, Field::MameParams,
     &WorkingPaths::MameExe, &WorkingPaths::MameRomDir},
}};

}  // namespace varnix
