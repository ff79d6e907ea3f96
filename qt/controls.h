#pragma once

class QWidget;

namespace varnix {

// The window's client area: black, with the background picture drawn at its
// natural size from the top-left corner, and every control of the layout
// table on it, each named, placed, styled, stacked and in tab order.
QWidget* createClientArea(QWidget* parent);

// Fonts the window names that a system may lack, mapped to look-alikes.
void installFontSubstitutes();

}  // namespace varnix
