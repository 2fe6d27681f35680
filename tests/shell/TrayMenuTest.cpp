// What the tray menu holds and how it looks, the start-up logo, the about
// box and the help commands.
#include "FakeTrayIcon.h"
#include "UrlCatcher.h"

#include "res/Resources.h"
#include "shell/AboutDlg.h"
#include "shell/LogoDlg.h"
#include "shell/TrayCommands.h"
#include "shell/TrayMenu.h"
#include "shell/TrayMenuStyle.h"
#include "shell/TrayWnd.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "zadad/SystemColors.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;

Items Describe(const QMenu& menu) {
    Items items;
    for (const QAction* action : menu.actions())
        items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return items;
}

QAction* Find(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

QColor Fill(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

class TrayMenuTest : public ::testing::Test {
protected:
    CTempHome m_home;
    CFakeMessageBox m_box;
    std::vector<std::string> m_log;
    CTrayWnd m_tray{std::make_unique<CFakeTrayIcon>(m_log, true)};
    CTrayMenuStyle m_style;
    std::unique_ptr<QMenu> m_menu = CTrayMenu::Build(m_tray.Commands(), &m_style);
};

TEST_F(TrayMenuTest, HoldsItsItemsInOrder) {
    EXPECT_EQ(Describe(*m_menu),
              (Items{"Help", "-", "Data", "Options", "-", "New Note", "Calendar", "-", "Exit"}));
    QMenu* help = Find(*m_menu, QStringLiteral("Help"))->menu();
    QMenu* data = Find(*m_menu, QStringLiteral("Data"))->menu();
    ASSERT_TRUE(help && data);
    EXPECT_EQ(Describe(*help), (Items{"Contents", "-", "Home Page", "-", "About"}));
    EXPECT_EQ(Describe(*data),
              (Items{"Export Notes", "Import Notes", "Export Calendar…", "Import Calendar…"}));
}

TEST_F(TrayMenuTest, ItemsCarryTheirStringNumbersAndIcons) {
    std::vector<std::pair<QString, int>> expected = {
        {"Help", 108},       {"Data", 109},           {"Options", 32804},     {"New Note", 32798},
        {"Calendar", 32807}, {"Exit", 32792},         {"Contents", 32794},    {"Home Page", 32802},
        {"About", 32803},    {"Export Notes", 32800}, {"Import Notes", 32799}};
    expected.insert(expected.end(), {{"Export Calendar…", 32808}, {"Import Calendar…", 32809}});
    QList<QAction*> all = m_menu->actions();
    for (QAction* action : m_menu->actions())
        if (action->menu()) all += action->menu()->actions();
    for (const auto& [text, id] : expected) {
        const auto found =
            std::find_if(all.begin(), all.end(), [&](QAction* a) { return a->text() == text; });
        ASSERT_NE(found, all.end()) << text.toStdString();
        EXPECT_EQ((*found)->data().toInt(), id) << text.toStdString();
        EXPECT_EQ((*found)->icon().isNull(), text == "Exit") << text.toStdString();
    }
}

TEST_F(TrayMenuTest, SelectedItemIsDeepBlueWithWhiteTextInASunkenFrame) {
    m_menu->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_menu.get()));
    QAction* exit = Find(*m_menu, QStringLiteral("Exit"));
    QAction* data = Find(*m_menu, QStringLiteral("Data"));
    m_menu->setActiveAction(exit);
    const QImage image = m_menu->grab().toImage();
    const QRect selected = m_menu->actionGeometry(exit);
    const QRect plain = m_menu->actionGeometry(data);
    m_menu->hide();

    const QRgb window = m_menu->palette().color(QPalette::Window).rgb();
    EXPECT_EQ(image.pixel(selected.right() - 3, selected.top() + 3),
              Fill(CTrayMenuStyle::kSelectedFill).rgb());
    EXPECT_EQ(image.pixel(selected.topLeft()), systemcolors::ButtonShadow().rgb());
    EXPECT_EQ(image.pixel(selected.bottomRight()), systemcolors::ButtonHighlight().rgb());
    EXPECT_EQ(image.pixel(plain.right() - 20, plain.top() + 3), window);
    // The white text starts 26 pixels in.
    int firstWhite = -1;
    for (int x = selected.left() + 1; x < selected.right() && firstWhite < 0; ++x)
        for (int y = selected.top() + 2; y < selected.bottom() - 1; ++y)
            if (qGray(image.pixel(x, y)) > 200) {
                firstWhite = x - selected.left();
                break;
            }
    EXPECT_GE(firstWhite, CTrayMenuStyle::kTextLeft);
    EXPECT_LE(firstWhite, CTrayMenuStyle::kTextLeft + 3);
    // The 16 x 16 icon sits 4 pixels in, nothing left of it.
    const int middle = plain.top() + plain.height() / 2;
    bool iconDrawn = false;
    for (int x = plain.left() + 4; x < plain.left() + 20; ++x)
        iconDrawn |= image.pixel(x, middle) != window;
    EXPECT_TRUE(iconDrawn);
    EXPECT_EQ(image.pixel(plain.left() + 2, middle), window);
}

