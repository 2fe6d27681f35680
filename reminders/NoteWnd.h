#pragma once
// CNoteWnd: a note's own small window. On the desktop it is a sticky note
// that can be moved, resized, rolled up to its caption, pinned on top, edited
// in place and closed; when the note's reminder falls due the same window
// comes up on top of everything, rings, and offers to remind again later.
// The window belongs to its note (the note's m_pNoteWnd) and deletes itself
// once it is closed or the note is gone.

#include "reminders/AlarmSignal.h"
#include "reminders/NoteDrag.h"
#include "reminders/NoteLayout.h"
#include "reminders/NoteMenuStyle.h"
#include "store/Note.h"
#include "store/NoteWndHandle.h"
#include "zadad/OleDateTime.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

#include <memory>

class CNoteWindowManager;
class CRichTextField;
class CSnoozeRow;
class QMenu;

class CNoteWnd : public QWidget, public CNoteWndHandle {
    Q_OBJECT
public:
    enum Mode { kDesktopMode, kAlarmMode };
    // Commands of the note menu.
    enum Command {
        kCmdDelete = 151,
        kCmdSaveToFile = 152,
        kCmdProperties = 154,
        kCmdCountdown = 155
    };
    // The window of an alarm is the size of the dialog it has always been:
    // 161 x 131 dialog units of an 8-point dialog font.
    static constexpr int kAlarmWidth = 241;
    static constexpr int kAlarmHeight = 212;

    // Creates the window for the note and attaches it (m_pNoteWnd). A desktop
    // window shows itself at once, at (x, y) or (-1, -1) for the saved place;
    // an alarm window waits for StartAlarm.
    CNoteWnd(CNoteWindowManager& manager, Mode mode, CNote& note, int x, int y);
    ~CNoteWnd() override;

    // CNoteWndHandle
    bool IsEditingNote() const override { return m_bPropertiesOpen; }
    void NoteDeleted() override;

    // Alarm mode: in the middle of the screen, on top, ringing, the focus on
    // "OK". existedBefore tells whether the window was on the desktop already.
    void StartAlarm(bool existedBefore);
    // "OK": snoozes, or acknowledges the alarm; then the window returns to
    // the desktop or closes.
    void AcknowledgeAlarm();
    // What "OK" does with the snooze given instead of read from the snooze
    // row (a desktop notification's buttons). Nothing unless ringing.
    void AnswerAlarm(bool snooze, int hours, int minutes);
    void UpdateCountdown(const COleDateTime& now);
    // Typed text reaches the note as soon as the keys have been handled:
    // the program may be told to save and end at any moment after.
    static constexpr int kStoreDelayMs = 0;
    // One beat of the ringing (the window's 500 ms timer runs it).
    void RingTick();
    bool IsRingTimerActive() const { return m_ringTimer.isActive(); }
    // The note is put on the desktop again while it has this window.
    void ShowAgainAt(int x, int y);
    // The close button (and the system's close command).
    void CloseNote();
    void RunCommand(int command);
    // The note menu as the pin button's right click opens it.
    std::unique_ptr<QMenu> CreateNoteMenu();
    // The note's title and text from the fields into the note.
    void StoreFields();

    CNote* Note() const { return m_pNote; }
    bool IsBusy() const { return m_bBusy; }
    bool IsAlarmMode() const { return m_bAlarm; }
    bool IsRolledUp() const;
    bool IsEditingTitle() const { return m_bEditingTitle; }
    bool IsPinDrawnPressed() const;
    QString CountdownText() const { return m_strCountdown; }
    const CAlarmSignal& Signal() const { return m_signal; }
    CSnoozeRow& SnoozeRow() const { return *m_pSnooze; }
    CRichTextField* TextField() const { return m_pText; }
    CRichTextField* TitleField() const { return m_pTitle; }
    int CaptionHeight() const { return m_nCaption; }
    int RolledUpHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateFields();
    void LoadFields();
    void ApplyColors();
    QRect InitialRect(Mode mode, int x, int y) const;
    void LayOut();
    void LayOutDesktop();
    void LayOutAlarm();
    void StoreRect();
    void SetTopMost(bool topMost);
    void TogglePin();
    void ToggleRoll();
    void BeginTitleEdit();
    void EndTitleEdit();
    void ShowNoteMenu(const QPoint& globalPos);
    void DeleteNote();
    void SaveToFile();
    void RunProperties();
    void ToggleCountdown();
    void FinishAlarm();
    // The ringing ends, and whoever listens to alarms is told.
    void EndRinging();
    void ReturnToDesktop();
    void LeavePressedEdges(const QPoint& pos);
    void Detach();
    void Destroy();

    CNoteWindowManager& m_manager;
    CNote* m_pNote;
    bool m_bAlarm = false;
    bool m_bExistedBefore = false;
    bool m_bBusy = false;
    bool m_bInitialised = false;
    bool m_bMenuOpen = false;
    bool m_bEditingTitle = false;
    bool m_bPropertiesOpen = false;
    bool m_bDestroying = false;
    // The fields changed since they were loaded or last stored.
    bool m_bTitleChanged = false;
    bool m_bTextChanged = false;
    int m_nCaption = CNoteLayout::kMinCaption;
    int m_nCountdownHeight = 0;
    QRect m_rcInit; // the alarm's place
    QString m_strCountdown;
    QFont m_titleFont;
    CRichTextField* m_pTitle = nullptr;
    CRichTextField* m_pText = nullptr;
    CSnoozeRow* m_pSnooze = nullptr;
    CAlarmSignal m_signal;
    QTimer m_ringTimer;
    // Typing is stored into the note right after it is handled, so that it
    // is saved with the notes even while the field keeps the focus.
    QTimer m_storeTimer;
    CNoteDrag m_drag;
    CNoteMenuStyle m_menuStyle;
    CNoteLayout::Desktop m_desktop;
    CNoteLayout::Alarm m_alarm;
};
