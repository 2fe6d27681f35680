#pragma once
// Walks a window's controls with Tab as a keyboard user does and tells the
// name a screen reader says for each control reached.

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

// The name given to the control, else the one its accessibility interface
// makes up (a button's or a box's own text, a tab's caption).
inline QString SpokenName(QWidget* control) {
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    return access ? access->text(QAccessible::Name) : QString();
}

// From first, Tab after Tab until the focus comes back to it. A control that
// keeps the focus for several presses (the parts of a date) counts once; a
// control that never lets go ends the walk.
inline std::vector<std::string> TabWalk(QWidget* first) {
    constexpr int kMaxPresses = 100;
    QWidget* const window = first->window();
    first->setFocus(Qt::TabFocusReason);
    std::vector<std::string> names;
    QWidget* last = nullptr;
    for (int press = 0; press < kMaxPresses; ++press) {
        QWidget* focus = window->focusWidget();
        if (!focus || (focus == first && last && last != first)) break;
        if (focus != last) names.push_back(SpokenName(focus).toStdString());
        last = focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}
