#pragma once

#include <QFont>
#include <QString>

namespace dct::platform::qt {

// A box's frame takes a pixel a side, and negative text margins cancel the
// line edit's own 2-pixel inner margins.
inline constexpr int kBoxFrame = 1;
inline constexpr int kBoxTextMargin = -2;

// The default font when the text fits the room (in pixels), otherwise the
// first condensed face, legible at 8-9 pt, in which it fits: at 15 twips a
// pixel the default face is too wide for "-100" in a coefficient box and for
// some of the labels.
QFont FittingFont(const QString& text, int room);

// For a text box of the given outer width: room for "-100" and the cursor.
QFont BoxFont(int boxWidthPixels);

}  // namespace dct::platform::qt
