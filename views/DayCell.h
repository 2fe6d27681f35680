#pragma once
// CDayCell: one day of the calendar grid. It holds the items of its day,
// draws its heading, the Moon's phase and as many items as fit into its
// rectangle, remembers where each item went so that the pane can find the
// note under the mouse, and scrolls when the items do not all fit. The same
// drawing serves the screen and the printer.

#include "views/CellLayout.h"
#include "views/DayCellItems.h"
#include "views/ViewColors.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QTextLayout>

#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;

// How the cells of one drawing look: on screen, or black on white for a printer.
struct CCellLook {
    CViewColors colors{};
    bool bMonthGrid = true;
    int nShownMonth = 1;
    COleDateTime today;
    bool bPrinting = false;
    // Device pixels to a screen pixel: more than 1 on a printer, so that
    // gaps and lines keep their size on paper.
    int nScale = 1;
    QFont headingFont;
    QFont itemFont;
    QColor highlight; // the selected item's background
    // The note icons by icon index (resources::kNoteIconCount of them), or none.
    const QPixmap* icons = nullptr;
};

class CDayCell {
public:
    // Fills in an item when the cell first shows it.
    using Describer = std::function<void(CDayCellItem&)>;

    // A new day: no items, no moon, scrolled to the top.
    void Reset(const COleDateTime& day);
    void SetItems(std::vector<CDayCellItem> items, Describer describe);
    // -1 none, else the phase index of the Moon's phase on this day.
    void SetMoonPhase(int phase) { m_nMoonPhase = phase; }

    const COleDateTime& Day() const { return m_dtDay; }
    int MoonPhase() const { return m_nMoonPhase; }
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    // The item, described by now, and only its note's ID.
    const CDayCellItem& Item(int index) const;
    WORD ItemNote(int index) const { return m_items.at(static_cast<std::size_t>(index)).wNoteID; }

    // Lays the cell out in rect as the screen shows it; the mouse works on
    // this layout until the next one.
    void LayOut(const QRect& rect, const CCellLook& look);
    bool IsLaidOut() const { return m_bLaidOut; }
    void Invalidate() { m_bLaidOut = false; }
    // Draws the cell as last laid out.
    void Draw(QPainter& painter, const CCellLook& look, bool selected, int selectedItem) const;
    // Draws the cell into rect on the painter's device (a printer) without
    // touching the screen's layout; the scroll position still decides
    // which items come first.
    void DrawInto(QPainter& painter, const QRect& rect, const CCellLook& look, bool selected,
                  int selectedItem) const;

    QRect Rect() const { return m_frame.rect; }
    QRect ItemArea() const { return m_frame.itemArea; }
    const CItemPlacement& Placement() const { return m_frame.placed; }
    // The item drawn at point, or -1.
    int ItemAt(const QPoint& point) const;
    bool IsCutOff(int item) const;
    // Moves the first shown item by n; true when it changed.
    bool Scroll(int n);

private:
    struct Frame {
        QRect rect;
        QRect heading;
        QRect itemArea;
        CItemPlacement placed;
        // The placed items' texts as measured, drawn as they are.
        std::vector<std::unique_ptr<QTextLayout>> texts;
    };

    Frame Arrange(const QRect& rect, const CCellLook& look, const QPaintDevice* device) const;
    void Paint(QPainter& painter, const Frame& frame, const CCellLook& look, bool selected,
               int selectedItem) const;
    void PaintHeading(QPainter& painter, const Frame& frame, const CCellLook& look,
                      bool selected) const;
    void PaintMoon(QPainter& painter, const QRect& heading, const QColor& color, int scale) const;
    static void PaintMoreMarks(QPainter& painter, const Frame& frame, const QColor& color,
                               int scale);
    void PaintItems(QPainter& painter, const Frame& frame, const CCellLook& look,
                    int selectedItem) const;

    COleDateTime m_dtDay;
    int m_nMoonPhase = -1;
    // Described on first use, also while drawing.
    mutable std::vector<CDayCellItem> m_items;
    Describer m_describe;
    int m_nFirst = 0;
    Frame m_frame;
    bool m_bLaidOut = false;
};
