// The note records of the data file. Each class stores its base part first;
// the kind code in front of a record belongs to the note manager.

#include "store/Note.h"
#include "store/OneTimeNote.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "zadad/Archive.h"
#include "zadad/Utility.h"

namespace {

// Rectangles are kept in the record as top, left, bottom, right.
void SerializeRect(CArchive& ar, RECT& rc) {
    if (ar.IsStoring())
        ar << rc.top << rc.left << rc.bottom << rc.right;
    else
        ar >> rc.top >> rc.left >> rc.bottom >> rc.right;
}

// Version 1.5 added the reserved word of the one-time record.
bool HasReservedWord() {
    return g_fFileVersion >= 1.5f;
}

} // namespace

void CNote::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strTitle << m_strText << m_bHistory << m_bActive << m_bRemind << m_wCategoryID;
        ar << m_dtStart << m_dtEnd << m_nID;
    } else {
        ar >> m_strTitle >> m_strText >> m_bHistory >> m_bActive >> m_bRemind >> m_wCategoryID;
        ar >> m_dtStart >> m_dtEnd >> m_nID;
    }
    SerializeRect(ar, m_rcWindow);
    SerializeRect(ar, m_rcWindowAlt);
    if (ar.IsStoring()) {
        ar << m_nWndFlag << m_bTopMost << m_nReserved1 << m_crTitle << m_crBack;
        ar << m_bShowCountdown << m_nCountdownParts << m_bOnDesktop << m_bHasWindowRect;
    } else {
        ar >> m_nWndFlag >> m_bTopMost >> m_nReserved1 >> m_crTitle >> m_crBack;
        ar >> m_bShowCountdown >> m_nCountdownParts >> m_bOnDesktop >> m_bHasWindowRect;
    }
    CUtility::SerializeFont(ar, m_lfFont);
}

void COneTimeNote::Serialize(CArchive& ar) {
    CNote::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_dtAlarm << m_nRemindDays << m_dtOccurrence;
        if (HasReservedWord()) ar << m_nReserved2;
    } else {
        ar >> m_dtAlarm >> m_nRemindDays >> m_dtOccurrence;
        if (HasReservedWord()) ar >> m_nReserved2;
    }
}

void CRecurringNote::Serialize(CArchive& ar) {
    COneTimeNote::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nRepeatUnit << m_nRepeatEvery << m_dtLastOccurrence << m_nWeekDay << m_bByWeekDay;
        ar << m_nWeekOrdinal << m_nMonth;
    } else {
        ar >> m_nRepeatUnit >> m_nRepeatEvery >> m_dtLastOccurrence >> m_nWeekDay >> m_bByWeekDay;
        ar >> m_nWeekOrdinal >> m_nMonth;
    }
}
