// The custom controls as widgets: hover and shaped buttons, the month list
// pop-up, the note tip and the sortable column header.
#include "tests/support/TestClock.h"
#include "views/HoverButton.h"
#include "views/MonthListPopup.h"
#include "views/RegionButton.h"
#include "views/SortHeaderCtrl.h"
#include "views/TipPlacement.h"
#include "views/TipWnd.h"
#include "zadad/Picture.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QEnterEvent>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr unsigned kPrintShape = 120;

// A window holding one shaped toolbar button at (20, 20).
class RegionButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.resize(120, 120);
        QRegion shape;
        ASSERT_TRUE(CUtility::CreateRgnFromBmp(nullptr, shape, RGB(0, 0, 0), kPrintShape));
        m_texture.Load(153u);
        ASSERT_TRUE(m_button->Create(CHoverButton::HoverHighlight, shape, &m_window, 130,
                                     RGB(200, 200, 200), &m_texture, 32, 32, QString()));
        m_button->move(20, 20);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // A point of the button's box that its shape leaves out, and one inside it.
    QPoint Outside() const {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (m_button->BoundingBox().contains(x, y) && !m_button->Region().contains({x, y}))
                    return {x, y};
        return {-1, -1};
    }
    QPoint Inside() const { return m_button->Region().boundingRect().center(); }

    void ClickWindowAt(QPoint buttonPoint) {
        QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                          m_button->mapTo(&m_window, buttonPoint));
    }

    QWidget m_window;
    CPicture m_texture;
    CRegionButton* m_button = new CRegionButton;
};

TEST_F(RegionButtonTest, AClickInsideTheShapeIssuesTheCommand) {
    QSignalSpy commands(m_button, &CRegionButton::command);
    ASSERT_TRUE(m_button->Region().contains(Inside()));
    ClickWindowAt(Inside());
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.first().first().toInt(), 130);
}

TEST_F(RegionButtonTest, AClickInATransparentCornerDoesNotPressIt) {
    QSignalSpy commands(m_button, &CRegionButton::command);
    const QPoint corner = Outside();
    ASSERT_NE(corner, QPoint(-1, -1));
    QTest::mousePress(m_window.windowHandle(), Qt::LeftButton, {},
                      m_button->mapTo(&m_window, corner));
    EXPECT_FALSE(m_button->IsPressed());
    QTest::mouseRelease(m_window.windowHandle(), Qt::LeftButton, {},
                        m_button->mapTo(&m_window, corner));
    EXPECT_EQ(commands.count(), 0);
}

TEST_F(RegionButtonTest, TheRegionIsMovedToStartAtTheOrigin) {
    EXPECT_EQ(m_button->Region().boundingRect().topLeft(), QPoint(0, 0));
    EXPECT_EQ(m_button->BoundingBox(), m_button->Region().boundingRect());
}

TEST_F(RegionButtonTest, ALatchedButtonLooksPressed) {
    const QPoint inside = Inside();
    const QRgb plain = m_button->grab().toImage().pixel(inside);
    m_button->SetLatch(true);
    EXPECT_TRUE(m_button->Latch());
    const QRgb latched = m_button->grab().toImage().pixel(inside);
    EXPECT_LT(qGray(latched), qGray(plain));
    m_button->SetLatch(false);
    EXPECT_EQ(m_button->grab().toImage().pixel(inside), plain);
}

TEST_F(RegionButtonTest, TheFaceShowsTheTextureWithinTheShape) {
    const QImage face = m_button->grab().toImage();
    const QColor centre = face.pixelColor(Inside());
    // The window texture is a blue weave.
    EXPECT_GT(centre.blue(), centre.red());
}

TEST(HoverButton, TracksTheMouseAndThePress) {
    QWidget window;
    auto* button = new CHoverButton(&window);
    button->resize(60, 24);
    button->SetText("OK");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->IsMouseInside());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->IsPressed());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->IsPressed());
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->IsMouseInside());
    EXPECT_FALSE(button->IsPressed());
}

