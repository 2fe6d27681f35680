// Notes on the desktop: where they open, rolling up, pinning, closing and
// coming back, resizing, the title edited in place, the note menu and its
// commands, the countdown line on the tick, and notes dropped together.
#include "tests/reminders/NoteWndHarness.h"

#include "reminders/NoteHitTest.h"
#include "reminders/NotePlacement.h"
#include "tests/support/TestAccess.h"
#include "views/RichTextField.h"

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

namespace {

QPoint CaptionPoint(const CNoteWnd& window) {
    const RECT title = CNoteHitTest::TitleRect(window.width(), window.CaptionHeight());
    return QPoint((title.left + title.right) / 2, window.CaptionHeight() / 2);
}

QPoint PinPoint(const CNoteWnd& window) {
    const RECT pin = CNoteHitTest::PinRect(window.width(), window.CaptionHeight());
    return QPoint((pin.left + pin.right) / 2, (pin.top + pin.bottom) / 2);
}

QStringList MenuTexts(QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Receives the addresses the desktop is asked to open.
class CUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> m_urls;
public slots:
    void Open(const QUrl& url) { m_urls << url; }
};

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, widget->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

TEST_F(NoteWndTest, NewDesktopNoteOpensAtTwoFifthsOfTheScreen) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note);
    CNoteWnd* window = WindowOf(note);
    ASSERT_NE(window, nullptr);
    const QRect screen = CNoteWindowManager::ScreenRect();
    EXPECT_EQ(window->geometry(), QRect(2 * screen.width() / 5, 2 * screen.height() / 5,
                                        screen.width() / 5, screen.height() / 5));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->IsAlarmMode());
    EXPECT_TRUE(note->m_bOnDesktop);
    EXPECT_TRUE(note->m_bHasWindowRect);
    EXPECT_EQ(note->m_rcWindow.left, window->x());
    EXPECT_EQ(window->windowTitle(), "Groceries");
    EXPECT_EQ(window->TextField()->toPlainText(), "Just a thought");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // new notes stay on top
    // Showing a note changes nothing in it.
    Flush();
    window->StoreFields();
    EXPECT_EQ(note->m_strText, "Just a thought");
    EXPECT_EQ(note->m_strTitle, "Groceries");
}

TEST_F(NoteWndTest, NoteFontSizesTheFieldsAndTheCaption) {
    CNote* large = AddMemo("Large");
    large->m_lfFont.lfHeight = 20;
    m_windows.ShowOnDesktop(*large, 300, 300);
    EXPECT_EQ(WindowOf(large)->TextField()->currentFont().pointSize(), 20);
    EXPECT_EQ(WindowOf(large)->CaptionHeight(), 29);
    // A font without a height (an odd data file) is shown at the usual size.
    CNote* odd = AddMemo("Odd");
    odd->m_lfFont.lfHeight = 0;
    m_windows.ShowOnDesktop(*odd, 500, 300);
    EXPECT_EQ(WindowOf(odd)->TextField()->currentFont().pointSize(), 10);
    EXPECT_EQ(WindowOf(odd)->CaptionHeight(), CNoteLayout::kMinCaption);
}

TEST_F(NoteWndTest, DesktopNotesReopenAtTheirSavedRectangle) {
    CNote* note = AddMemo("Groceries");
    note->m_bOnDesktop = 1;
    note->m_bHasWindowRect = 1;
    note->m_rcWindow = RECT{40, 50, 260, 190};
    m_windows.ShowOnDesktop(*note); // as the tray does at start-up
    ASSERT_NE(WindowOf(note), nullptr);
    EXPECT_EQ(WindowOf(note)->geometry(), QRect(40, 50, 220, 140));
}

TEST_F(NoteWndTest, DoubleClickOnTheCaptionRollsUpAndUnrolls) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    const int unrolled = window->height();
    QTest::mouseDClick(window, Qt::LeftButton, {}, CaptionPoint(*window));
    EXPECT_TRUE(window->IsRolledUp());
    EXPECT_EQ(window->height(), window->RolledUpHeight());
    EXPECT_FALSE(window->TextField()->isVisible());
    EXPECT_EQ(note->m_rcWindow.Height(), window->RolledUpHeight());
    EXPECT_EQ(note->m_rcWindowAlt.Height(), unrolled);
    QTest::mouseDClick(window, Qt::LeftButton, {}, CaptionPoint(*window));
    EXPECT_FALSE(window->IsRolledUp());
    EXPECT_EQ(window->height(), unrolled);
    EXPECT_TRUE(window->TextField()->isVisible());
}

