// The message box on screen shows the caption, text, icon and buttons the
// logic asked for, and hands back the button the user pressed.
#include "shell/WidgetMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Seen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows a box and presses the given button (or Escape) as soon as it is up.
CMessageBox::Answer ShowAndPress(CMessageBox::Icon icon, CMessageBox::Buttons buttons,
                                 QMessageBox::StandardButton press, Seen& seen) {
    std::function<void()> answer;
    answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (press == QMessageBox::NoButton)
            box->reject();
        else
            box->button(press)->click();
    };
    QTimer::singleShot(10, answer);
    CWidgetMessageBox widgetBox;
    return widgetBox.Show("Replace current data, continue?", "Warning", icon, buttons);
}

TEST(WidgetMessageBoxTest, ShowsWhatWasAskedAndReturnsThePressedButton) {
    Seen seen;
    EXPECT_EQ(
        ShowAndPress(CMessageBox::kIconWarning, CMessageBox::kButtonsYesNo, QMessageBox::Yes, seen),
        CMessageBox::kAnswerYes);
    EXPECT_EQ(seen.caption, "Warning");
    EXPECT_EQ(seen.text, "Replace current data, continue?");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(
        ShowAndPress(CMessageBox::kIconWarning, CMessageBox::kButtonsYesNo, QMessageBox::No, seen),
        CMessageBox::kAnswerNo);
}

TEST(WidgetMessageBoxTest, EachButtonSetAndIconComesThrough) {
    Seen seen;
    EXPECT_EQ(ShowAndPress(CMessageBox::kIconStop, CMessageBox::kButtonsOk, QMessageBox::Ok, seen),
              CMessageBox::kAnswerOk);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(ShowAndPress(CMessageBox::kIconQuestion, CMessageBox::kButtonsYesNoCancel,
                           QMessageBox::Cancel, seen),
              CMessageBox::kAnswerCancel);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(ShowAndPress(CMessageBox::kIconInformation, CMessageBox::kButtonsOkCancel,
                           QMessageBox::Ok, seen),
              CMessageBox::kAnswerOk);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
}

TEST(WidgetMessageBoxTest, ClosingWithoutAChoiceIsTheEscapeAnswer) {
    Seen seen;
    EXPECT_EQ(ShowAndPress(CMessageBox::kIconNone, CMessageBox::kButtonsYesNo,
                           QMessageBox::NoButton, seen),
              CMessageBox::kAnswerNo);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

} // namespace
