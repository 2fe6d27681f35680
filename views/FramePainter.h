#pragma once
// Paints the calendar window's frame from its layout: the window texture
// around everything, the raised band in the toolbar texture with its step
// and stripes, the sunken page, bevelled edges, shading and dots, the
// painted labels of the category box and the check boxes, the month title
// with its drop-down mark, and the almanac line with the sun pictures.

#include "views/AlmanacLayout.h"
#include "views/FrameLayout.h"
#include "zadad/WinTypes.h"

#include <QFont>
#include <QImage>
#include <QString>

class CPicture;
class QPainter;
struct AlmanacLine;

struct CFrameLook {
    const CPicture* windowTexture = nullptr;
    const CPicture* toolbarTexture = nullptr;
    COLORREF page = 0;
    COLORREF frameText = 0;
    QFont labelFont;
    int checkIndicatorWidth = 0; // the label of a check box starts after it
    bool resizable = true;       // shows the corner grip
};

// The month title's text and drop-down mark for a title text.
struct CMonthTitleGeometry {
    QRect text;
    QRect mark;
};

class CFramePainter {
public:
    // The month title's font: "Arial" at 18 points.
    static QFont TitleFont();

    // The frame without the title and the almanac line, for a client of size.
    static QImage PaintFrame(QSize size, const CFrameLayout& layout, const CFrameLook& look);
    static CMonthTitleGeometry MonthTitleGeometry(const QRect& title, const QString& text);
    // The title rectangle in the page colour; the text (when not empty) in
    // textColor, centred, with the mark after it.
    static void PaintMonthTitle(QPainter& painter, const QRect& title, const QString& text,
                                COLORREF page, COLORREF textColor);
    // The line's texts; the sun part only when showSun.
    static CAlmanacLayout AlmanacGeometry(const QRect& rect, const AlmanacLine& line, bool showSun,
                                          const QFont& font);
    static void PaintAlmanac(QPainter& painter, const QRect& rect, const AlmanacLine& line,
                             bool showSun, const CFrameLook& look);
};
