#pragma once

#include "core/system.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace varnix {

// What a list's area shows while its folder is read: for a moment nothing
// new (the list keeps what it drew, so a quick read does not flash), then,
// in the list's place, that the folder is being read and how many names have
// come. `shownChanged` tells the window when the notice comes and goes, for
// its lists and its pointer.
class ReadingNotice {
public:
    // A hidden owner-drawn static of `window`; the window hands its
    // WM_DRAWITEM to draw().
    ReadingNotice(HWND window, HINSTANCE instance, std::function<void()> shownChanged);
    ReadingNotice(const ReadingNotice&) = delete;
    ReadingNotice& operator=(const ReadingNotice&) = delete;
    ~ReadingNotice();

    HWND control() const { return m_control; }
    bool isShown() const { return m_shown; }
    // Whether `list` keeps what it drew: its read is under way, unseen yet.
    bool holds(HWND list) const { return list == m_list && !m_shown; }

    void start(HWND list, std::shared_ptr<const ReadProgress> progress);
    void stop();
    void draw(const DRAWITEMSTRUCT& item, COLORREF background, COLORREF text) const;

private:
    static void CALLBACK onTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    void show();
    void refresh();

    HWND m_window;
    HWND m_control;
    std::function<void()> m_shownChanged;
    HWND m_list = nullptr;
    std::shared_ptr<const ReadProgress> m_progress;
    bool m_shown = false;
};

}  // namespace varnix
