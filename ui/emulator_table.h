#pragma once

#include "config/config_record.h"
#include "config/working_paths.h"

#include <array>
#include <string>

namespace varnix {

// Everything that differs between the four emulators. Every per-emulator
// flow of the window is written once over a row of this table.
struct EmulatorRow {
    const char* name;           // as the user knows it; also the accessible name
    const char* optionButton;   // object names of the row's controls
    const char* picture;
    const char* parameterBox;
    const char* setupEntry;
    const char* setupCaption;   // with its access key
    Field exeField;             // decides whether the emulator is set up
    Field romDirField;
    Field paramsField;          // fills the parameter box
    std::string WorkingPaths::*exeCopy;
    std::string WorkingPaths::*romDirCopy;
};

// In the window's order, top to bottom.
extern const std::array<EmulatorRow, 4> kEmulators;

}  // namespace varnix
