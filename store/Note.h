#pragma once
// CNote: one calendar entry. The kind is told by m_nType alone: 0 memo,
// 1 one-time note with a reminder, 2 recurring note, 10 holiday.

#include "store/NoteMemory.h"
#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

#include <memory>
#include <string>

class CArchive;
class CNoteWndHandle;

enum NoteKind : int {
    kNoteMemo = 0,
    kNoteOneTime = 1,
    kNoteRecurring = 2,
    kNoteHoliday = 10,
};

class CNote {
public:
    // The loader's empty note, filled by Serialize.
    CNote();
    // The same, created at `created`: a loader reads the clock once per file.
    explicit CNote(const COleDateTime& created);
    CNote(int type, const std::string& title, const std::string& text, const COleDateTime& start,
          WORD categoryID);
    // The defaults, then CopyFrom(src).
    CNote(const CNote& src);
    CNote& operator=(const CNote&) = delete;
    virtual ~CNote();
    // Notes, the store's bulk, live in the note memory (NoteMemory.h).
    static void* operator new(std::size_t size) { return CNoteMemory::Allocate(size); }
    static void operator delete(void* block, std::size_t size) noexcept {
        CNoteMemory::Free(block, size);
    }

    virtual void Serialize(CArchive& ar);
    virtual std::string GetTypeText() const;
    // A copy of the same class made with its copy constructor.
    virtual std::unique_ptr<CNote> Clone() const;
    // Copies what a duplicate or a history copy takes over from src, a note
    // of the same class; see the definition for what stays at its default.
    virtual void CopyFrom(const CNote& src);
    void CopyAppearance(const CNote& src);

    // Index into the note icon list: 3 x kind + (2 history, 1 reminder, 0); -1 for other kinds.
    int GetIconIndex() const;
    // The "Time Left" text for daysLeft days until the note is due.
    std::string GetTimeLeftText(double daysLeft) const;

    int m_nWndFlag = 0;
    BOOL m_bEditing = 0;
    COleDateTime m_dtStart;
    COleDateTime m_dtEnd;
    BOOL m_bRemind = 0;
    std::string m_strText;
    std::string m_strTitle;
    BOOL m_bHistory = 0;
    int m_nType = kNoteMemo;
    WORD m_wCategoryID = 0;
    CNoteWndHandle* m_pNoteWnd = nullptr;
    BOOL m_bActive = 1;
    LOGFONT m_lfFont;
    int m_nCountdownParts = 15; // 8 days, 4 hours, 2 minutes, 1 seconds
    BOOL m_bShowCountdown = 0;
    COLORREF m_crTitle = 0;
    int m_nReserved1 = 0;
    COLORREF m_crBack = 0;
    RECT m_rcWindowAlt;
    RECT m_rcWindow;
    BOOL m_bHasWindowRect = 0;
    BOOL m_bOnDesktop = 0;
    BOOL m_bTopMost = 1;
    BOOL m_bAlarmActive = 0;
    int m_nID = 0;

    // How far down the note classes this object was made: what the casts in
    // NoteCasts.h check, at the price of a load, where a dynamic_cast walked
    // the type information on every look at a note.
    enum class Level : unsigned char { kNote, kOneTime, kRecurring };
    Level GetLevel() const { return m_level; }

protected:
    // Each class's constructors set their own level; copies keep it.
    Level m_level = Level::kNote;
};

// The font a new note's window starts with.
LOGFONT DefaultNoteFont();