TEST_F(NoteWndTest, RolledUpNoteClosedAndShownAgainComesBackRolledUp) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    QTest::mouseDClick(window, Qt::LeftButton, {}, CaptionPoint(*window));
    const QRect rolled = window->geometry();
    window->CloseNote();
    Flush();
    EXPECT_EQ(note->m_pNoteWnd, nullptr);
    EXPECT_FALSE(note->m_bOnDesktop);
    m_windows.ShowOnDesktop(*note);
    ASSERT_NE(WindowOf(note), nullptr);
    EXPECT_EQ(WindowOf(note)->geometry(), rolled);
    EXPECT_TRUE(WindowOf(note)->IsRolledUp());
}

TEST_F(NoteWndTest, CloseButtonClosesADesktopNote) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    window->TextField()->setPlainText("Milk, bread");
    const RECT close = CNoteHitTest::CloseRect(window->width(), window->CaptionHeight());
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(close.left + 4, close.top + 4));
    Flush();
    EXPECT_EQ(note->m_pNoteWnd, nullptr);
    EXPECT_FALSE(note->m_bOnDesktop);
    EXPECT_NE(note->m_strText.find("Milk, bread"), std::string::npos);
}

TEST_F(NoteWndTest, TypedTextReachesTheNoteWhileTheFieldKeepsTheFocus) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    Activate(window);
    window->TextField()->setFocus();
    window->TextField()->moveCursor(QTextCursor::End);
    QTest::keyClicks(window->TextField(), ", milk");
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->TextField()->hasFocus());
    EXPECT_EQ(note->m_strText.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(note->m_strText.find("Just a thought, milk"), std::string::npos);
}

TEST_F(NoteWndTest, PinButtonTogglesStayingOnTop) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    QTest::mouseClick(window, Qt::LeftButton, {}, PinPoint(*window));
    EXPECT_FALSE(note->m_bTopMost);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->IsPinDrawnPressed());
    EXPECT_TRUE(window->isVisible());
    // Shift held: the click is not for the pin.
    QTest::mouseClick(window, Qt::LeftButton, Qt::ShiftModifier, PinPoint(*window));
    EXPECT_FALSE(note->m_bTopMost);
    QTest::mouseClick(window, Qt::LeftButton, {}, PinPoint(*window));
    EXPECT_TRUE(note->m_bTopMost);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(NoteWndTest, EdgesResizeWithinTheMinimums) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    window->setGeometry(100, 100, 200, 150);
    const QPoint corner(199, 149);
    SendMouse(window, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    SendMouse(window, QEvent::MouseMove, corner + QPoint(30, 20), Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, corner + QPoint(30, 20), Qt::NoButton);
    EXPECT_EQ(window->geometry(), QRect(100, 100, 230, 170));
    EXPECT_EQ(note->m_rcWindow.Width(), 230);
    EXPECT_EQ(note->m_rcWindowAlt.Height(), 170);

    const QPoint left(1, 75);
    SendMouse(window, QEvent::MouseButtonPress, left, Qt::LeftButton);
    SendMouse(window, QEvent::MouseMove, left + QPoint(500, 0), Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, left + QPoint(500, 0), Qt::NoButton);
    EXPECT_EQ(window->width(), 3 * window->RolledUpHeight());
    EXPECT_EQ(window->geometry().right(), 329);
}

TEST_F(NoteWndTest, CaptionMovesTheWindow) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    const QRect before = window->geometry();
    const QPoint grip = CaptionPoint(*window);
    SendMouse(window, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    SendMouse(window, QEvent::MouseMove, grip + QPoint(-40, 25), Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, grip + QPoint(-40, 25), Qt::NoButton);
    EXPECT_EQ(window->geometry(), before.translated(-40, 25));
    EXPECT_EQ(note->m_rcWindow.left, before.left() - 40);
    EXPECT_EQ(note->m_rcWindow.top, before.top() + 25);
}

