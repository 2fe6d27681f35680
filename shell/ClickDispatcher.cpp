#include "shell/ClickDispatcher.h"

#include "shell/TrayState.h"

bool CClickDispatcher::IsIdle() const {
    return m_target.GetTrayState() == kTrayIdle;
}

void CClickDispatcher::IconClicked(int modifier) {
    if (!IsIdle()) {
        m_target.BringCalendarToFront();
        return;
    }
    if (m_bClickPending) return;
    // Shift wins over Ctrl; any other key is no modifier at all.
    m_nPendingClick = (modifier & kShift) ? kShift : (modifier & kControl) ? kControl : kNoModifier;
    m_bClickPending = true;
    m_target.StartClickTimer();
}

void CClickDispatcher::IconDoubleClicked() {
    m_target.StopClickTimer();
    m_bClickPending = false;
    m_nPendingClick = kNoModifier;
    m_target.PostClick(kShift); // a busy tray drops it when it arrives
}

void CClickDispatcher::IconRightClicked() {
    m_target.PostMenu();
}

void CClickDispatcher::ClickTimer() {
    // While busy the timer keeps running, so the click lands once idle again.
    if (!m_bClickPending) {
        m_target.StopClickTimer();
        return;
    }
    if (!IsIdle()) return;
    m_target.StopClickTimer();
    const int modifier = m_nPendingClick;
    m_bClickPending = false;
    m_nPendingClick = kNoModifier;
    m_target.PostClick(modifier);
}

void CClickDispatcher::Click(int modifier) {
    if (!IsIdle()) return;
    if (modifier & kShift)
        m_target.NewNote();
    else
        m_target.OpenCalendar();
}

void CClickDispatcher::Menu() {
    if (!IsIdle()) {
        m_target.BringCalendarToFront();
        return;
    }
    m_target.ShowMenu();
}
