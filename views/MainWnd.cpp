#include "views/MainWnd.h"

#include "res/Resources.h"
#include "res/StringTable.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "views/CalendarActions.h"
#include "views/CalendarPane.h"
#include "views/CalendarPrinter.h"
#include "views/MainWndButtons.h"
#include "views/MainWndCommands.h"
#include "views/MonthChoice.h"
#include "views/MonthListPopup.h"
#include "views/NoteListWnd.h"
#include "views/RegionButton.h"
#include "views/ViewColors.h"
#include "views/WindowPlacement.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int kCategoryLabel = 114;
constexpr int kHistoryLabel = 32783;
constexpr int kRecurrenceLabel = 105;
constexpr int kAllCategories = 0;
// A frame text colour this dark or darker calls for light text.
constexpr int kDarkToolbar = 70;
constexpr int kLabelGap = 6;
constexpr int kFilterPadding = 12;
// The category box follows its longest name, within reason: a longer name
// shows whole in the drop-down list.
constexpr int kBoxMinWidth = 100;
constexpr int kBoxMaxWidth = 200;
// The bottom strip is a text line and this much more.
constexpr int kStripExtra = 17;

// A check box whose label the frame paints: the label's place counts as
// part of the box, so a click on the word ticks it.
class CFrameCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

void LoadTexture(CPicture& picture, const std::string& file, unsigned imageID) {
    if (file.empty())
        picture.Load(imageID);
    else
        picture.Load(file);
}

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

int WidestMonthTitle(const QFontMetrics& metrics) {
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        widest = std::max(
            widest, metrics.horizontalAdvance(QString::fromStdString(MonthTitle(2000, month))));
    return widest;
}

int WidestAlmanacLine(const QFontMetrics& metrics) {
    const std::string format = CUtility::GetLocalTimeFormat(0);
    int widestTime = 0;
    for (const int hour : {10, 12, 22, 23}) {
        const COleDateTime time(2000, 1, 1, hour, 59, 0);
        widestTime = std::max(widestTime, metrics.horizontalAdvance(
                                              QString::fromStdString(time.Format(format.c_str()))));
    }
    const int text = metrics.horizontalAdvance(QStringLiteral("366 day / 53 week"));
    return AlmanacLineWidth(text, widestTime, widestTime);
}

} // namespace

CMainWnd::CMainWnd(CCalendarData& data, CCalendarActions& actions, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), m_data(data), m_actions(actions),
      m_mouse(*this) {
    setWindowTitle(QStringLiteral("Orrindale"));
    setWindowIcon(resources::Icon(resources::kIconProgram));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every opening shows all categories.
    m_data.m_nCategoryFilter = kAllCategories;
    LoadTextures();
    ApplyColors();
    CreateControls();
    CreatePane();
    CreateList();
    Measure();
    m_pButtons =
        new CMainWndButtons(this, &m_windowTexture, &m_toolbarTexture, m_measures.filterWidth);
    connect(m_pButtons, &CMainWndButtons::command, this, &CMainWnd::RunCommand);
    m_pButtons->SetFilterTextColor(m_look.frameText);
    m_pButtons->LatchFilter(m_data.m_nListFilter);
    m_pButtons->SetMonthMode(m_pPane->IsMonthMode());
    SwitchView(m_data.m_bCalendarView != 0);
    PlaceOnScreen();
    LayOut();
    UpdateAlmanac(m_pPane->SelectedDate());
}

CMainWnd::~CMainWnd() = default;

void CMainWnd::CreateControls() {
    m_pCategory = new QComboBox(this);
    m_pCategory->setObjectName(QString::number(kMainCategoryBox));
    m_pCategory->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FillCategories();
    connect(m_pCategory, &QComboBox::activated, this, &CMainWnd::OnCategoryChosen);
    m_pHistory = new CFrameCheckBox(this);
    m_pHistory->setObjectName(QString::number(kMainHistory));
    m_pHistory->setAccessibleName(Text(kHistoryLabel));
    m_pHistory->setChecked(g_bShowHistory);
    connect(m_pHistory, &QCheckBox::clicked, this, [this] { RunCommand(kMainHistory); });
    m_pRecurrence = new CFrameCheckBox(this);
    m_pRecurrence->setObjectName(QString::number(kMainRecurrence));
    m_pRecurrence->setAccessibleName(Text(kRecurrenceLabel));
    m_pRecurrence->setChecked(m_data.m_bShowRecurrence);
    connect(m_pRecurrence, &QCheckBox::clicked, this, [this] { RunCommand(kMainRecurrence); });
}

