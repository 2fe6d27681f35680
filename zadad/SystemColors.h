#pragma once
// The desktop's button and text colours for the program's drawing, taken from
// the running application's palette, with the classic greys and black on
// white when there is none.

#include "zadad/WinTypes.h"

#include <QColor>

namespace systemcolors {

QColor ButtonHighlight(); // lit edges
QColor ButtonShadow();    // shaded edges
QColor DarkShadow();      // the darkest edge of a 3-D frame
QColor WindowText();      // text in fields and lists
QColor Window();          // the background of fields and lists

// Text on a surface the program paints itself (a texture's colour, a note's
// body): the given desktop colour where it reads, else black or white. A dark
// desktop theme brings light text, which the program's light surfaces keep.
QColor ReadableOn(const QColor& text, COLORREF background);
// The desktop's text for such a surface, the caller having judged it dark
// (its light text) or light (its window text), kept readable on it.
QColor TextOn(COLORREF background, bool dark);
// The same with dark judged as for black or white text (GetReverseColor).
QColor TextOn(COLORREF background);

} // namespace systemcolors
