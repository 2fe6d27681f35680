// The note window: creation, fields, modes, layout and painting. The mouse
// lives in NoteWndMouse.cpp, the menu's commands in NoteWndCommands.cpp.
#include "reminders/NoteWnd.h"

#include "reminders/AlarmScheduler.h"
#include "reminders/Countdown.h"
#include "reminders/NoteHitTest.h"
#include "reminders/NotePainter.h"
#include "reminders/NotePlacement.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/SharedWave.h"
#include "reminders/SnoozeRow.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "views/HoverButton.h"
#include "views/RichTextField.h"
#include "zadad/QtTypes.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace {

// A note's font size: its height, counted in points. A font without a
// height (or one no field can show) is shown at the size new notes get.
int FontPoints(const LOGFONT& font) {
    const long long points = std::llabs(static_cast<long long>(font.lfHeight));
    if (points == 0 || points > CRichTextField::kMaxPointSize) return DefaultNoteFont().lfHeight;
    return static_cast<int>(points);
}

// Both fields in the note's font, the whole content at once.
void ApplyNoteFont(CRichTextField& field, const LOGFONT& font) {
    field.selectAll();
    field.SetSelectionFaceName(QString::fromStdString(font.FaceName()));
    field.SetSelectionPointSize(FontPoints(font));
    field.moveCursor(QTextCursor::Start);
}

} // namespace

CNoteWnd::CNoteWnd(CNoteWindowManager& manager, Mode mode, CNote& note, int x, int y)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_manager(manager), m_pNote(&note) {
    setMouseTracking(true);
    note.m_pNoteWnd = this;
    CreateFields();
    LoadFields();
    ApplyColors();
    m_ringTimer.setInterval(CAlarmSignal::kTickMilliseconds);
    connect(&m_ringTimer, &QTimer::timeout, this, &CNoteWnd::RingTick);
    m_storeTimer.setSingleShot(true);
    m_storeTimer.setInterval(kStoreDelayMs);
    connect(&m_storeTimer, &QTimer::timeout, this, &CNoteWnd::StoreFields);
    connect(m_pTitle->document(), &QTextDocument::contentsChanged, this, [this] {
        m_bTitleChanged = true;
        m_storeTimer.start();
    });
    connect(m_pText->document(), &QTextDocument::contentsChanged, this, [this] {
        m_bTextChanged = true;
        m_storeTimer.start();
    });

    const QRect screen = CNoteWindowManager::ScreenRect();
    m_rcInit = QRect(screen.x() + (screen.width() - kAlarmWidth) / 2,
                     screen.y() + (screen.height() - kAlarmHeight) / 2, kAlarmWidth, kAlarmHeight);
    m_pSnooze->SetVisible(false);
    if (mode == kDesktopMode) {
        SetTopMost(note.m_bTopMost);
        note.m_bOnDesktop = 1;
        note.m_bHasWindowRect = 1;
    }
    setGeometry(InitialRect(mode, x, y));
    m_bInitialised = true;
    LayOut();
    if (mode == kDesktopMode) {
        StoreRect();
        show();
    }
}

CNoteWnd::~CNoteWnd() {
    Detach();
}

void CNoteWnd::CreateFields() {
    m_pTitle = new CRichTextField(this, false);
    m_pTitle->setFrameShape(QFrame::NoFrame);
    m_pTitle->hide();
    m_pTitle->installEventFilter(this);

    m_pText = new CRichTextField(this, true);
    m_pText->setFrameShape(QFrame::NoFrame);
    m_pText->setAccessibleName(QStringLiteral("Note text"));
    m_pText->installEventFilter(this);
    connect(m_pText, &CRichTextField::linkClicked, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); });

    m_pSnooze = new CSnoozeRow(this);
    connect(m_pSnooze, &CSnoozeRow::okClicked, this, &CNoteWnd::AcknowledgeAlarm);
}

