#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace varnix {

// The version is the project's, which also names the release bundle.
inline const QString kWindowCaption = QStringLiteral("Varnix   v" VARNIX_VERSION);
inline const QString kHomePageAddress = QStringLiteral("http://www.varnix.example");
// The client area below the menu bar: 8670 x 6645 twips.
inline constexpr QSize kClientSize{578, 443};

// The window's client area: black, with the background picture drawn at its
// natural size from the top-left corner, and every control on it, each named,
// placed, styled, stacked and in tab order.
QWidget* createClientArea(QWidget* parent);

// Fonts the window names that a system may lack, mapped to look-alikes.
void installFontSubstitutes();

}  // namespace varnix
