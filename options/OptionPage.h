#pragma once
// One page of the options sheet. The sheet shows a page with Enter (the
// first time, the page fills itself and counts as opened) and asks Leave
// before another page is shown or the sheet is confirmed: a page whose
// fields do not read keeps the focus.

#include <QWidget>

class COptionPage : public QWidget {
    Q_OBJECT
public:
    explicit COptionPage(QWidget* parent = nullptr) : QWidget(parent) {}

    // The page is about to be shown.
    virtual void Enter() {}
    // Reads the fields into the page's values; false (after telling the
    // user) when one is out of range.
    virtual bool Leave() { return true; }
};