void CNoteWnd::LoadFields() {
    const CNote& note = *m_pNote;
    if (!note.m_strText.empty() && note.m_strText.front() == '{')
        m_pText->SetRichText(note.m_strText);
    else
        m_pText->setPlainText(QString::fromStdString(note.m_strText));
    ApplyNoteFont(*m_pText, note.m_lfFont);

    const QString title = QString::fromStdString(note.m_strTitle);
    m_pTitle->setPlainText(title);
    m_pTitle->selectAll();
    m_pTitle->ToggleBold();
    ApplyNoteFont(*m_pTitle, note.m_lfFont);
    m_bTitleChanged = false;
    m_bTextChanged = false;
    setWindowTitle(title);
    m_titleFont = QFont(QString::fromStdString(note.m_lfFont.FaceName()), FontPoints(note.m_lfFont),
                        QFont::DemiBold);
}

void CNoteWnd::ApplyColors() {
    const QColor body = ToQColor(g_crNoteBackDefault);
    const QColor title = ToQColor(g_crNoteTitleDefault);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, body);
    palette.setColor(QPalette::Base, body);
    palette.setColor(QPalette::Button, body);
    setPalette(palette);
    m_pSnooze->Ok()->SetColor(RGB(0, 0, 0), g_crNoteBackDefault);

    QPalette titlePalette = palette;
    titlePalette.setColor(QPalette::Base, title);
    titlePalette.setColor(QPalette::Text, CNotePainter::TitleTextColor(g_crNoteTitleDefault));
    m_pTitle->setPalette(titlePalette);
    m_menuStyle.SetColors(g_crNoteTitleDefault, g_crNoteBackDefault);
}

QRect CNoteWnd::InitialRect(Mode mode, int x, int y) const {
    if (mode == kAlarmMode) return m_rcInit;
    const QRect screen = CNoteWindowManager::ScreenRect();
    RECT rect = CNotePlacement::InitialRect(*m_pNote, x, y, screen.width(), screen.height());
    if (x == CNotePlacement::kNoPosition && y == CNotePlacement::kNoPosition)
        rect = CNotePlacement::KeepReachable(rect, ToRect(CNoteWindowManager::DesktopRect()));
    return ToQRect(rect);
}

void CNoteWnd::NoteDeleted() {
    m_ringTimer.stop();
    EndRinging();
    m_pNote = nullptr;
    Destroy();
}

void CNoteWnd::Detach() {
    if (m_pNote && m_pNote->m_pNoteWnd == this) m_pNote->m_pNoteWnd = nullptr;
    m_pNote = nullptr;
}

void CNoteWnd::Destroy() {
    if (m_bDestroying) return;
    m_bDestroying = true;
    m_ringTimer.stop();
    hide();
    deleteLater();
}

int CNoteWnd::RolledUpHeight() const {
    const bool countdown = m_pNote && m_pNote->m_bShowCountdown;
    return CNoteLayout::RolledUpHeight(m_nCaption, m_nCountdownHeight, countdown);
}

bool CNoteWnd::IsRolledUp() const {
    return !m_bAlarm && height() <= RolledUpHeight();
}

void CNoteWnd::LayOut() {
    if (!m_pNote || !m_bInitialised) return;
    if (m_pNote->m_nType == kNoteMemo) m_pNote->m_bShowCountdown = 0;
    m_nCaption = CNoteLayout::CaptionHeight(m_pNote->m_lfFont);
    m_nCountdownHeight = fontMetrics().height();
    m_pTitle->setGeometry(ToQRect(CNoteHitTest::TitleRect(width(), m_nCaption)));
    if (m_bAlarm)
        LayOutAlarm();
    else
        LayOutDesktop();
    if (!m_bAlarm) setMinimumSize(CNoteLayout::MinWidth(RolledUpHeight()), RolledUpHeight());
    if (m_pNote->m_bShowCountdown) UpdateCountdown(COleDateTime::GetCurrentTime());
    update();
}

void CNoteWnd::LayOutDesktop() {
    m_desktop = CNoteLayout::LayOutDesktop(width(), height(), m_nCaption, m_nCountdownHeight,
                                           m_pNote->m_bShowCountdown);
    m_pText->setVisible(m_desktop.bTextVisible);
    if (m_desktop.bTextVisible) m_pText->setGeometry(ToQRect(m_desktop.rcText));
}

