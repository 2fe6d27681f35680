#pragma once
// The order in which Tab walks the controls of a dialog or a page: the order
// the eye reads them, top to bottom and left to right, the text field last
// before the buttons. A disabled control is passed over while it is disabled
// and takes its place in the walk again once it is enabled.

#include <initializer_list>

class QWidget;

class CTabOrder {
public:
    // Tab goes from each control to the next in the list. A button box
    // stands for all its buttons, in the order it shows them.
    static void Set(std::initializer_list<QWidget*> controls);
};