TEST_F(TrayMenuTest, ItemsAreAtLeastTwentyHighAndSeparatorsFive) {
    m_menu->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_menu.get()));
    const QFontMetrics metrics(m_menu->font());
    for (QAction* action : m_menu->actions()) {
        const QRect rect = m_menu->actionGeometry(action);
        if (action->isSeparator())
            EXPECT_EQ(rect.height(), CTrayMenuStyle::kSeparatorHeight);
        else
            EXPECT_EQ(rect.height(), CTrayMenuStyle::ItemHeight(metrics));
        EXPECT_GE(rect.width(),
                  CTrayMenuStyle::ItemWidth(metrics, QStringLiteral("Calendar"), false));
    }
    m_menu->hide();
    EXPECT_EQ(CTrayMenuStyle::ItemHeight(QFontMetrics(QFont(QStringLiteral("Sans"), 4))), 20);
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));
    EXPECT_EQ(CTrayMenuStyle::ItemWidth(metrics, QStringLiteral("Data"), true),
              CTrayMenuStyle::kCheckColumn + 4 * w + CTrayMenuStyle::kArrowColumn);
}

TEST_F(TrayMenuTest, RightClickOnTheIconOpensTheMenu) {
    bool opened = false;
    QTimer::singleShot(100, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    m_tray.Dispatcher().IconRightClicked();
    QTest::qWait(300);
    EXPECT_TRUE(opened);
}

TEST_F(TrayMenuTest, ContentsOpensTheManualAndHomePageTheAddress) {
    CUrlCatcher catcher;
    ASSERT_TRUE(QFileInfo::exists(CTrayCommands::ManualPath()))
        << CTrayCommands::ManualPath().toStdString();
    m_tray.Commands().Action(kCmdContents)->trigger();
    m_tray.Commands().Action(kCmdHomePage)->trigger();
    QTest::qWait(20);
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(CTrayCommands::ManualPath()));
    EXPECT_EQ(catcher.urls[1], QUrl(QStringLiteral("https://orrindale.example.org/")));
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST(AboutDlgTest, ShowsNameAndVersion) {
    CAboutDlg about;
    EXPECT_EQ(CAboutDlg::NameText(), "Orrindale");
    EXPECT_EQ(CAboutDlg::VersionText(), "Version 1.50");
    ASSERT_NE(about.findChild<QLabel*>(QStringLiteral("version")), nullptr);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("version"))->text(), "Version 1.50");
    EXPECT_EQ(about.windowTitle(), "About");
}

TEST(LogoDlgTest, IsTheRightSizeAndClosesOnTheSecondTick) {
    CLogoDlg logo;
    EXPECT_EQ(logo.size(), QSize(264, 143));
    logo.show();
    logo.Tick();
    EXPECT_TRUE(logo.isVisible());
    logo.Tick();
    EXPECT_FALSE(logo.isVisible());
    EXPECT_EQ(logo.result(), QDialog::Accepted);
}

TEST(LogoDlgTest, WritesTheVersionInBlackFromTheMiddleFortyEightAboveTheBottom) {
    EXPECT_EQ(CLogoDlg::VersionText(), "Version1.50");
    CLogoDlg logo;
    EXPECT_EQ(logo.VersionPosition(), QPoint(132, 95));
    const QImage drawn = logo.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = resources::Picture(resources::kImageLogo)
                               .scaled(logo.size())
                               .convertToFormat(QImage::Format_RGB32);
    int darkened = 0;
    bool outside = false;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) == picture.pixel(x, y)) continue;
            if (x < 131 || y < 94) outside = true;
            if (qGray(drawn.pixel(x, y)) < qGray(picture.pixel(x, y))) ++darkened;
        }
    EXPECT_FALSE(outside) << "the picture is untouched left of and above the text";
    EXPECT_GT(darkened, 40) << "the text is there, darker than the picture";
}

} // namespace
