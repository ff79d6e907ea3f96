#include "core/emulator_table.h"

namespace varnix {

const std::array<EmulatorRow, 4> kEmulators{{
    {"SNES", "optSnes", "Image1", "Text1", "mnuSnes", "&Snes", Field::SnesExe, Field::SnesRomDir, Field::SnesParams,
     &WorkingPaths::SnesExe, &WorkingPaths::SnesRomDir,
     RomList::Files, "*.smc;*.sfc;*.fig;*.1;*.2;*.sf32xxxa", false,
     SetupDialog::First, "Snes EXE (*.exe)|*.exe|", "Rom Directory", "Please enter your SNES ROM directory", true,
     {RomPiece::ShortName, true, false, false}},
    {"Genesis", "optGenesis", "Image2", "Text2", "mnuGenesis", "&Genesis", Field::GenesisExe, Field::GenesisRomDir,
     Field::GenesisParams, &WorkingPaths::GenesisExe, &WorkingPaths::GenesisRomDir,
     RomList::Files, "*.smd*;*.1;*.bin", false,
     SetupDialog::Second, "Genesis EXE (*.exe)|*.exe|", "Rom Directory", "Please enter you GENESIS ROMS directory",
     false, {RomPiece::ShortName, false, true, false}},
    {"NeoRage", "optNeoRage", "Image3", "Text3", "mnuNeoRage", "&NeoRage", Field::NeoRageExe, Field::NeoRageRomDir,
     Field::NeoRageParams, &WorkingPaths::NeoRageExe, &WorkingPaths::NeoRageRomDir,
     RomList::Directories, nullptr, true,
     SetupDialog::First, "NeoRage.exe (*.exe)|*.exe|", "NeoGeo Rom Directory",
     "Please enter your NEOGEO ROMS directory  (The directory where all the rom dirs are)", false,
     {RomPiece::GameDirectory, true, true, true}},
    {"MAME", "optMAME", "Image4", "Text4", "mnuMAME", "&MAME", Field::MameExe, Field::MameRomDir, Field::MameParams,
     &WorkingPaths::MameExe, &WorkingPaths::MameRomDir,
     RomList::Files, "*.zip", true,
     SetupDialog::Second, "MAME EXE (*.exe)|*.exe|", "MAME Rom Directory",
     "Please enter your MAME ROMS (.zips only!)directory", false,
     {RomPiece::GameName, true, false, false}},
}};

}  // namespace varnix
