#pragma once
// One run of the note editor on a note: who may be edited, the counters that
// pause the reminders meanwhile, and what OK does with the fields (a new
// note, a note replaced under its ID, a history copy's title and text, a
// holiday item changed in place).

#include "editing/NoteEditFields.h"

#include <memory>

class CCalendarData;

class CNoteEditSession {
public:
    enum Outcome {
        kKeepOpen, // a warning was shown; the fields stay as entered
        kDone,     // the change is made; the editor closes with OK
    };

    // Texts of the two warnings that keep the editor open.
    static constexpr const char* kEndDateWarning =
        "End Date must be one day later than start Date and later than today!";
    static constexpr const char* kExpiredWarning = "The note is already expired!";

    // False for a note the editor must not open: one already open in an
    // editor, a holiday (it belongs to the holiday list) or one ringing now.
    static bool CanEdit(const CNote& note);

    // data is null when a holiday item of the options is edited; note is null
    // for a new note. Marks the note as being edited and counts the editor open.
    CNoteEditSession(CCalendarData* data, CNote* note);
    ~CNoteEditSession();
    CNoteEditSession(const CNoteEditSession&) = delete;
    CNoteEditSession& operator=(const CNoteEditSession&) = delete;

    NoteEditMode Mode() const { return m_nMode; }
    CCalendarData* Data() const { return m_pData; }
    bool HasData() const { return m_pData != nullptr; }
    // The fields the editor opens with; initial is a new note's date and time.
    CNoteEditFields InitialFields(const COleDateTime& initial) const;
    // OK with the fields as read from the controls.
    Outcome Commit(const CNoteEditFields& f, const COleDateTime& now);

    // The note as it stands: after OK, the new object under the note's ID.
    CNote* Note() const { return m_pNote; }
    // OK put a new object in place of the note that was opened.
    bool Replaced() const { return m_bReplaced; }

    // Shows one of the editor's warnings.
    static void Warn(const char* text);

private:
    Outcome CommitNote(const CNoteEditFields& f);

    CCalendarData* m_pData;
    CNote* m_pNote;
    int m_nNoteID;
    NoteEditMode m_nMode;
    bool m_bReplaced = false;
    // The object OK replaced, kept until the editor has closed: the note's
    // window still shows it until it looks the new one up.
    std::unique_ptr<CNote> m_pReplacedNote;
};
