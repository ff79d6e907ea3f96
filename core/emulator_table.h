#pragma once

#include "core/config_record.h"
#include "core/working_paths.h"

#include <array>
#include <string>

namespace varnix {

// Which list on the right shows an emulator's ROMs.
enum class RomList {
    Files,        // fileRoms: the ROM files that match the emulator's pattern
    Directories,  // Dir1: one sub-directory per game
};

// Which of the window's two file-dialog objects an emulator's setup uses.
enum class SetupDialog { First, Second };

// How PLAY makes an emulator's ROM piece.
enum class RomPiece {
    ShortName,      // the short form of the selected file's name
    GameName,       // the selected file's name up to its first "."
    GameDirectory,  // the last component of the directory list's path
};

// How PLAY starts an emulator.
struct LaunchRecipe {
    RomPiece romPiece;
    bool needsSelection;   // "No file selected!" when nothing is chosen
    bool romFirst;         // the ROM piece comes before the parameters
    bool trimsExecutable;  // the working copy loses its trailing blanks for good
};

// Everything that differs between the four emulators. Every per-emulator
// flow of the window is written once over a row of this table.
struct EmulatorRow {
    const char* name;          // as the user knows it; also the accessible name
    const char* optionButton;  // object names of the row's controls
    const char* picture;
    const char* parameterBox;
    const char* setupEntry;
    const char* setupCaption;  // with its access key
    Field exeField;            // decides whether the emulator is set up
    Field romDirField;
    Field paramsField;  // fills the parameter box
    std::string WorkingPaths::*exeCopy;
    std::string WorkingPaths::*romDirCopy;

    // Selection
    RomList romList;
    const char* filePattern;  // for RomList::Files
    bool forgetsExeOnBadRomDir;

    // Setup
    SetupDialog dialog;
    const char* filterPair;  // follows the common "All files" pair
    const char* romDirCaption;
    const char* romDirPrompt;
    bool selectsBeforeEnabling;  // the order of the two steps on the option button

    LaunchRecipe launch;
};

// In the window's order, top to bottom.
extern const std::array<EmulatorRow, 4> kEmulators;
enum EmulatorIndex : std::size_t { kSnes, kGenesis, kNeoRage, kMame };
// The order in which PLAY tests the option buttons.
inline constexpr std::array<EmulatorIndex, 4> kLaunchOrder{kSnes, kGenesis, kMame, kNeoRage};

}  // namespace varnix
