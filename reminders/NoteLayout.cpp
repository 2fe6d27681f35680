#include "reminders/NoteLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The snooze row, in pixels.
constexpr int kRowMargin = 6;
constexpr int kFieldWidth = 28;
constexpr int kFieldHeight = 20;
constexpr int kLabelGap = 4;
constexpr int kCheckHeight = 18;
constexpr int kOkWidth = 56;
constexpr int kOkHeight = 24;

} // namespace

int CNoteLayout::CaptionHeight(const LOGFONT& font) {
    // A font height this large is no font a note can show; keep the sum sane.
    const int points = static_cast<int>(std::min<long long>(std::llabs(font.lfHeight), 1000));
    return std::max(points + 2 * kBorder + 1, kMinCaption);
}

int CNoteLayout::RolledUpHeight(int caption, int countdown, bool showCountdown) {
    return kBorder + caption + (showCountdown ? countdown + 2 : 0);
}

int CNoteLayout::UnrolledHeight(int savedHeight, int caption, int rolledUp) {
    return std::max({savedHeight, caption, rolledUp + 2 * kBorder + caption});
}

CNoteLayout::Desktop CNoteLayout::LayOutDesktop(int width, int height, int caption, int countdown,
                                                bool showCountdown) {
    const int b = kBorder;
    const int innerWidth = width - 2 * (b + 1);
    Desktop layout;
    layout.bRolledUp = height <= RolledUpHeight(caption, countdown, showCountdown);
    layout.bCountdownVisible = showCountdown;
    if (layout.bRolledUp) {
        layout.rcCountdown = RectOfSize(b + 1, caption + 1, innerWidth, countdown);
        return layout;
    }
    layout.rcCountdown = RectOfSize(b + 1, height - b - countdown, innerWidth, countdown);
    const int textTop = caption + b + 1;
    const int textBottom = showCountdown ? layout.rcCountdown.top - 2 : height - (b + 1);
    layout.bTextVisible = true;
    layout.rcText = RectOfSize(b + 1, textTop, innerWidth, textBottom - textTop);
    return layout;
}

CNoteLayout::Alarm CNoteLayout::LayOutAlarm(int width, int height, int caption, int hoursLabelWidth,
                                            int minutesLabelWidth) {
    const int b = kBorder;
    const int left = b + kRowMargin;
    Alarm layout;
    layout.rcOk = RectOfSize(width - b - kRowMargin - kOkWidth, height - b - kRowMargin - kOkHeight,
                             kOkWidth, kOkHeight);
    const int fieldTop = layout.rcOk.bottom - kFieldHeight;
    layout.rcHours = RectOfSize(left, fieldTop, kFieldWidth, kFieldHeight);
    layout.rcHoursLabel =
        RectOfSize(layout.rcHours.right + kLabelGap, fieldTop, hoursLabelWidth, kFieldHeight);
    layout.rcMinutes =
        RectOfSize(layout.rcHoursLabel.right + kLabelGap, fieldTop, kFieldWidth, kFieldHeight);
    layout.rcMinutesLabel =
        RectOfSize(layout.rcMinutes.right + kLabelGap, fieldTop, minutesLabelWidth, kFieldHeight);
    const int checkTop = std::min<int>(fieldTop, layout.rcOk.top) - kLabelGap - kCheckHeight;
    // The check box stands above "OK": its caption may run the whole row, as
    // a desktop with a larger font needs.
    layout.rcCheck = RectOfSize(left, checkTop, layout.rcOk.right - left, kCheckHeight);
    layout.nSeparatorY = checkTop - b / 2 - 1;
    // The text ends a border above the snooze row.
    layout.rcText = RectOfSize(b, b + caption, width - 2 * b, checkTop - b - (b + caption));
    return layout;
}
