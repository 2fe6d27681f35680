#include "views/TipWnd.h"

#include "views/TipPlacement.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

CTipWnd::CTipWnd(QWidget* owner)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_pOwner(owner) {
    setWindowTitle("HLTipWnd");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setWeight(QFont::Normal);
    setFont(font);
    // Made off screen and hidden until there is something to show.
    move(-32000, -32000);
    if (owner) connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
}

QRect CTipWnd::TextBounds(const QString& text) const {
    const QFontMetrics metrics(font());
    const int width = std::min(metrics.horizontalAdvance(text), kTipMaxTextWidth);
    return metrics.boundingRect(QRect(0, 0, std::max(width, 1), 100000), kTextFlags, text);
}

void CTipWnd::Show(const QString& text, int x, int y) {
    m_strText = text;
    const QRect bounds = TextBounds(text);
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const RECT place = PlaceTip(x, y, bounds.width() + kTipMargin, bounds.height() + kTipMargin,
                                RECT{desk.left(), desk.top(), desk.right() + 1, desk.bottom() + 1});
    setGeometry(place.left, place.top, place.Width(), place.Height());
    show();
    raise();
    update();
}

void CTipWnd::Hide() {
    hide();
}

void CTipWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().toolTipBase());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(2, 2, -2, -2), kTextFlags, m_strText);
}

void CTipWnd::mousePressEvent(QMouseEvent* event) {
    Hide();
    if (!m_pOwner || event->button() != Qt::LeftButton) return;
    // The click was meant for the calendar beneath the tip.
    const QPointF global = event->globalPosition();
    QMouseEvent press(QEvent::MouseButtonPress, m_pOwner->mapFromGlobal(global), global,
                      Qt::LeftButton, Qt::LeftButton, event->modifiers());
    QApplication::sendEvent(m_pOwner, &press);
}