void CMainWnd::CreatePane() {
    m_pPane = new CalendarPane(m_data, m_actions, this);
    connect(m_pPane, &CalendarPane::SelectedDateChanged, this, &CMainWnd::UpdateAlmanac);
    connect(m_pPane, &CalendarPane::PeriodChanged, this, &CMainWnd::DrawMonthTitle);
}

void CMainWnd::FillCategories() {
    m_pCategory->clear();
    m_pCategory->addItem(QStringLiteral("All"), kAllCategories);
    for (const CCategory& category : m_data.m_arrCategories)
        if (category.m_nID != kAllCategories)
            m_pCategory->addItem(QString::fromStdString(category.m_strName), category.m_nID);
    m_pCategory->setCurrentIndex(0);
    m_data.m_nCategoryFilter = kAllCategories;
}

void CMainWnd::LoadTextures() {
    LoadTexture(m_windowTexture, m_data.m_strWindowTexture, resources::kImageWindowTexture);
    LoadTexture(m_toolbarTexture, m_data.m_strToolbarTexture, resources::kImageToolbarTexture);
    m_look.windowTexture = &m_windowTexture;
    m_look.toolbarTexture = &m_toolbarTexture;
}

void CMainWnd::ApplyColors() {
    const QPalette& palette = QApplication::palette();
    const bool dark = CUtility::GetBrightness(g_crNoteBackDefault) <= kDarkToolbar;
    m_look.frameText =
        FromQColor(dark ? palette.highlightedText().color() : palette.windowText().color());
    m_look.page = CurrentViewColors(m_data.m_crText).page;
    m_look.labelFont = font();
    m_look.checkIndicatorWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth);
}

void CMainWnd::Measure() {
    const QFontMetrics metrics(m_look.labelFont);
    const auto width = [&](int id) { return metrics.horizontalAdvance(Text(id)); };
    CFrameMeasures& m = m_measures;
    m.labelWidth = width(kCategoryLabel) + kLabelGap;
    const QSize box = m_pCategory->sizeHint();
    m.boxWidth = std::clamp(box.width(), kBoxMinWidth, kBoxMaxWidth);
    m.boxHeight = box.height();
    m.checkWidth = m_look.checkIndicatorWidth + kLabelGap +
                   std::max(width(kHistoryLabel), width(kRecurrenceLabel));
    m.checkHeight = std::max(style()->pixelMetric(QStyle::PM_IndicatorHeight), metrics.height());
    m.filterWidth = metrics.horizontalAdvance(QStringLiteral(" This Month ")) + kFilterPadding;
    m.stripHeight =
        std::max(metrics.height(), static_cast<int>(CAlmanacLayout::kPictureSize)) + kStripExtra;
    const QFontMetrics title(CFramePainter::TitleFont());
    m.titleWidth = WidestMonthTitle(title);
    m.titleHeight = title.height();
    m.almanacWidth = WidestAlmanacLine(metrics);
    m_pCategory->view()->setMinimumWidth(box.width());
    setMinimumSize(MinimumFrameWidth(m), CFrameLayout::kMinimumHeight);
}

void CMainWnd::PlaceOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    setGeometry(OpeningGeometry(m_data.m_rcMainWindow, kDefaultSize, minimumSize(), available));
}

void CMainWnd::LayOut() {
    m_layout = LayOutFrame(size(), m_measures);
    m_frame = QImage();
    m_pButtons->Place(m_layout);
    m_pCategory->setGeometry(m_layout.categoryBox);
    m_pHistory->setGeometry(m_layout.history);
    m_pRecurrence->setGeometry(m_layout.recurrence);
    m_pPane->setGeometry(m_layout.view);
    m_pList->setGeometry(m_layout.view);
    update();
}

