#include "views/MainWndButtons.h"

#include "res/Resources.h"
#include "res/StringTable.h"
#include "views/ButtonShapes.h"
#include "views/MainWndCommands.h"
#include "views/RegionButton.h"

#include <QWidget>

namespace {

constexpr int kArrows[] = {kMainBack, kMainForward, kMainForwardYear, kMainBackYear};
constexpr int kFilters[] = {kMainFilterToday, kMainFilterWeek, kMainFilterMonth, kMainFilterAll};
const char* const kFilterCaptions[] = {"Today", "This Week", "This Month", "ALL"};
// Buttons that wear the toolbar texture; all others wear the window texture.
constexpr int kToolbarTextured[] = {kMainClose,      kMainMaximize,    kMainFilterToday,
                                    kMainFilterWeek, kMainFilterMonth, kMainFilterAll};
constexpr COLORREF kFace = RGB(192, 192, 192);

CRegionButton::ShapeAt MaximizeShape(bool zoomed) {
    return [zoomed](qreal scale) { return buttonshapes::Maximize(zoomed, scale); };
}

bool WearsToolbarTexture(int id) {
    return std::find(std::begin(kToolbarTextured), std::end(kToolbarTextured), id) !=
           std::end(kToolbarTextured);
}

QString Tip(int id) {
    return QString::fromStdString(LoadString(id));
}

} // namespace

CMainWndButtons::CMainWndButtons(QWidget* parent, const CPicture* windowTexture,
                                 const CPicture* toolbarTexture, int filterWidth)
    : QObject(parent) {
    using namespace buttonshapes;
    const QSize toolbarSize(CFrameLayout::kToolbarButtonSize, CFrameLayout::kToolbarButtonSize);
    for (std::size_t i = 0; i < std::size(kToolbarCommands); ++i) {
        const unsigned bitmap = resources::kToolbarBitmaps[i];
        Add(
            kToolbarCommands[i], [bitmap](qreal scale) { return Toolbar(bitmap, scale); },
            windowTexture, toolbarSize);
    }
    const QSize frameSize(CFrameLayout::kFrameButtonSize, CFrameLayout::kFrameButtonSize);
    Add(kMainClose, Close, toolbarTexture, frameSize);
    Add(kMainMaximize, MaximizeShape(false), toolbarTexture, frameSize);
    // The cross and the window frames are thin: a click between their
    // strokes, where one aims, still presses them. The glyph alone is drawn.
    Button(kMainClose)->SetClickableWhole(true);
    Button(kMainMaximize)->SetClickableWhole(true);
    for (const bool forward : {false, true}) {
        Add(
            forward ? kMainForward : kMainBack,
            [forward](qreal scale) { return Arrow(forward, scale); }, windowTexture, QSize(16, 30));
        Add(
            forward ? kMainForwardYear : kMainBackYear,
            [forward](qreal scale) { return DoubleArrow(forward, scale); }, windowTexture,
            QSize(23, 29));
    }
    const QSize filterSize(filterWidth, CFrameLayout::kFilterHeight);
    for (std::size_t i = 0; i < std::size(kFilters); ++i) {
        CRegionButton* filter = Add(
            kFilters[i],
            [filterSize](qreal scale) {
                return Rectangle(filterSize.width(), filterSize.height(), scale);
            },
            toolbarTexture, filterSize, kFilterCaptions[i]);
        filter->SetFramedText(false);
    }
}

CRegionButton* CMainWndButtons::Add(int id, std::function<QRegion(qreal)> shape,
                                    const CPicture* texture, QSize size, const QString& caption) {
    auto* button = new CRegionButton;
    button->Create(CHoverButton::HoverHighlight, std::move(shape), static_cast<QWidget*>(parent()),
                   id, kFace, texture, size.width(), size.height(), caption);
    // Enter in the window must not press whichever button has the focus.
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(Tip(id));
    connect(button, &CRegionButton::command, this, &CMainWndButtons::command);
    m_buttons[id] = button;
    return button;
}

CRegionButton* CMainWndButtons::Button(int id) const {
    const auto found = m_buttons.find(id);
    return found == m_buttons.end() ? nullptr : found->second;
}

void CMainWndButtons::Place(const CFrameLayout& layout) {
    for (std::size_t i = 0; i < std::size(kToolbarCommands); ++i)
        Button(kToolbarCommands[i])->move(layout.toolbar[i].topLeft());
    Button(kMainClose)->move(layout.close.topLeft());
    Button(kMainMaximize)->move(layout.maximize.topLeft());
    Button(kMainBack)->move(layout.back.topLeft());
    Button(kMainForward)->move(layout.forward.topLeft());
    Button(kMainBackYear)->move(layout.backYear.topLeft());
    Button(kMainForwardYear)->move(layout.forwardYear.topLeft());
    for (std::size_t i = 0; i < std::size(kFilters); ++i)
        Button(kFilters[i])->move(layout.filters[i].topLeft());
}

void CMainWndButtons::ShowSetFor(bool calendar) {
    for (const int id : kArrows)
        Button(id)->setVisible(calendar);
    for (const int id : kFilters)
        Button(id)->setVisible(!calendar);
}

void CMainWndButtons::SetMonthMode(bool month) {
    for (const int id : kArrows)
        Button(id)->setToolTip(Tip(NavigationTipId(id, month)));
}

void CMainWndButtons::SetZoomed(bool zoomed) {
    Button(kMainMaximize)->SetShape(MaximizeShape(zoomed));
}

void CMainWndButtons::SetTextures(const CPicture* windowTexture, const CPicture* toolbarTexture) {
    for (const auto& [id, button] : m_buttons)
        button->SetTexture(WearsToolbarTexture(id) ? toolbarTexture : windowTexture);
}

void CMainWndButtons::SetFilterTextColor(COLORREF color) {
    for (const int id : kFilters)
        Button(id)->SetTextColor(color);
}

void CMainWndButtons::LatchFilter(int filter) {
    const int pressed = CommandOfFilter(filter);
    for (const int id : kFilters)
        Button(id)->SetLatch(id == pressed);
}
