#include "views/MainWndCommands.h"

#include "views/NoteCommands.h"

namespace {

struct CArrow {
    int command;
    int weekTip;
    int monthStep;
    int weekStep;
};

constexpr CArrow kArrows[] = {
    {kMainBack, 137, -1, -1},
    {kMainForward, 138, 1, 1},
    {kMainBackYear, 139, -12, -4},
    {kMainForwardYear, 140, 12, 4},
};

const CArrow* FindArrow(int command) {
    for (const CArrow& arrow : kArrows)
        if (arrow.command == command) return &arrow;
    return nullptr;
}

} // namespace

int NavigationTipId(int command, bool monthMode) {
    const CArrow* arrow = FindArrow(command);
    return arrow && !monthMode ? arrow->weekTip : command;
}

int NavigationStep(int command, bool monthMode) {
    const CArrow* arrow = FindArrow(command);
    if (!arrow) return 0;
    return monthMode ? arrow->monthStep : arrow->weekStep;
}

int NoteCommandOf(int command) {
    switch (command) {
    case kMainNewNote:
        return kNoteCmdNew;
    case kMainEditNote:
        return kNoteCmdEdit;
    case kMainCloneNote:
        return kNoteCmdClone;
    case kMainRemoveNote:
        return kNoteCmdDelete;
    default:
        return 0;
    }
}

int CommandOfFilter(int filter) {
    return filter >= 0 && filter <= 2 ? kMainFilterToday + filter : kMainFilterAll;
}
