#include "shell/AutoSave.h"

#include "zadad/Utility.h"

void CAutoSave::Changed(const COleDateTime& now) {
    ++m_nChanges;
    if (!m_bPending || m_bFailed) m_dtFirstChange = now;
    m_dtLastChange = now;
    m_bPending = true;
    m_bFailed = false;
}

bool CAutoSave::Tick(const COleDateTime& now) {
    if (!m_bPending || m_bFailed || m_bSaving) return false;
    // Half a second of slack: differences of whole seconds come out of the
    // day fractions a hair short.
    const bool quiet = now - m_dtLastChange >= CUtility::OneSecond * (kQuietSeconds - 0.5);
    const bool waitedLong = now - m_dtFirstChange >= CUtility::OneSecond * (kMaxDelaySeconds - 0.5);
    // A clock set back must not hold the save off for hours.
    const bool clockBack = now < m_dtLastChange;
    if (!quiet && !waitedLong && !clockBack) return false;
    return SaveNow();
}

bool CAutoSave::Flush() {
    if (!m_bPending) return true;
    if (m_bSaving) return false;
    return SaveNow();
}

bool CAutoSave::SaveNow() {
    // The save may show a message box whose event loop runs further ticks.
    m_bSaving = true;
    const unsigned changesBefore = m_nChanges;
    const bool ok = m_save();
    m_bSaving = false;
    if (!ok)
        m_bFailed = true;
    else if (m_nChanges == changesBefore) // a change made meanwhile is still to be saved
        m_bPending = false;
    return ok;
}