void CNoteWnd::LayOutAlarm() {
    setMinimumSize(0, 0);
    m_alarm = CNoteLayout::LayOutAlarm(width(), height(), m_nCaption, m_pSnooze->HoursLabelWidth(),
                                       m_pSnooze->MinutesLabelWidth());
    m_desktop.bCountdownVisible = false;
    m_pText->setGeometry(ToQRect(m_alarm.rcText));
    m_pText->setVisible(true);
    m_pSnooze->SetGeometry(m_alarm);
}

void CNoteWnd::StoreRect() {
    if (!m_pNote || m_bAlarm || m_bBusy || !m_bInitialised) return;
    const RECT rect = ToRect(geometry());
    bool changed = !(m_pNote->m_rcWindow == rect);
    m_pNote->m_rcWindow = rect;
    if (rect.Height() > RolledUpHeight()) {
        changed = changed || !(m_pNote->m_rcWindowAlt == rect);
        m_pNote->m_rcWindowAlt = rect;
    }
    if (changed) m_manager.NotesChanged();
}

void CNoteWnd::StoreFields() {
    m_storeTimer.stop();
    if (!m_pNote) return;
    bool changed = false;
    if (m_bTitleChanged) {
        m_pNote->m_strTitle = m_pTitle->GetPlainText();
        m_bTitleChanged = false;
        setWindowTitle(QString::fromStdString(m_pNote->m_strTitle));
        changed = true;
    }
    if (m_bTextChanged) {
        m_pNote->m_strText = m_pText->GetRichText();
        m_bTextChanged = false;
        changed = true;
    }
    if (changed) m_manager.NotesChanged();
}

void CNoteWnd::SetTopMost(bool topMost) {
    if (testAttribute(Qt::WA_WState_Created) &&
        windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (visible) show();
}

void CNoteWnd::UpdateCountdown(const COleDateTime& now) {
    if (!m_pNote) return;
    const QString text = QString::fromStdString(CCountdown::GetText(*m_pNote, now));
    if (text == m_strCountdown) return;
    m_strCountdown = text;
    if (m_desktop.bCountdownVisible) update(ToQRect(m_desktop.rcCountdown));
}

bool CNoteWnd::IsPinDrawnPressed() const {
    const bool pinned = m_pNote && m_pNote->m_bTopMost;
    return pinned != m_signal.IsBlinkAlternate();
}

void CNoteWnd::paintEvent(QPaintEvent* event) {
    CNoteLook look;
    look.rcDirty = event->rect();
    look.nWidth = width();
    look.nHeight = height();
    look.nCaption = m_nCaption;
    look.bRolledUp = IsRolledUp();
    look.bAlarm = m_bAlarm;
    look.nSeparatorY = m_alarm.nSeparatorY;
    look.bPinPressed = IsPinDrawnPressed();
    look.bShowTitle = !m_bEditingTitle;
    look.strTitle = windowTitle();
    look.pTitleFont = &m_titleFont;
    look.crTitle = g_crNoteTitleDefault;
    look.crBody = g_crNoteBackDefault;
    look.bCountdownVisible = !m_bAlarm && m_desktop.bCountdownVisible;
    look.rcCountdown = m_desktop.rcCountdown;
    look.strCountdown = m_strCountdown;
    QPainter painter(this);
    CNotePainter::Paint(painter, look);
}

void CNoteWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
    StoreRect();
}

void CNoteWnd::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    StoreRect();
}

