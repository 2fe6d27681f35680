#pragma once
// CSortHeaderCtrl: the column header of the notes list, painted on the
// list's colour or picture, with a small triangle on the sort column that
// points down for a descending sort.

#include "zadad/Picture.h"
#include "zadad/WinTypes.h"

#include <QHeaderView>
#include <string>

class CSortHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit CSortHeaderCtrl(QWidget* parent = nullptr);

    // A picture file (empty: none) drawn behind the items, and the colour
    // used without one.
    void SetBackground(const std::string& pictureFile, COLORREF color);
    // Marks the column (-1: none) and the direction.
    void SetSortMark(int column, bool descending);
    int SortColumn() const { return m_nSortColumn; }
    bool SortDescending() const { return m_bDescending; }
    QString ItemText(int index) const;
    int ItemWidth(int index) const { return sectionSize(index); }
    void SetItemWidth(int index, int width) { resizeSection(index, width); }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor TextColorOver(QPainter* painter, const QRect& inner) const;

    COLORREF m_crBackground;
    std::string m_strPicture;
    CPicture m_picture;
    int m_nSortColumn = -1;
    bool m_bDescending = false;
};
