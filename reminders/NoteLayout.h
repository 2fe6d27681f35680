#pragma once
// Where the parts of a note window lie: the caption, the text field, the
// countdown line and, in alarm mode, the snooze row. Rolled up, a desktop
// note shows only its caption (and its countdown line). Plain geometry in
// client coordinates, so that the rules can be checked without a screen.

#include "zadad/WinTypes.h"

class CNoteLayout {
public:
    static constexpr int kBorder = 4;
    static constexpr int kMinCaption = 24;

    // The caption is as high as the note's font (in points) plus the border
    // above and below and one pixel, and never lower than kMinCaption.
    static int CaptionHeight(const LOGFONT& font);
    // The height at or below which a desktop note is rolled up.
    static int RolledUpHeight(int caption, int countdown, bool showCountdown);
    // A desktop note is never narrower than three rolled-up heights.
    static int MinWidth(int rolledUp) { return 3 * rolledUp; }
    // The height a rolled-up note unrolls to: the height it had before,
    // but enough to show at least a little text.
    static int UnrolledHeight(int savedHeight, int caption, int rolledUp);

    // The children of a desktop note of client size width x height.
    struct Desktop {
        bool bRolledUp = false;
        bool bTextVisible = false;
        RECT rcText;
        bool bCountdownVisible = false;
        RECT rcCountdown;
    };
    static Desktop LayOutDesktop(int width, int height, int caption, int countdown,
                                 bool showCountdown);

    // The children of an alarm window of client size width x height: the text
    // under the caption, a separating line, then "Remind me again after"
    // above the hours and minutes fields and "OK".
    struct Alarm {
        RECT rcText;
        int nSeparatorY = 0;
        RECT rcCheck;
        RECT rcHours;
        RECT rcHoursLabel;
        RECT rcMinutes;
        RECT rcMinutesLabel;
        RECT rcOk;
    };
    // The labels "hours" and "minutes" are as wide as their text needs.
    static Alarm LayOutAlarm(int width, int height, int caption, int hoursLabelWidth,
                             int minutesLabelWidth);
};
