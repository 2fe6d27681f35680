#pragma once
// The desktop's button and text colours for the program's drawing, taken from
// the running application's palette, with the classic greys and black on
// white when there is none.

#include <QColor>

namespace systemcolors {

QColor ButtonHighlight(); // lit edges
QColor ButtonShadow();    // shaded edges
QColor DarkShadow();      // the darkest edge of a 3-D frame
QColor WindowText();      // text in fields and lists
QColor Window();          // the background of fields and lists

} // namespace systemcolors