TEST(HoverButton, DrawsItsHoverFrameOnlyWhileTheMouseIsOver) {
    QWidget window;
    auto* button = new CHoverButton(&window);
    button->resize(40, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRgb plain = window.palette().window().color().rgb();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    const QRgb hovered = window.grab().toImage().pixel(1, 10);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    const QRgb pressed = window.grab().toImage().pixel(1, 10);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(hovered, QApplication::palette().light().color().rgb());
    EXPECT_EQ(pressed, QApplication::palette().mid().color().rgb());
    EXPECT_EQ(window.grab().toImage().pixel(1, 10), plain);
}

class MonthListPopupTest : public ::testing::Test {
protected:
    CTestClock m_clock{COleDateTime(2003, 3, 15, 12, 0, 0)};
    QWidget m_owner;
    CMonthListPopup* m_popup = new CMonthListPopup(&m_owner);
};

TEST_F(MonthListPopupTest, ListsTheMonthsAndSelectsTheGivenOne) {
    ASSERT_TRUE(m_popup->Create(QPoint(10, 10), CMonthListPopup::kMonthMode, 2003, 3));
    QListWidget* list = m_popup->List();
    EXPECT_EQ(list->count(), 156);
    EXPECT_EQ(list->currentRow(), 38);
    EXPECT_EQ(list->item(38)->text(), "March, 2003");
    EXPECT_EQ(list->item(7)->text(), "Augest, 2000");
    const QRect view = list->viewport()->rect();
    EXPECT_TRUE(view.intersects(list->visualItemRect(list->item(38))));
    EXPECT_TRUE(view.intersects(list->visualItemRect(list->item(46))));
    EXPECT_EQ(m_popup->ChosenData(), -1);
}

TEST_F(MonthListPopupTest, ChoosingAMonthHidesItAndReportsOnce) {
    ASSERT_TRUE(m_popup->Create(QPoint(10, 10), CMonthListPopup::kMonthMode, 2003, 3));
    QSignalSpy reports(m_popup, &CMonthListPopup::reported);
    QListWidget* list = m_popup->List();
    const QRect row = list->visualItemRect(list->item(40));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(reports.count(), 1);
    EXPECT_EQ(reports.first().first().toInt(), 1);
    EXPECT_EQ(m_popup->ChosenData(), 40);
    EXPECT_FALSE(m_popup->isVisible());
    list->setCurrentRow(41);
    EXPECT_EQ(reports.count(), 1);
    EXPECT_EQ(m_popup->ChosenData(), 40);
}

TEST_F(MonthListPopupTest, ClosingWithoutAChoiceDismissesOnce) {
    ASSERT_TRUE(m_popup->Create(QPoint(10, 10), CMonthListPopup::kMonthMode, 2003, 3));
    QSignalSpy reports(m_popup, &CMonthListPopup::reported);
    m_popup->hide();
    ASSERT_EQ(reports.count(), 1);
    EXPECT_EQ(reports.first().first().toInt(), 0);
    EXPECT_EQ(m_popup->ChosenData(), -1);
    m_popup->List()->setCurrentRow(3);
    EXPECT_EQ(reports.count(), 1);
}

TEST_F(MonthListPopupTest, OnlyTheMonthModeIsKnown) {
    EXPECT_FALSE(m_popup->Create(QPoint(10, 10), 3, 2003, 3));
}

TEST(TipWnd, OpensBesideThePointWithinThreeHundredPixels) {
    QWidget owner;
    CTipWnd tip(&owner);
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.windowTitle(), "HLTipWnd");
    tip.Show("Dentist", 20, 30);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.geometry().topLeft(), QPoint(20, 30));
    tip.Show(QString("A long note text that goes on and on ").repeated(6), 20, 30);
    EXPECT_LE(tip.width(), kTipMaxTextWidth + kTipMargin);
    EXPECT_GT(tip.width(), kTipMaxTextWidth * 3 / 4);
    EXPECT_GT(tip.height(), 2 * tip.fontMetrics().height());
}

TEST(TipWnd, AClickHidesItAndReachesTheOwner) {
    QWidget owner;
    owner.resize(200, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    struct PressCounter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            presses += e->type() == QEvent::MouseButtonPress;
            return false;
        }
    } counter;
    owner.installEventFilter(&counter);
    CTipWnd tip(&owner);
    tip.Show("Dentist", 50, 50);
    QTest::mouseClick(&tip, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(counter.presses, 1);
}

// A header of three columns on a table, painted into an image.
class SortHeaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_table.setColumnCount(3);
        m_table.setHorizontalHeaderLabels({"Time", "Note  ", "Time Left"});
        m_table.setHorizontalHeader(m_header);
        m_header->setModel(m_table.model());
        m_table.resize(400, 200);
        m_table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_table));
        m_header->SetItemWidth(1, 150);
    }
    QColor At(double fx, double fy) {
        const QImage image = m_header->grab().toImage();
        const int left = m_header->sectionViewportPosition(1);
        const int h = m_header->height();
        const int right = left + m_header->sectionSize(1);
        return image.pixelColor(int(right - h + fx * h), int(fy * h));
    }
    QTableWidget m_table;
    CSortHeaderCtrl* m_header = new CSortHeaderCtrl;
};

TEST_F(SortHeaderTest, MarksTheSortColumnPointingDownWhenDescending) {
    m_header->SetBackground("", RGB(255, 255, 255));
    m_header->SetSortMark(1, true);
    // Near the left end of the base, a third of the height down.
    EXPECT_LT(At(-0.3, 0.36).lightness(), 128);
    EXPECT_EQ(At(0, 0.85).lightness(), 255); // below the apex
    m_header->SetSortMark(1, false);
    EXPECT_EQ(At(-0.3, 0.36).lightness(), 255);
    EXPECT_LT(At(-0.3, 0.7).lightness(), 128);
    m_header->SetSortMark(-1, false);
    EXPECT_EQ(At(-0.3, 0.7).lightness(), 255);
}

TEST_F(SortHeaderTest, WritesLightOnADarkBackgroundColour) {
    m_header->SetBackground("", RGB(0, 0, 60));
    m_header->SetSortMark(1, true);
    EXPECT_GT(At(0, 0.4).lightness(), 128);
}

TEST_F(SortHeaderTest, ChoosesTheTextColourFromThePictureBeneath) {
    QTemporaryDir dir;
    const QString file = dir.filePath("dark.png");
    QImage dark(16, 16, QImage::Format_RGB32);
    dark.fill(QColor(20, 20, 30));
    ASSERT_TRUE(dark.save(file));
    m_header->SetBackground(file.toStdString(), RGB(255, 255, 255));
    m_header->SetSortMark(1, true);
    EXPECT_GT(At(0, 0.4).lightness(), 128);
    EXPECT_EQ(m_header->ItemText(1), "Note  ");
}

} // namespace
