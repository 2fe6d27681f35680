#pragma once
// Saves the notes a few seconds after they change, so that a crash or a power
// cut between the regular save points loses at most those few seconds. The
// one-second tick asks it whether a save is due; a burst of changes is saved
// once, shortly after the last of them, but never later than kMaxDelay after
// the first.

#include "zadad/OleDateTime.h"

#include <functional>

class CAutoSave {
public:
    static constexpr int kQuietSeconds = 2;
    static constexpr int kMaxDelaySeconds = 10;

    // save writes the data file and says whether it worked.
    explicit CAutoSave(std::function<bool()> save) : m_save(std::move(save)) {}

    void Changed(const COleDateTime& now);
    // Every regular save point reports here, so nothing is saved twice.
    void Saved() { m_bPending = false; }
    // A save point could not write the file: the change stays pending and,
    // as after a failed automatic save, waits for the next change or save point.
    void Failed() {
        m_bPending = true;
        m_bFailed = true;
    }
    // Saves when a change has been quiet long enough (or waited too long).
    // True when it saved.
    bool Tick(const COleDateTime& now);
    // Saves a pending change at once. True when nothing is left unsaved.
    bool Flush();

    bool IsPending() const { return m_bPending; }

private:
    bool SaveNow();

    std::function<bool()> m_save;
    bool m_bPending = false;
    bool m_bSaving = false;
    // A save that failed is not retried every second (each failure is
    // reported to the user); the next change or save point tries again.
    bool m_bFailed = false;
    unsigned m_nChanges = 0;
    COleDateTime m_dtFirstChange;
    COleDateTime m_dtLastChange;
};