CRegionButton* CMainWnd::Button(int id) const {
    return m_pButtons->Button(id);
}

void CMainWnd::RunCommand(int id) {
    if (const int note = NoteCommandOf(id)) {
        RunNoteCommand(note);
        return;
    }
    if (NavigationStep(id, true) != 0) {
        MoveBy(id);
        return;
    }
    switch (id) {
    case kMainMaximize:
        ToggleZoom();
        break;
    case kMainClose:
        accept();
        break;
    case kMainWeekView:
        SetMonthMode(false);
        break;
    case kMainMonthView:
        SetMonthMode(true);
        break;
    case kMainListView:
        SwitchView(false);
        break;
    case kMainFilterToday:
    case kMainFilterWeek:
    case kMainFilterMonth:
    case kMainFilterAll:
        SetListFilter(id);
        break;
    case kMainPrint:
        CCalendarPrinter::Print(*m_pPane, this);
        break;
    case kMainOptions:
        RunOptions();
        break;
    case kMainHomePage:
        m_actions.OpenHomePage();
        break;
    case kMainHelp:
        m_actions.OpenHelp();
        break;
    case kMainHistory:
        g_bShowHistory = m_pHistory->isChecked();
        RefreshViews();
        break;
    case kMainRecurrence:
        m_data.m_bShowRecurrence = m_pRecurrence->isChecked();
        RefreshViews();
        break;
    default:
        break;
    }
}

void CMainWnd::SetMonthMode(bool month) {
    m_pPane->SetMode(month);
    m_pButtons->SetMonthMode(month);
    SwitchView(true);
}

void CMainWnd::MoveBy(int command) {
    m_pPane->Move(NavigationStep(command, m_pPane->IsMonthMode()));
    DrawMonthTitle();
}

void CMainWnd::RefreshViews() {
    m_pPane->Refresh(false);
    m_pList->Refill();
    DrawMonthTitle();
}

void CMainWnd::NotesChangedElsewhere() {
    m_pPane->Refresh(true);
    m_pList->Refill();
}

void CMainWnd::OnCategoryChosen(int index) {
    m_data.m_nCategoryFilter = m_pCategory->itemData(index).toInt();
    RefreshCurrentView();
}

void CMainWnd::RunOptions() {
    // After OK the notes the calendar shows are gone (the data file was read
    // again); it must not draw them before it has read the new ones.
    m_pPane->setUpdatesEnabled(false);
    if (m_actions.RunOptions(this)) ApplyOptions();
    m_pPane->setUpdatesEnabled(true);
}

void CMainWnd::ApplyOptions() {
    // The data file was written and read again: categories, textures and
    // colours may all be new, and every note is a new object.
    FillCategories();
    LoadTextures();
    ApplyColors();
    m_pButtons->SetTextures(&m_windowTexture, &m_toolbarTexture);
    m_pButtons->SetFilterTextColor(m_look.frameText);
    Measure();
    LayOut();
    RefreshViews();
}

void CMainWnd::UpdateAlmanac(const COleDateTime& date) {
    m_almanac = MakeAlmanacLine(date, AlmanacLocationOf(m_data));
    update(m_layout.almanac);
}

bool CMainWnd::ShowsSunTimes() const {
    return g_bShowSunInfo && !m_almanac.sunrise.empty() && !m_almanac.sunset.empty();
}

void CMainWnd::DrawMonthTitle() {
    update(m_layout.title);
}

QString CMainWnd::MonthTitleText() const {
    if (!m_pPane || !m_pPane->isVisibleTo(this)) return QString();
    return QString::fromStdString(MonthTitle(m_pPane->ShownYear(), m_pPane->ShownMonth()));
}

QRect CMainWnd::DropMarkRect() const {
    const QString text = MonthTitleText();
    if (text.isEmpty()) return QRect();
    return CFramePainter::MonthTitleGeometry(m_layout.title, text).mark;
}

