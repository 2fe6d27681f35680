#include "views/CalendarPane.h"

#include "res/Resources.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/TimeFormats.h"
#include "views/GridGeometry.h"
#include "views/MoonMarks.h"
#include "views/TipWnd.h"
#include "zadad/QtTypes.h"
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <exception>
#include <functional>

namespace {

constexpr COLORREF kPrintWeekdayRow = 0x00F5F5F5;
// The weekday row is this much taller than its font's line.
constexpr int kWeekdayRowPad = 8;
// A printed weekday row is a fifth of 9 points x 10 tall: a quarter inch.
constexpr int kPrintWeekdayTenths = 90;
constexpr int kPrintHeadingPoints = 7;
constexpr int kPrintItemPoints = 6;
constexpr int kPrintWeekdayPoints = 9;
// Lines on a printer are as wide as a screen pixel would be.
constexpr int kScreenDpi = 96;

const char* const kSetWeekFailed = "SetDate(COleDateTime date,BOOL bRestoreSelected)";
const char* const kSetMonthFailed = "SetDate(UINT year, UINT month,BOOL bRestoreSelected)";
const char* const kInitFailed = "CalendarPane::OnInitDialog()";

// A layout that fails half-way is abandoned and named to the user; the
// program goes on with what the pane showed before.
void Guarded(const char* operation, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception&) {
        CMessageBox::Current().Show(operation, kCaptionProgram, CMessageBox::kIconStop,
                                    CMessageBox::kButtonsOk);
    }
}

COleDateTime Today() {
    COleDateTime today = COleDateTime::GetCurrentTime();
    CUtility::GetStartOfDay(today);
    return today;
}

QFont ScreenFont(QFont::Weight weight) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setWeight(weight);
    return font;
}

QFont PrintFont(int points) {
    QFont font("Arial", points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont WeekdayFont(bool printing) {
    return printing ? PrintFont(kPrintWeekdayPoints) : ScreenFont(QFont::DemiBold);
}

} // namespace

CalendarPane::CalendarPane(CCalendarData& data, CCalendarActions& actions, QWidget* parent)
    : QWidget(parent), m_data(data), m_actions(actions), m_pTip(new CTipWnd(this)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_cursors = {QCursor(Qt::ArrowCursor),
                 resources::Cursor(resources::kCursorScrollUp),
                 resources::Cursor(resources::kCursorScrollDown),
                 resources::Cursor(resources::kCursorBack),
                 resources::Cursor(resources::kCursorForward),
                 resources::Cursor(resources::kCursorDragNote)};
    Guarded(kInitFailed, [this] {
        TakeSettings();
        m_grid.SetSelectedDate(Today());
        GoToDate(Today());
    });
}

CalendarPane::~CalendarPane() {
    delete m_pTip;
}

void CalendarPane::TakeSettings() {
    m_bWeekStartsSunday = m_data.m_bWeekStartsSunday != 0;
    // The program's time of day, 12- or 24-hour as the data file says.
    m_strTimeFormat = g_strTimeFormat;
}

void CalendarPane::SetDate(const COleDateTime& date, bool restoreSelected) {
    Guarded(kSetWeekFailed, [&] {
        if (!m_grid.SetWeek(date, restoreSelected)) return;
        m_data.m_bMonthView = 0;
        FillCells(restoreSelected);
    });
}

void CalendarPane::SetDate(int year, int month, bool restoreSelected) {
    Guarded(kSetMonthFailed, [&] {
        if (!m_grid.SetMonth(year, month, m_bWeekStartsSunday, restoreSelected)) return;
        m_data.m_bMonthView = 1;
        FillCells(restoreSelected);
    });
}

void CalendarPane::Move(int n) {
    Guarded(m_grid.IsMonth() ? kSetMonthFailed : kSetWeekFailed, [&] {
        if (m_grid.Move(n, m_bWeekStartsSunday)) FillCells(false);
    });
}

void CalendarPane::Refresh(bool restoreSelected) {
    TakeSettings();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_data.m_bMonthView)
        SetDate(m_grid.Year(), m_grid.Month(), restoreSelected);
    else
        SetDate(m_grid.SelectedDate(), restoreSelected);
    QApplication::restoreOverrideCursor();
}

void CalendarPane::SetMode(bool month) {
    if ((m_data.m_bMonthView != 0) == month) return;
    m_data.m_bMonthView = month ? 1 : 0;
    Refresh(false);
}

