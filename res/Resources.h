#pragma once
// The program's built-in pictures by resource number: bitmaps, pictures,
// icons and cursors. A number without a picture gives a null result.

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace resources {

// Numbers the program draws with.
enum : unsigned {
    kIconProgram = 128,
    kIconTray = 213,
    kIconContents = 214,
    kIconNewNote = 220,
    kIconImport = 224,
    kIconExport = 225,
    kIconData = 226,
    kIconOptions = 227,
    kIconAbout = 228,
    kIconHomePage = 229,
    kIconEditor = 230,
    kIconCalendar = 238,

    kBitmapNoteIcons = 131, // ten 16 x 16 images, white transparent
    kBitmapSunrise = 163,   // 15 x 15, pure green transparent
    kBitmapSunset = 164,

    kImageToolbarTexture = 152,
    kImageWindowTexture = 153,
    kImageLogo = 159,

    kCursorDragNote = 106,
    kCursorDragNotes = 215,
    kCursorScrollUp = 216,
    kCursorScrollDown = 217,
    kCursorBack = 218,
    kCursorForward = 219,
};

// The toolbar buttons' shape bitmaps, in toolbar order (black is outside).
inline constexpr unsigned kToolbarBitmaps[] = {114, 115, 147, 116, 118, 148,
                                               122, 120, 126, 124, 129};
inline constexpr int kNoteIconSize = 16;
inline constexpr int kNoteIconCount = 10;

// Bitmaps and pictures come for a screen of `scale` device pixels to the
// pixel: drawn at that many pixels (from the picture made at twice the size
// when the scale is above 1) and carrying the scale as their device pixel
// ratio, so they take the same room as at scale 1.

// A bitmap as it is stored, key colour included (kept exact at any scale).
QImage Bitmap(unsigned id, qreal scale = 1);
// A bitmap with its key colour made transparent.
QPixmap TransparentBitmap(unsigned id, QColor key, qreal scale = 1);
// A built-in picture (texture or logo).
QImage Picture(unsigned id, qreal scale = 1);
QIcon Icon(unsigned id);
// A cursor with its hot spot; the arrow for a number without one.
QCursor Cursor(unsigned id);
// One image of the note strip (index as the notes' icon index), white
// transparent; null outside 0-9.
QPixmap NoteIcon(int index, qreal scale = 1);

} // namespace resources
