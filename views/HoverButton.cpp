#include "views/HoverButton.h"

#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

CHoverButton::CHoverButton(QWidget* parent)
    : QPushButton(parent), m_crBackground(FromQColor(QApplication::palette().button().color())) {
    setFlat(true);
    setMouseTracking(true);
    // The button has no background of its own: what lies behind shows.
    setAutoFillBackground(false);
}

void CHoverButton::SetStyle(int flags) {
    m_nStyle = flags;
    update();
}

void CHoverButton::SetText(const QString& text) {
    m_strText = text;
    setText(text);
    update();
}

void CHoverButton::SetColor(COLORREF text, COLORREF background) {
    m_crText = text;
    m_crBackground = background;
    update();
}

void CHoverButton::SetIcon(const QIcon& icon) {
    m_icon = icon;
    update();
}

void CHoverButton::SetFontSize(int tenths) {
    m_nFontSize = tenths;
    update();
}

void CHoverButton::SetMouseInside(bool inside) {
    if (m_bMouseInside != inside) {
        m_bMouseInside = inside;
        update();
    }
}

void CHoverButton::SetPressed(bool pressed) {
    if (m_bPressed != pressed) {
        m_bPressed = pressed;
        update();
    }
}

bool CHoverButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange) setAccessibleName(toolTip());
    return QPushButton::event(event);
}

void CHoverButton::enterEvent(QEnterEvent* event) {
    SetMouseInside(true);
    QPushButton::enterEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event) {
    m_bPressed = false;
    SetMouseInside(false);
    update();
    QPushButton::leaveEvent(event);
}

void CHoverButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetPressed(true);
    QPushButton::mousePressEvent(event);
}

void CHoverButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetPressed(false);
    QPushButton::mouseReleaseEvent(event);
}

QFont CHoverButton::CaptionFont(int height) const {
    QFont font("Arial");
    if (m_nFontSize > 0)
        font.setPointSizeF(m_nFontSize / 10.0);
    else
        font.setPointSize(std::max(1, height * 3 / 5)); // pixels taken as points
    return font;
}

QColor CHoverButton::CaptionColor() const {
    if (m_nStyle & AltTextColor) return ToQColor(CUtility::GetReverseColor(m_crBackground));
    return ToQColor(m_crText);
}

void CHoverButton::DrawHoverFrame(QPainter& painter) const {
    const QRect inner = rect().adjusted(1, 1, -2, -2);
    const QPalette& palette = QApplication::palette();
    const QColor light = palette.light().color();
    const QColor shadow = palette.mid().color();
    const QColor& topLeft = m_bPressed ? shadow : light;
    const QColor& bottomRight = m_bPressed ? light : shadow;
    painter.setPen(topLeft);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
    if (m_nStyle & OuterFrame) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CHoverButton::DrawFace(QPainter& painter) const {
    const QRect face = rect().translated(0, m_bPressed ? 1 : 0);
    if ((m_nStyle & (IconFace | IconFaceLeft | IconFaceEmbossed)) && !m_icon.isNull()) {
        const int side = std::min(width(), height()) - 6;
        const QIcon::Mode mode =
            (m_nStyle & IconFaceEmbossed) && !m_bMouseInside ? QIcon::Disabled : QIcon::Normal;
        const QPixmap pixmap = m_icon.pixmap(QSize(side, side), mode);
        const int x = (m_nStyle & IconFaceLeft) ? 3 : (width() - side) / 2;
        painter.drawPixmap(x, face.top() + (height() - side) / 2, pixmap);
        return;
    }
    painter.setFont(CaptionFont(height()));
    painter.setPen(CaptionColor());
    painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, m_strText);
}

void CHoverButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawFace(painter);
    if ((m_nStyle & HoverHighlight) && m_bMouseInside) DrawHoverFrame(painter);
}
