#pragma once
// The desktop's button colours for the library's drawing, taken from the
// running application's palette, with the classic greys when there is none.

#include <QColor>

namespace systemcolors {

QColor ButtonHighlight(); // lit edges
QColor ButtonShadow();    // shaded edges
QColor DarkShadow();      // the darkest edge of a 3-D frame

} // namespace systemcolors
