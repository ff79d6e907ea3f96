#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace varnix {

// The window as data: every control with its place in twips (15 to a pixel
// at 96 dpi), font, colours, tab order and text, and the menu bar. Each
// window system builds its controls from this.
inline constexpr std::string_view kWindowCaption = "Varnix   v" VARNIX_VERSION;
inline constexpr std::string_view kHomePageAddress = "http://www.varnix.example";
// The client area below the menu bar.
inline constexpr int kClientWidthTwips = 8670;
inline constexpr int kClientHeightTwips = 6645;
inline constexpr int kTwipsPerPixel = 15;
// The font of controls that name none of their own.
inline constexpr std::string_view kDefaultFontFamily = "MS Sans Serif";
inline constexpr double kDefaultFontPoints = 8;

enum class ControlKind { PushButton, DirectoryList, OptionButton, TextBox, FileList, Picture, Label };

struct FontSpec {
    std::string_view family;
    double points;  // always bold
};

using Rgb = std::uint32_t;  // 0xRRGGBB

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view text;  // a label's or button's caption
    int left, top, width, height;  // twips
    int tabIndex;                  // -1: takes no focus
    std::optional<FontSpec> font;  // empty: the window's default
    std::optional<Rgb> background;
    std::optional<Rgb> foreground;
    int maxLength;                 // text boxes: the field's width in bytes
    std::string_view picture;      // pictures: the artwork's name
    std::string_view accessibleName;
    bool centred = false;          // labels are left-aligned unless centred
    bool pointingHand = false;     // the pointer over it is a pointing hand
};

// In creation order; pictures and labels lie below the other controls.
extern const std::array<ControlSpec, 19> kControls;

struct MenuEntrySpec {
    std::string_view name;
    std::string_view caption;  // "&" marks the access key
};
struct MenuSpec {
    std::string_view name;
    std::string_view caption;
};
inline constexpr MenuSpec kFileMenu{"mnuFile", "&File"};
inline constexpr std::array<MenuEntrySpec, 2> kFileMenuEntries{{{"mnuConfig", "S&ave Config"}, {"mnuExit", "E&xit"}}};
// Its entries are the emulators' Setup entries, checkable, in the table's order.
inline constexpr MenuSpec kSetupMenu{"mnuSetup", "Se&tup"};

// The one option button of `count` that Tab stops at: the checked one that
// is enabled, else the first enabled one; none when none is enabled. (A
// window's own radio group leaves the stop on the button checked last, even
// once it is unchecked and disabled.)
template <class Enabled, class Checked>
std::optional<std::size_t> optionTabStop(std::size_t count, Enabled isEnabled, Checked isChecked)
{
    std::optional<std::size_t> firstEnabled;
    for (std::size_t i = 0; i < count; ++i) {
        if (isEnabled(i) && isChecked(i))
            return i;
        if (isEnabled(i) && !firstEnabled)
            firstEnabled = i;
    }
    return firstEnabled;
}

}  // namespace varnix