TEST_F(NoteWndTest, RightClickOnTheCaptionEditsTheTitleInPlace) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    Activate(window);
    QTest::mouseClick(window, Qt::RightButton, {}, CaptionPoint(*window));
    ASSERT_TRUE(window->IsEditingTitle());
    EXPECT_TRUE(window->TitleField()->isVisible());
    QTest::keyClicks(window->TitleField(), "Shopping");
    QTest::keyClick(window->TitleField(), Qt::Key_Return); // leaves the field
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->IsEditingTitle());
    EXPECT_FALSE(window->TitleField()->isVisible());
    EXPECT_EQ(note->m_strTitle, "Shopping");
    EXPECT_EQ(window->windowTitle(), "Shopping");
}

TEST_F(NoteWndTest, NoteMenuHasTheCountdownItemOnlyForNotesWithADate) {
    CNote* memo = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*memo, 300, 300);
    const std::unique_ptr<QMenu> memoMenu = WindowOf(memo)->CreateNoteMenu();
    EXPECT_EQ(MenuTexts(*memoMenu), QStringList({"Delete", "Save To File", "Properties"}));
    EXPECT_FALSE(memoMenu->actions().at(2)->isEnabled()); // until the editor is there

    COneTimeNote* timed = AddOneTime("Dentist", Now() + 2.0);
    timed->m_bShowCountdown = 0;
    m_windows.ShowOnDesktop(*timed, 400, 300);
    const std::unique_ptr<QMenu> timedMenu = WindowOf(timed)->CreateNoteMenu();
    EXPECT_EQ(MenuTexts(*timedMenu),
              QStringList({"Delete", "Save To File", "Properties", "-", "Show Countdown"}));
    timed->m_bShowCountdown = 1;
    EXPECT_EQ(MenuTexts(*WindowOf(timed)->CreateNoteMenu()).last(), "Hide Countdown");
}

TEST_F(NoteWndTest, PropertiesFollowTheReplacedNote) {
    CNote* note = AddMemo("Groceries");
    const WORD id = static_cast<WORD>(note->m_nID);
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    m_windows.SetPropertiesRunner([this, id](CNote& old, QWidget* parent) {
        EXPECT_TRUE(WindowOf(&old)->IsEditingNote());
        EXPECT_EQ(parent, WindowOf(&old));
        auto fresh = std::make_unique<CNote>(kNoteMemo, "Market", "Eggs", Now(), 0);
        std::unique_ptr<CNote> replaced = m_data.ReplaceNote(id, std::move(fresh));
        return true; // the old note goes here, its window staying
    });
    window->RunCommand(CNoteWnd::kCmdProperties);
    Flush();
    CNote* fresh = m_data.LookupNote(id);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(WindowOf(fresh), window);
    EXPECT_EQ(window->Note(), fresh);
    EXPECT_TRUE(fresh->m_bOnDesktop);
    EXPECT_EQ(window->windowTitle(), "Market");
    EXPECT_EQ(window->TextField()->toPlainText(), "Eggs");
    EXPECT_FALSE(window->IsEditingNote());
}

TEST_F(NoteWndTest, WindowLayerNamesOnlyTheNotesWithAWindowToTheTick) {
    CNote* kept = AddMemo("Kept");
    CNote* closed = AddMemo("Closed");
    AddMemo("Never shown");
    m_windows.ShowOnDesktop(*kept, 100, 100);
    m_windows.ShowOnDesktop(*closed, 300, 300);
    WindowOf(closed)->CloseNote();
    Flush();
    EXPECT_EQ(m_windows.NotesWithWindows(), std::vector<CNote*>{kept});
    // While the editor runs, the note may be replaced under its window.
    m_windows.SetPropertiesRunner([this](CNote&, QWidget*) {
        EXPECT_TRUE(m_windows.NotesWithWindows().empty());
        return false;
    });
    WindowOf(kept)->RunCommand(CNoteWnd::kCmdProperties);
    EXPECT_EQ(m_windows.NotesWithWindows(), std::vector<CNote*>{kept});
}

TEST_F(NoteWndTest, DeleteFromTheMenuRemovesADesktopNote) {
    CNote* note = AddMemo("Groceries");
    const WORD id = static_cast<WORD>(note->m_nID);
    m_windows.ShowOnDesktop(*note, 300, 300);
    WindowOf(note)->RunCommand(CNoteWnd::kCmdDelete);
    Flush();
    EXPECT_EQ(m_data.LookupNote(id), nullptr);
    EXPECT_EQ(HistoryCopies(), 0);
}

