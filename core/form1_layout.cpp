#include "core/form1_layout.h"

namespace varnix {
namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kLilac = 0xC0C0FF;
constexpr Rgb kPaleYellow = 0xFFFFC0;
constexpr Rgb kRed = 0xFF0000;
constexpr FontSpec kSansSerif12{"MS Sans Serif", 12};
constexpr auto kNone = std::nullopt;

}  // namespace

const std::array<ControlSpec, 19> kControls{{
    {"Command1", ControlKind::PushButton, "PLAY", 6480, 5880, 1455, 375, 14, FontSpec{"Courier", 12}, kNone, kNone, 0,
     "", "PLAY"},
    {"Dir1", ControlKind::DirectoryList, "", 6000, 1920, 2295, 3690, 13, kNone, kLilac, kBlack, 0, "",
     "ROM directories"},
    {"optMAME", ControlKind::OptionButton, "", 120, 4200, 255, 375, 11, kNone, kBlack, kWhite, 0, "", "MAME"},
    {"Text4", ControlKind::TextBox, "", 2040, 4200, 3375, 420, 10, kSansSerif12, kNone, kNone, 50, "",
     "MAME command line parameters"},
    {"optNeoRage", ControlKind::OptionButton, "", 120, 3600, 255, 375, 9, kNone, kBlack, kWhite, 0, "", "NeoRage"},
    {"Text3", ControlKind::TextBox, "", 2040, 3600, 3375, 420, 8, kSansSerif12, kNone, kNone, 30, "",
     "NeoRage command line parameters"},
    {"Text2", ControlKind::TextBox, "", 2040, 3000, 3375, 420, 4, kSansSerif12, kNone, kNone, 30, "",
     "Genesis command line parameters"},
    {"optGenesis", ControlKind::OptionButton, "", 120, 3000, 255, 375, 3, kNone, kBlack, kWhite, 0, "", "Genesis"},
    {"Text1", ControlKind::TextBox, "", 2040, 2400, 3375, 420, 2, kSansSerif12, kNone, kNone, 30, "",
     "SNES command line parameters"},
    {"optSnes", ControlKind::OptionButton, "", 120, 2160, 255, 735, 1, kNone, kBlack, kWhite, 0, "", "SNES"},
    {"fileRoms", ControlKind::FileList, "", 6000, 1920, 2295, 3795, 0, FontSpec{"MS Sans Serif", 8.25}, kLilac, kBlack,
     0, "", "ROM files"},
    {"Image3", ControlKind::Picture, "", 360, 3600, 1515, 330, -1, kNone, kNone, kNone, 0, "neogeo", "NeoGeo logo"},
    {"Image4", ControlKind::Picture, "", 240, 4200, 1500, 360, -1, kNone, kNone, kNone, 0, "mame", "MAME logo"},
    {"Image2", ControlKind::Picture, "", 360, 3000, 1500, 345, -1, kNone, kNone, kNone, 0, "genesis", "Genesis logo"},
    {"Image1", ControlKind::Picture, "", 360, 2400, 1500, 345, -1, kNone, kNone, kNone, 0, "snes", "SNES logo"},
    {"Label4", ControlKind::Label, kHomePageAddress, 120, 6240, 4575, 375, 12, kSansSerif12, kBlack, kRed, 0, "",
     "Home page", false, true},
    {"Label3", ControlKind::Label, "Programmed By Dorvan", 120, 6000, 3615, 255, 7, FontSpec{"MS Sans Serif", 9.75},
     kBlack, kWhite, 0, "", "Programmed By Dorvan"},
    {"Label2", ControlKind::Label, "Command Line Parameters", 2040, 2160, 3375, 255, 6, kNone, kBlack, kPaleYellow, 0,
     "", "Command Line Parameters"},
    {"Label1", ControlKind::Label, "ROMS / DIRS", 6000, 1560, 2295, 375, 5, kSansSerif12, kBlack, kPaleYellow, 0, "",
     "ROMS / DIRS", true},
}};

}  // namespace varnix
