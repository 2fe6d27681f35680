#pragma once
// CMonthListPopup: the list of months that drops down from the calendar's
// month title. Choosing a month, or clicking anywhere else, closes it and
// tells the owner once (reported(1) with ChosenData(), or reported(0)); the
// owner then deletes it with deleteLater().

#include "views/MonthList.h"

#include <QFrame>

class QListWidget;

class CMonthListPopup : public QFrame {
    Q_OBJECT
public:
    // The list's mode for months, the only one the calendar uses.
    static constexpr int kMonthMode = 7;
    // The list's control number.
    static constexpr int kListID = 1155;

    explicit CMonthListPopup(QWidget* owner);

    // Opens at the screen point listing months up to the current year + 9,
    // with the given month selected. False for a mode other than months.
    bool Create(const QPoint& screenPos, int mode, int year, int month);
    // The item data of the chosen month, -1 until one is chosen.
    int ChosenData() const { return m_choice.ChosenData(); }
    bool IsDone() const { return m_choice.Done(); }
    QListWidget* List() const { return m_pList; }

signals:
    // 1: a month was chosen; 0: the list was dismissed.
    void reported(int chosen);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void OnCurrentRowChanged(int row);

    QWidget* m_pOwner;
    QListWidget* m_pList;
    CMonthListChoice m_choice;
};
