#pragma once
// The look of a note window: the body (the title colour when rolled up, the
// body colour otherwise), the shaded caption with its pin and close buttons
// and the title, the countdown line, the line above the snooze row of an
// alarm, the grip of dots and the 3-D edges.

#include "zadad/WinTypes.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

struct CNoteLook {
    int nWidth = 0;
    int nHeight = 0;
    int nCaption = 0;
    bool bRolledUp = false;
    bool bAlarm = false;
    int nSeparatorY = 0; // alarm mode only
    bool bPinPressed = false;
    bool bShowTitle = true; // false while the title is being edited in place
    QString strTitle;
    const QFont* pTitleFont = nullptr; // the note's face, at weight 600
    COLORREF crTitle = 0;
    COLORREF crBody = 0;
    bool bCountdownVisible = false;
    RECT rcCountdown;
    QString strCountdown; // in the window's font
    // What needs painting; the parts outside it are left alone (the
    // countdown line is repainted every second on every note).
    QRect rcDirty;
};

class CNotePainter {
public:
    // Text on the caption: light on a dark title colour, dark otherwise.
    static QColor TitleTextColor(COLORREF title);
    // The "X" of the close button stands off the body colour.
    static QColor CloseButtonColor(COLORREF body);

    static void Paint(QPainter& painter, const CNoteLook& look);

private:
    static void PaintCaption(QPainter& painter, const CNoteLook& look);
    static void PaintPin(QPainter& painter, const RECT& rect, bool pressed);
    static void PaintClose(QPainter& painter, const RECT& rect, COLORREF body);
    static void PaintTitle(QPainter& painter, const CNoteLook& look);
    static void PaintCountdown(QPainter& painter, const CNoteLook& look);
    static void PaintSeparator(QPainter& painter, const CNoteLook& look);
    static void PaintGrip(QPainter& painter, const CNoteLook& look);
    static QRect GripRect(const CNoteLook& look);
    static void PaintEdges(QPainter& painter, const CNoteLook& look);
};