void CalendarPane::GoToDate(const COleDateTime& date) {
    if (m_data.m_bMonthView)
        SetDate(date.GetYear(), date.GetMonth(), false);
    else
        SetDate(date, false);
}

bool CalendarPane::IsMonthMode() const {
    return m_grid.IsMonth();
}

int CalendarPane::ShownYear() const {
    return m_grid.Year();
}

int CalendarPane::ShownMonth() const {
    return m_grid.Month();
}

COleDateTime CalendarPane::FirstShownDay() const {
    return m_grid.FirstDay();
}

COleDateTime CalendarPane::SelectedDate() const {
    return m_grid.SelectedDate();
}

void CalendarPane::FillCells(bool restoreSelected) {
    std::vector<std::vector<CNoteOccurrence>> days;
    m_data.FillGrid(days, static_cast<WORD>(m_data.m_nCategoryFilter), m_grid.FirstDay(),
                    m_grid.EndDay());
    const int count = m_grid.CellCount();
    const std::vector<int> moon = GridMoonMarks(m_grid.FirstDay(), count);
    for (int i = 0; i < count; ++i) {
        CDayCell& cell = m_cells[i];
        cell.Reset(m_grid.DayOf(i));
        if (i < static_cast<int>(days.size()))
            cell.SetItems(DayCellEntries(days[i]), [this](CDayCellItem& item) {
                DescribeItem(item, m_data.LookupNote(item.wNoteID), m_strTimeFormat);
            });
        cell.SetMoonPhase(moon[i]);
    }
    if (restoreSelected) {
        FindSelectedItem();
    } else {
        m_wSelectedNote = 0;
        m_nSelectedItem = -1;
    }
    m_rcLaidOut = QRect();
    m_pTip->Hide();
    emit SelectedDateChanged(m_grid.SelectedDate());
    update();
}

// After a refresh the selected note may sit elsewhere in its day, or be gone.
void CalendarPane::FindSelectedItem() {
    m_nSelectedItem = -1;
    const int cell = m_grid.SelectedCell();
    if (m_wSelectedNote == 0 || cell < 0) {
        m_wSelectedNote = 0;
        return;
    }
    const CDayCell& selected = m_cells[cell];
    for (int i = 0; i < selected.ItemCount(); ++i) {
        if (selected.ItemNote(i) == m_wSelectedNote) {
            m_nSelectedItem = i;
            return;
        }
    }
    m_wSelectedNote = 0;
}

CCellLook CalendarPane::MakeLook(bool printing, int scale) const {
    CCellLook look;
    look.colors = CurrentViewColors(m_data.m_crText);
    look.bMonthGrid = m_grid.IsMonth();
    look.nShownMonth = m_grid.Month();
    look.today = Today();
    look.bPrinting = printing;
    look.nScale = scale;
    look.headingFont = printing ? PrintFont(kPrintHeadingPoints) : ScreenFont(QFont::DemiBold);
    look.itemFont = printing ? PrintFont(kPrintItemPoints) : ScreenFont(QFont::Normal);
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlpha(40);
    look.highlight = highlight;
    look.icons = IconsAt(devicePixelRatioF());
    return look;
}

const QPixmap* CalendarPane::IconsAt(qreal scale) const {
    if (m_icons[0].isNull() || m_rIconScale != scale) {
        for (int i = 0; i < resources::kNoteIconCount; ++i)
            m_icons[i] = resources::NoteIcon(i, scale);
        m_rIconScale = scale;
    }
    return m_icons.data();
}

int CalendarPane::WeekdayRowHeight(const QFont& font, const QPaintDevice* device,
                                   bool printing) const {
    const int line = static_cast<int>(std::ceil(QFontMetricsF(font, device).height()));
    if (!printing) return line + kWeekdayRowPad;
    const int quarterInch = kPrintWeekdayTenths * device->logicalDpiY() / 72 / 5;
    return std::max(quarterInch, line + line / 2);
}

// The grid below the weekday row (month) or the whole rectangle (week).
QRect CalendarPane::GridArea(const QRect& rect) const {
    if (!m_grid.IsMonth()) return rect;
    const int row = WeekdayRowHeight(WeekdayFont(false), nullptr, false);
    return rect.adjusted(0, std::min(row, rect.height()), 0, 0);
}

