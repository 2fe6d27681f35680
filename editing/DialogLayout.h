#pragma once
// Small helpers the program's dialogs share: a control named for tests and
// tips, and a row of controls kept at their natural widths.

#include <QHBoxLayout>
#include <QString>
#include <QWidget>

#include <initializer_list>

class CDialogLayout {
public:
    // Gives widget its object name and returns it.
    template <typename Widget> static Widget* Named(Widget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    }
    // A row of the widgets from the left, the rest of the width left empty.
    static QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);
};