void CMainWnd::ToggleZoom() {
    if (m_bZoomed) {
        m_bZoomed = false;
        setGeometry(m_rcRestore);
    } else {
        QScreen* screen = this->screen();
        if (!screen) return;
        m_rcRestore = geometry();
        m_bZoomed = true;
        setGeometry(screen->availableGeometry());
    }
    m_pButtons->SetZoomed(m_bZoomed);
    m_look.resizable = !m_bZoomed;
    m_frame = QImage();
    update();
}

CMonthListPopup* CMainWnd::MonthList() const {
    return m_pMonthList;
}

void CMainWnd::OpenMonthList(int x) {
    if (m_pMonthList) return;
    m_pMonthList = new CMonthListPopup(this);
    connect(m_pMonthList, &CMonthListPopup::reported, this, &CMainWnd::OnMonthChosen);
    m_pMonthList->Create(mapToGlobal(QPoint(x, m_layout.title.bottom() + 2)),
                         CMonthListPopup::kMonthMode, m_pPane->ShownYear(), m_pPane->ShownMonth());
}

void CMainWnd::OnMonthChosen(int chosen) {
    CMonthListPopup* popup = m_pMonthList;
    m_pMonthList = nullptr;
    if (chosen == 1 && popup) {
        const CMonthChoice choice = MonthOfListData(popup->ChosenData());
        if (m_pPane->IsMonthMode())
            m_pPane->SetDate(choice.year, choice.month, false);
        else
            m_pPane->SetDate(WeekModeDate(m_pPane->FirstShownDay(), choice), false);
    }
    update();
    if (popup) popup->deleteLater();
}

void CMainWnd::done(int result) {
    // A maximized window keeps the size it returns to.
    m_data.m_rcMainWindow = WindowRectToSave(m_bZoomed ? m_rcRestore : geometry());
    if (m_pMonthList) m_pMonthList->hide();
    QDialog::done(result);
}

void CMainWnd::paintEvent(QPaintEvent* /*event*/) {
    if (m_frame.size() != size()) m_frame = CFramePainter::PaintFrame(size(), m_layout, m_look);
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
    CFramePainter::PaintMonthTitle(painter, m_layout.title, MonthTitleText(), m_look.page,
                                   m_data.m_crText);
    CFramePainter::PaintAlmanac(painter, m_layout.almanac, m_almanac, g_bShowSunInfo, m_look);
}

void CMainWnd::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_pButtons) LayOut();
}

void CMainWnd::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool onMark = DropMarkRect().contains(pos);
    if (onMark && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        OpenMonthList(pos.x());
        return;
    }
    if (event->button() == Qt::LeftButton &&
        m_mouse.Press(*event, HitTestFrame(pos, size(), m_layout.caption, m_bZoomed)))
        return;
    QDialog::mousePressEvent(event);
}

void CMainWnd::mouseMoveEvent(QMouseEvent* event) {
    if (m_mouse.Move(*event)) return;
    if (event->buttons() == Qt::NoButton)
        setCursor(CFrameMouse::CursorFor(
            HitTestFrame(event->position().toPoint(), size(), m_layout.caption, m_bZoomed)));
    QDialog::mouseMoveEvent(event);
}

void CMainWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (m_mouse.Release(*event)) return;
    QDialog::mouseReleaseEvent(event);
}

void CMainWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton) return;
    if (m_layout.title.contains(pos) && !MonthTitleText().isEmpty()) {
        m_pPane->GoToDate(COleDateTime::GetCurrentTime());
        update();
        return;
    }
    // The caption maximizes and restores, whether or not it moves the window.
    if (m_layout.caption.contains(pos)) ToggleZoom();
}

void CMainWnd::wheelEvent(QWheelEvent* event) {
    if (!m_pPane->isVisible()) return;
    const QPointF pos = m_pPane->mapFrom(this, event->position());
    QWheelEvent forwarded(pos, event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                          event->buttons(), event->modifiers(), event->phase(), event->inverted());
    QCoreApplication::sendEvent(m_pPane, &forwarded);
}