void CalendarPane::LayOutCells(const QRect& rect) {
    const CCellLook look = MakeLook(false, 1);
    const RECT area = ToRect(GridArea(rect));
    const GridLayout layout =
        m_grid.IsMonth() ? MonthGridLayout(area, m_grid.Rows()) : WeekGridLayout(area);
    for (std::size_t i = 0; i < layout.cells.size(); ++i)
        m_cells[i].LayOut(ToQRect(layout.cells[i]), look);
    m_rcLaidOut = rect;
}

void CalendarPane::EnsureLayout() {
    bool laidOut = m_rcLaidOut == rect();
    for (int i = 0; laidOut && i < m_grid.CellCount(); ++i)
        laidOut = m_cells[i].IsLaidOut();
    if (!laidOut) LayOutCells(rect());
}

void CalendarPane::DrawGrid(QPainter& painter, const QRect& rect, bool printing) {
    const int scale = printing ? std::max(1, painter.device()->logicalDpiX() / kScreenDpi) : 1;
    const CCellLook look = MakeLook(printing, scale);
    painter.save();
    painter.fillRect(rect, printing ? QColor(Qt::white) : ToQColor(look.colors.page));
    QRect area = rect;
    if (m_grid.IsMonth()) {
        const QFont font = WeekdayFont(printing);
        // The screen's row is measured as the mouse's layout measures it.
        const int height = WeekdayRowHeight(font, printing ? painter.device() : nullptr, printing);
        const QRect row(rect.left(), rect.top(), rect.width(), std::min(height, rect.height()));
        DrawWeekdayRow(painter, row, look, font);
        area.setTop(row.bottom() + 1);
    }
    const GridLayout layout = m_grid.IsMonth() ? MonthGridLayout(ToRect(area), m_grid.Rows())
                                               : WeekGridLayout(ToRect(area));
    if (!printing && rect == this->rect()) EnsureLayout();
    for (std::size_t i = 0; i < layout.cells.size(); ++i) {
        const int cell = static_cast<int>(i);
        const bool selected = cell == m_grid.SelectedCell();
        const QRect cellRect = ToQRect(layout.cells[i]);
        if (printing || cellRect != m_cells[i].Rect() || !m_cells[i].IsLaidOut())
            m_cells[i].DrawInto(painter, cellRect, look, selected, m_nSelectedItem);
        else
            m_cells[i].Draw(painter, look, selected, m_nSelectedItem);
    }
    const int lineWidth = printing ? std::max(1, painter.device()->logicalDpiX() / kScreenDpi) : 1;
    painter.setPen(QPen(printing ? QColor(Qt::black) : palette().color(QPalette::Highlight),
                        lineWidth, Qt::SolidLine, Qt::FlatCap));
    for (const GridLine& line : layout.lines)
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    painter.restore();
}

void CalendarPane::DrawWeekdayRow(QPainter& painter, const QRect& row, const CCellLook& look,
                                  const QFont& font) const {
    const COLORREF background = look.bPrinting ? kPrintWeekdayRow : look.colors.windowTexture;
    painter.fillRect(row, ToQColor(background));
    const std::vector<RECT> columns = WeekdaySlots(ToRect(row));
    const QFontMetricsF metrics(font, painter.device());
    const auto names =
        WeekdayNames(m_bWeekStartsSunday, columns.front().Width(), [&](const std::string& name) {
            return static_cast<int>(
                std::ceil(metrics.horizontalAdvance(QString::fromStdString(name))));
        });
    painter.setFont(font);
    const QColor separator = look.bPrinting ? QColor(Qt::black) : palette().color(QPalette::Button);
    const QColor text = look.bPrinting ? QColor(Qt::black) : systemcolors::TextOn(background);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const QRect slot = ToQRect(columns[k]);
        painter.setPen(text);
        painter.drawText(slot, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromStdString(names[k]));
        if (k == 0) continue;
        painter.setPen(separator);
        painter.drawLine(slot.left(), row.top() + 2, slot.left(), row.bottom() - 2);
    }
}

void CalendarPane::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawGrid(painter, rect(), false);
}

// The tip is a window of its own: it goes when the pane does (the list view in its place).
void CalendarPane::hideEvent(QHideEvent* event) {
    m_pTip->Hide();
    QWidget::hideEvent(event);
}

void CalendarPane::resizeEvent(QResizeEvent* event) {
    m_rcLaidOut = QRect();
    m_pTip->Hide();
    QWidget::resizeEvent(event);
}
