#pragma once
// Where the parts of the almanac line go along the bottom of the calendar
// window: the day-and-week text, then, when sunrise and sunset are shown,
// the sunrise picture 20 pixels after the text and the sunrise time 36
// pixels after it, and the sunset picture and time the same way after that.

#include <QPoint>
#include <QRect>

struct CAlmanacLayout {
    static constexpr int kPictureSize = 15;
    static constexpr int kPictureGap = 20;
    static constexpr int kTextGap = 39;

    QRect text;
    bool showSun = false;
    QPoint sunrisePicture; // top left
    QRect sunrise;
    QPoint sunsetPicture;
    QRect sunset;
};

// line: the almanac rectangle; the widths are the measured texts. Every part
// is vertically centred in the line.
CAlmanacLayout LayOutAlmanac(const QRect& line, int textWidth, int sunriseWidth, int sunsetWidth,
                             bool showSun);
// The width the whole line needs.
int AlmanacLineWidth(int textWidth, int sunriseWidth, int sunsetWidth);
