#pragma once

#include "core/form1_layout.h"
#include "core/view.h"
#include "core/window_queue.h"
#include "win32/gdi_object.h"
#include "win32/list_fill.h"
#include "win32/list_keys.h"
#include "win32/list_rows.h"
#include "win32/reading_notice.h"
#include "win32/resource_picture.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

class Form1;

// The program's window over Win32 controls: it shows what Form1 sets and
// hands every act of the user to Form1. Its state hangs on the window.
class Win32View final : public View {
public:
    // Creates the window, hidden, with all its controls.
    explicit Win32View(HINSTANCE instance);
    ~Win32View() override;
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    // Hands the controls' acts to the handlers of `form`.
    void attach(Form1& form);
    // Shows the window in the centre of its monitor's work area.
    void showCentred(int showCommand);
    // Runs the window until it is closed; the program's exit code.
    int run();
    // Carries tasks to the window's thread; closed when the window goes.
    const std::shared_ptr<WindowQueue>& queue() const { return m_queue; }

    HWND window() const { return m_window; }
    // Whether a list is still being filled, a slice at a time.
    bool listsFilling() const { return m_fill->filling(fileRoms) || m_fill->filling(Dir1); }
    HWND control(std::string_view name) const;

    void setOptionEnabled(std::size_t emulator, bool enabled) override;
    void setOptionSelected(std::size_t emulator, bool selected) override;
    void setParameterText(std::size_t emulator, const std::string& text) override;
    std::string parameterText(std::size_t emulator) const override;
    void setParameterEnabled(std::size_t emulator, bool enabled) override;
    void setSetupChecked(std::size_t emulator, bool checked) override;
    void showRomList(RomList list) override;
    void showFiles(std::shared_ptr<const std::vector<std::string>> names) override;
    std::optional<std::size_t> selectedRow(RomList list) const override;
    void selectRow(RomList list, std::size_t row) override;
    void showDirectories(std::shared_ptr<const DirectoryRows> rows) override;
    void showReading(RomList list, std::shared_ptr<const ReadProgress> progress) override;
    void showReadEnded() override;
    void messageBox(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    std::string inputBox(const std::string& prompt, const std::string& caption, const std::string& defaultText,
                         const FolderStart& browseStart) override;
    std::optional<std::string> openFile(const std::vector<FileFilter>& filters, int filterIndex,
                                        const std::string& startPath) override;
    bool openAddress(const std::string& address) override;
    void endProgram() override;

private:
    struct EmulatorControls {
        HWND option = nullptr;
        HWND picture = nullptr;
        HWND box = nullptr;
        std::string shownBytes;  // what the box was last given to show
    };

    // The window's frame for `dpi`, centred on the primary monitor's work area.
    static RECT centredFrame(UINT dpi);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Messages (the HWND is the window's own, as the crackers pass it).
    BOOL onCreate(HWND window, LPCREATESTRUCT create);
    void onCommand(HWND window, int id, HWND control, UINT code);
    HBRUSH onCtlColor(HWND window, HDC dc, HWND control, int type);
    BOOL onEraseBkgnd(HWND window, HDC dc);
    void onDrawItem(HWND window, const DRAWITEMSTRUCT* item);
    LRESULT onNotify(HWND window, int id, NMHDR* header);
    BOOL onSetCursor(HWND window, HWND under, UINT hitTest, UINT mouseMessage);
    void onDestroy(HWND window);
    void onActivate(HWND window, UINT state, HWND other, BOOL minimized);
    void onTimer(HWND window, UINT id);
    void onDpiChanged(HWND window, UINT dpi, const RECT& suggested);

    // The frame, DPI and fonts (window_frame.cpp).
    void createControls();
    // Gives every control its font for the window's DPI; `redraw` once shown.
    void applyFonts(bool redraw);
    // Places every control for a new DPI, with its font.
    void placeControls();

    // Painting (window_painting.cpp).
    HBRUSH brushFor(Rgb colour) const;
    const ControlSpec* specOf(HWND control) const;
    void drawPicture(const DRAWITEMSTRUCT& item, const ControlSpec& spec) const;
    // At its natural size, scaled for the monitor's DPI.
    void drawAtNaturalSize(const ResourcePicture& picture, HDC dc, int x, int y) const;
    // A list row's name (null for none) and where its text starts in the row.
    struct RowText {
        const std::string* name;
        int left;
    };
    RowText rowText(HWND list, UINT row) const;
    void drawListRow(const DRAWITEMSTRUCT& item) const;
    // The whole name of a row that the list draws cut.
    std::optional<std::string> cutName(HWND list, int row) const;
    // Gives the pointer over the window its shape now, not at its next move.
    void updatePointer() const;

    // The focus across boxes and dialogs (window_focus.cpp).
    // The option buttons are one tab stop at all times (optionTabStop).
    void keepOneOptionTabStop();
    // Moves the focus off `control`, which is being disabled, to the next
    // control that Tab reaches.
    void moveFocusOnFrom(HWND control);
    // Runs `show`, a modal box or dialog, and gives the focus back to the
    // control that had it.
    void keepingFocus(const std::function<void()>& show);

    // The tasks posted to the window and the lists' fills (window_tasks.cpp).
    void createQueue();
    void closeQueue();
    // A list just filled is drawn, unless its read holds it.
    void listFilled(HWND list);

    void reportCommand(HWND control, UINT code);
    HWND listOf(RomList list) const { return list == RomList::Files ? fileRoms : Dir1; }
    // The list Form1 shows, unless the reading notice stands in its place.
    void showListArea();

    HINSTANCE m_instance;
    HWND m_window = nullptr;
    UINT m_dpi = 96;
    Form1* m_form = nullptr;
    std::vector<HWND> m_controls;  // by index in the layout table
    std::array<EmulatorControls, 4> m_emulators;
    HWND fileRoms = nullptr;
    HWND Dir1 = nullptr;
    RomList m_shownList = RomList::Files;
    std::unique_ptr<ReadingNotice> m_readingNotice;
    HWND m_focusWhileInactive = nullptr;  // given back when the window is active again
    std::shared_ptr<const std::vector<std::string>> m_files;
    std::shared_ptr<const DirectoryRows> m_directories;

    std::vector<GdiObject<HFONT>> m_fonts;  // one per distinct font
    std::vector<std::pair<Rgb, GdiObject<HBRUSH>>> m_brushes;
    std::vector<std::pair<std::string_view, ResourcePicture>> m_pictures;  // by picture name
    ResourcePicture m_background;
    HCURSOR m_hand = nullptr;
    std::shared_ptr<WindowQueue> m_queue;
    std::unique_ptr<ListFill> m_fill;
    // A row selected while its list is still being filled, selected once
    // it is in.
    std::optional<std::pair<HWND, std::size_t>> m_rowToSelect;
    TypedKeys m_keys;
    CutRowTips m_tips;  // made last: its lists go with the window first
};

}  // namespace varnix
