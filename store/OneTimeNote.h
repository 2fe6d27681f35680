#pragma once
// COneTimeNote: a note with a reminder that fires m_nRemindDays whole days
// before its occurrence.

#include "store/Note.h"

class COneTimeNote : public CNote {
public:
    COneTimeNote();
    explicit COneTimeNote(const COleDateTime& created);
    COneTimeNote(int type, const std::string& title, const std::string& text,
                 const COleDateTime& start, int remindDays, WORD categoryID, BOOL remind);
    COneTimeNote(const COneTimeNote& src);

    void Serialize(CArchive& ar) override;
    std::string GetTypeText() const override;
    std::unique_ptr<CNote> Clone() const override;
    void CopyFrom(const CNote& src) override;

    // Occurrence back to the start; the alarm m_nRemindDays before it.
    void ResetAlarm();

    COleDateTime m_dtOccurrence;
    int m_nRemindDays = 0;
    int m_nReserved2 = 0;
    COleDateTime m_dtAlarm;
};
