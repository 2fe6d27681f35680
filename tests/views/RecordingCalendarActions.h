#pragma once
// What the calendar asked of the program, for the tests: every editor
// opening with its note and start, every drop on the desktop, every change
// reported. Asked to, it answers an edit as the editor's OK does: the note
// is replaced by a new object under the same ID.

#include "store/CalendarData.h"
#include "views/CalendarActions.h"

#include <QPoint>

#include <vector>

class CRecordingCalendarActions : public CCalendarActions {
public:
    struct Edit {
        CNote* note;
        COleDateTime start;
    };
    struct Drop {
        std::vector<CNote*> notes;
        QPoint at;
    };

    explicit CRecordingCalendarActions(CCalendarData& data) : m_data(data) {}

    bool EditNote(CNote* note, const COleDateTime& start, QWidget* /*parent*/) override {
        m_edits.push_back({note, start});
        if (!m_bReplaceOnEdit || !note) return false;
        const WORD id = static_cast<WORD>(note->m_nID);
        m_data.ReplaceNote(id, note->Clone());
        return true;
    }
    void ShowNotesAt(const std::vector<CNote*>& notes, const QPoint& screenPos) override {
        m_drops.push_back({notes, screenPos});
    }
    void NotesChanged() override { ++m_nChanges; }
    bool RunOptions(QWidget* /*parent*/) override { return false; }
    void OpenHelp() override {}
    void OpenHomePage() override {}

    bool m_bReplaceOnEdit = false;
    std::vector<Edit> m_edits;
    std::vector<Drop> m_drops;
    int m_nChanges = 0;

private:
    CCalendarData& m_data;
};
