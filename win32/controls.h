#pragma once

#include "core/form1_layout.h"
#include "win32/gdi_object.h"

#include <windows.h>

#include <cstddef>
#include <vector>

namespace varnix {

// Control ids: the control's index in the layout table plus this; menu
// entries have ids of their own below it.
inline constexpr int kFirstControlId = 100;
inline constexpr int kSaveConfigId = 10;
inline constexpr int kExitId = 11;
inline constexpr int kFirstSetupEntryId = 20;
// The notice that stands in a list's place while its folder is read slowly.
inline constexpr int kReadingNoticeId = 90;

// Pixels at `dpi` for a length given in pixels at 96 dpi.
int scaledPixels(int pixels, UINT dpi);
// A control's rectangle in the client area at `dpi`.
RECT controlRect(const ControlSpec& spec, UINT dpi);
// The control's own font, or the window's default font when it names none.
GdiObject<HFONT> createControlFont(const ControlSpec& spec, UINT dpi);
COLORREF colourRef(Rgb colour);
// Where an option button's focus cue goes: round its circle, for its client
// rectangle at `dpi`.
RECT optionFocusCue(const RECT& client, UINT dpi);

// Layout indexes in the order the controls are made: the tab order (the
// option buttons as one group at the place of the first of them), then the
// pictures and labels, which lie below the rest.
std::vector<std::size_t> creationOrder();

// Makes the layout's control `index` as a child of `parent`, hidden when
// it is the directory list, at 96 dpi; the view places it for its monitor.
HWND createControl(std::size_t index, HWND parent, HINSTANCE instance, bool startsGroup, UINT dpi);

// The menu bar, its Setup entries checked, in the emulator table's order.
HMENU createMenuBar();

}  // namespace varnix
