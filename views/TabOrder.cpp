#include "views/TabOrder.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QWidget>

#include <vector>

namespace {

// The buttons of a box in the order it shows them: the box chains them so
// itself, from its focus proxy on, and the order differs between desktops.
void AppendButtons(QDialogButtonBox* box, std::vector<QWidget*>& chain) {
    QWidget* const first = box->focusProxy();
    if (!first) {
        for (QAbstractButton* button : box->buttons())
            chain.push_back(button);
        return;
    }
    QWidget* widget = first;
    do {
        if (qobject_cast<QAbstractButton*>(widget) && box->isAncestorOf(widget))
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget && widget != first);
}

} // namespace

void CTabOrder::Set(std::initializer_list<QWidget*> controls) {
    std::vector<QWidget*> chain;
    for (QWidget* control : controls) {
        if (auto* box = qobject_cast<QDialogButtonBox*>(control))
            AppendButtons(box, chain);
        else if (control)
            chain.push_back(control);
    }
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}
