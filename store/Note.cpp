#include "store/Note.h"

#include "res/StringTable.h"
#include "store/NoteWndHandle.h"
#include "store/ProgramFlags.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr double kMaxDaysLeft = 1e9;

std::string FormatCount(const char* format, long long count) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, count);
    return buffer;
}
} // namespace

LOGFONT DefaultNoteFont() {
    // Made once: every new note and every record read from a file starts from it.
    static const LOGFONT font = [] {
        LOGFONT lf = SystemFontLogFont();
        lf.lfHeight = 10;
        lf.lfWeight = 200;
        lf.SetFaceName("Arial");
        return lf;
    }();
    return font;
}

CNote::CNote() : CNote(COleDateTime::GetCurrentTime()) {}

CNote::CNote(const COleDateTime& created)
    : m_nWndFlag(1), m_dtStart(created), m_lfFont(DefaultNoteFont()),
      m_crTitle(g_crNoteTitleDefault), m_crBack(g_crNoteBackDefault) {
    m_dtEnd.SetStatus(COleDateTime::null);
}

CNote::CNote(int type, const std::string& title, const std::string& text, const COleDateTime& start,
             WORD categoryID)
    : m_dtStart(start), m_strText(text), m_strTitle(title), m_nType(type),
      m_wCategoryID(categoryID), m_lfFont(DefaultNoteFont()), m_crTitle(g_crNoteTitleDefault),
      m_crBack(g_crNoteBackDefault) {
    m_dtEnd.SetStatus(COleDateTime::null);
}

CNote::CNote(const CNote& src) : CNote() {
    CopyFrom(src);
}

CNote::~CNote() {
    // The window outlives its note only while it runs the editor for it; the
    // editor then deals with the window itself.
    if (m_pNoteWnd && !m_pNoteWnd->IsEditingNote()) m_pNoteWnd->NoteDeleted();
}

std::string CNote::GetTypeText() const {
    return "Memo";
}

std::unique_ptr<CNote> CNote::Clone() const {
    return std::make_unique<CNote>(*this);
}

void CNote::CopyFrom(const CNote& src) {
    m_strTitle = src.m_strTitle;
    m_strText = src.m_strText;
    m_nType = src.m_nType;
    m_bHistory = src.m_bHistory;
    m_bRemind = src.m_bRemind;
    m_dtStart = src.m_dtStart;
    m_dtEnd = src.m_dtEnd;
    m_wCategoryID = src.m_wCategoryID;
    // A copy is a new note: it gets its own ID when added and has no window yet.
    m_bEditing = 0;
    m_nID = 0;
    m_pNoteWnd = nullptr;
    CopyAppearance(src);
}

void CNote::CopyAppearance(const CNote& src) {
    m_bAlarmActive = 0;
    m_rcWindow = src.m_rcWindow;
    m_rcWindowAlt = src.m_rcWindowAlt;
    m_nWndFlag = src.m_nWndFlag;
    m_bTopMost = src.m_bTopMost;
    m_nReserved1 = src.m_nReserved1;
    m_crTitle = src.m_crTitle;
    m_crBack = src.m_crBack;
    m_bShowCountdown = src.m_bShowCountdown;
}

int CNote::GetIconIndex() const {
    if (m_nType < kNoteMemo || m_nType > kNoteRecurring) return -1;
    const int state = m_bHistory ? 2 : (m_bRemind ? 1 : 0);
    return 3 * m_nType + state;
}

std::string CNote::GetTimeLeftText(double daysLeft) const {
    if (m_bHistory) return LoadString(IDS_HISTORY);
    if (std::isnan(daysLeft)) return LoadString(IDS_EXPIRED);
    // Far beyond any date the program can hold; keeps the counts inside an integer.
    daysLeft = std::clamp(daysLeft, -kMaxDaysLeft, kMaxDaysLeft);
    // Truncated toward zero as whole counts; the half second keeps an exact
    // hour or minute from dropping one below through rounding.
    const double d = std::trunc(daysLeft);
    const double h = std::trunc(daysLeft * 24 + kHalfSecondInDays);
    const double m = std::trunc(daysLeft * 1440 + kHalfSecondInDays);
    if (d >= 31) return FormatCount("%lld days", static_cast<long long>(d));
    if (d < 0 || h < 0 || m < 0) return LoadString(IDS_EXPIRED);
    if (d > 0) return FormatCount(d == 1 ? "%lld day" : "%lld days", static_cast<long long>(d));
    if (h < 1) return FormatCount(m == 1 ? "%lld min" : "%lld mins", static_cast<long long>(m));
    return FormatCount(h == 1 ? "%lld hr" : "%lld hrs", static_cast<long long>(h));
}