TEST_F(NoteWndTest, SaveToFileWritesTitleBlankLineAndText) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    window->TextField()->setPlainText("Milk\nBread");
    const std::string path = m_home.File("Groceries.txt");
    CTestAccess::QueueFileAnswer(QString::fromStdString(path));
    window->RunCommand(CNoteWnd::kCmdSaveToFile);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "Groceries\n\nMilk\nBread");
    file.close();

    // Saved again over it: asked once, and No keeps the file.
    window->TextField()->setPlainText("Changed");
    m_box.QueueAnswer(CMessageBox::kAnswerNo);
    CTestAccess::QueueFileAnswer(QString::fromStdString(path));
    window->RunCommand(CNoteWnd::kCmdSaveToFile);
    EXPECT_EQ(m_box.m_shown.size(), 1u);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "Groceries\n\nMilk\nBread");
    CTestAccess::ClearFileAnswers();
}

TEST_F(NoteWndTest, CountdownLineIsRefreshedOnEveryTick) {
    COneTimeNote* note = AddOneTime("Dentist", Now() + COleDateTimeSpan(0, 0, 1, 1));
    note->m_dtAlarm = Now() + 1.0; // rings tomorrow, counts down to the minute
    m_data.FindNextAlarm();
    note->m_bShowCountdown = 1;
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    EXPECT_EQ(window->CountdownText(), " 00:01:01");
    Tick();
    EXPECT_EQ(window->CountdownText(), " 00:01:00");
    for (int i = 0; i < 60; ++i)
        Tick();
    EXPECT_EQ(window->CountdownText(), " 00:00:00");
    Tick();
    EXPECT_EQ(window->CountdownText(), "Expired");
}

TEST_F(NoteWndTest, ShowAndHideCountdownKeepARolledUpNoteRolledUp) {
    COneTimeNote* note = AddOneTime("Dentist", Now() + 2.0);
    note->m_bShowCountdown = 0;
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    QTest::mouseDClick(window, Qt::LeftButton, {}, CaptionPoint(*window));
    ASSERT_TRUE(window->IsRolledUp());
    window->RunCommand(CNoteWnd::kCmdCountdown);
    EXPECT_TRUE(note->m_bShowCountdown);
    EXPECT_TRUE(window->IsRolledUp());
    EXPECT_EQ(window->height(), window->RolledUpHeight());
    EXPECT_EQ(window->CountdownText(), " 2 days  00:00:00");
    window->RunCommand(CNoteWnd::kCmdCountdown);
    EXPECT_FALSE(note->m_bShowCountdown);
    EXPECT_TRUE(window->IsRolledUp());
    EXPECT_EQ(window->height(), window->RolledUpHeight());
}

TEST_F(NoteWndTest, LinksOpenWithTheDesktop) {
    CUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    emit WindowOf(note)->TextField()->linkClicked(QStringLiteral("https://example.org/list"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.m_urls.size(), 1);
    EXPECT_EQ(catcher.m_urls[0], QUrl(QStringLiteral("https://example.org/list")));
}

TEST_F(NoteWndTest, NotesDroppedTogetherAreShownOneUnderTheOther) {
    std::vector<CNote*> notes = {AddMemo("One"), AddMemo("Two"), AddMemo("Three")};
    auto holiday = std::make_unique<CNote>(kNoteHoliday, "Holiday", "", Now(), 0);
    notes.insert(notes.begin() + 1, holiday.get());
    m_windows.ShowNotesAt(notes, 400, 100);
    EXPECT_EQ(holiday->m_pNoteWnd, nullptr);
    ASSERT_NE(WindowOf(notes[0]), nullptr);
    const int width = WindowOf(notes[0])->width();
    EXPECT_EQ(WindowOf(notes[0])->geometry().topLeft(), QPoint(400 - width / 2, 93));
    EXPECT_EQ(WindowOf(notes[2])->geometry().topLeft(), QPoint(400 - width / 2, 111));
    EXPECT_EQ(WindowOf(notes[3])->geometry().topLeft(), QPoint(400 - width / 2, 129));
}

TEST_F(NoteWndTest, ShownAgainAtAPointMovesTheExistingWindow) {
    CNote* note = AddMemo("Groceries");
    m_windows.ShowOnDesktop(*note, 300, 300);
    CNoteWnd* window = WindowOf(note);
    window->setGeometry(10, 10, 200, 100);
    m_windows.ShowOnDesktop(*note, 500, 400);
    EXPECT_EQ(WindowOf(note), window);
    EXPECT_EQ(window->geometry(), QRect(400, 394, 200, 100));
}

#include "DesktopNoteTest.moc"