void CNoteWnd::StartAlarm(bool existedBefore) {
    if (!m_pNote) return;
    if (existedBefore && !m_bAlarm) StoreRect(); // its place to return to
    m_bExistedBefore = existedBefore;
    m_bAlarm = true;
    EndTitleEdit();
    m_pSnooze->Untick();
    m_pSnooze->SetVisible(true);
    SetTopMost(true);
    setGeometry(m_rcInit);
    LayOut();
    m_pText->setEnabled(true);
    m_pText->setTabChangesFocus(true); // Tab reaches the snooze row; Ctrl+Tab types a tab
    m_signal.Start(CAlarmSignal::SettingsOf(m_manager.Data()));
    m_ringTimer.start();
    show();
    raise();
    activateWindow();
    m_pSnooze->Ok()->setFocus(Qt::OtherFocusReason);
    update();
    m_manager.AlarmStarted(*m_pNote);
}

void CNoteWnd::RingTick() {
    if (!m_signal.Tick()) m_ringTimer.stop();
    update(ToQRect(CNoteHitTest::PinRect(width(), m_nCaption)));
}

void CNoteWnd::AcknowledgeAlarm() {
    if (!m_bAlarm || m_bBusy || !m_pNote) return;
    int hours = 0;
    int minutes = 0;
    if (!m_pSnooze->Read(hours, minutes)) return; // the alarm goes on
    AnswerAlarm(m_pSnooze->IsTicked(), hours, minutes);
}

void CNoteWnd::AnswerAlarm(bool snooze, int hours, int minutes) {
    if (!m_bAlarm || m_bBusy || !m_pNote) return;
    m_bBusy = true;
    m_ringTimer.stop();
    StoreFields();
    const WORD id = static_cast<WORD>(m_pNote->m_nID);
    EndRinging();
    m_bAlarm = false;
    if (snooze)
        m_manager.Scheduler().Snooze(id, hours, minutes);
    else
        m_manager.Scheduler().Acknowledge(id);
    // A note that was retired has taken its window with it.
    if (m_pNote) FinishAlarm();
    m_bBusy = false;
}

void CNoteWnd::EndRinging() {
    if (!m_signal.IsRinging()) return;
    m_signal.End();
    if (m_pNote) m_manager.AlarmEnded(static_cast<WORD>(m_pNote->m_nID));
}

void CNoteWnd::FinishAlarm() {
    if (!m_bExistedBefore) {
        m_pNote->m_bOnDesktop = 0;
        Detach();
        Destroy();
        return;
    }
    ReturnToDesktop();
}

void CNoteWnd::ReturnToDesktop() {
    m_bAlarm = false;
    m_pSnooze->SetVisible(false);
    m_pText->setTabChangesFocus(false);
    SetTopMost(m_pNote->m_bTopMost);
    setGeometry(ToQRect(m_pNote->m_rcWindow));
    LayOut();
    show();
    update();
}

void CNoteWnd::ShowAgainAt(int x, int y) {
    if (!m_pNote) return;
    if (m_bAlarm) {
        // A ringing window only comes forward; once the alarm is over it
        // stays on the desktop, where it was asked to go.
        m_pNote->m_rcWindow = CNotePlacement::ShownAgainRect(
            m_bExistedBefore ? m_pNote->m_rcWindow : ToRect(m_rcInit), x, y);
        m_pNote->m_bHasWindowRect = 1;
        m_pNote->m_bOnDesktop = 1;
        m_bExistedBefore = true;
        raise();
        return;
    }
    m_pNote->m_bAlarmActive = 0;
    m_pNote->m_bOnDesktop = 1;
    setGeometry(ToQRect(CNotePlacement::ShownAgainRect(m_pNote->m_rcWindow, x, y)));
    show();
    raise();
    StoreRect();
}

void CNoteWnd::CloseNote() {
    if (m_bBusy || !m_pNote) return;
    m_bBusy = true;
    StoreFields();
    CSharedWave::Stop();
    m_bBusy = false;
    // Only "OK" or "Delete" end an alarm; closing merely silences the wave.
    if (m_bAlarm) return;
    StoreRect();
    m_pNote->m_bOnDesktop = 0;
    m_manager.NotesChanged();
    Detach();
    Destroy();
}

void CNoteWnd::closeEvent(QCloseEvent* event) {
    if (!m_bDestroying) CloseNote();
    if (m_bDestroying)
        event->accept();
    else
        event->ignore();
}
