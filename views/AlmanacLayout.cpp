#include "views/AlmanacLayout.h"

namespace {

QRect Segment(const QRect& line, int left, int width) {
    return QRect(left, line.top(), width, line.height());
}

QPoint PictureAfter(const QRect& line, const QRect& before) {
    return QPoint(before.right() + 1 + CAlmanacLayout::kPictureGap,
                  line.top() + (line.height() - CAlmanacLayout::kPictureSize) / 2);
}

int TextAfter(const QRect& before) {
    return before.right() + 1 + CAlmanacLayout::kTextGap;
}

} // namespace

CAlmanacLayout LayOutAlmanac(const QRect& line, int textWidth, int sunriseWidth, int sunsetWidth,
                             bool showSun) {
    CAlmanacLayout layout;
    layout.text = Segment(line, line.left(), textWidth);
    layout.showSun = showSun;
    if (!showSun) return layout;
    layout.sunrisePicture = PictureAfter(line, layout.text);
    layout.sunrise = Segment(line, TextAfter(layout.text), sunriseWidth);
    layout.sunsetPicture = PictureAfter(line, layout.sunrise);
    layout.sunset = Segment(line, TextAfter(layout.sunrise), sunsetWidth);
    return layout;
}

int AlmanacLineWidth(int textWidth, int sunriseWidth, int sunsetWidth) {
    return textWidth + CAlmanacLayout::kTextGap + sunriseWidth + CAlmanacLayout::kTextGap +
           sunsetWidth;
}
