#include "views/RegionButton.h"

#include "zadad/Picture.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double kDisabledOpacity = 0.4;

// Coverage of the region as an image: 255 inside, 0 outside.
QImage Coverage(const QRegion& region, QSize size) {
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setClipRegion(region);
    painter.fillRect(mask.rect(), Qt::white);
    return mask;
}

bool Inside(const QImage& mask, int x, int y) {
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() &&
           mask.constScanLine(y)[x] != 0;
}

} // namespace

CRegionButton::CRegionButton(QWidget* parent) : CHoverButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { emit command(m_nID); });
}

bool CRegionButton::Create(int style, const QRegion& region, QWidget* parent, int id,
                           COLORREF color, const CPicture* texture, int width, int height,
                           const QString& caption) {
    setParent(parent);
    SetStyle(style);
    m_nID = id;
    m_crFace = color;
    m_pTexture = texture;
    m_strText = caption;
    setText(caption);
    resize(width, height);
    SetRegion(region);
    return !m_region.isEmpty();
}

void CRegionButton::SetRegion(const QRegion& region) {
    const QRect box = region.boundingRect();
    m_region = region.translated(-box.topLeft());
    m_rcBounds = m_region.boundingRect();
    // Outside its shape the button is neither drawn nor clicked.
    setMask(m_region.isEmpty() ? QRegion(rect()) : m_region);
    ForgetFaces();
}

void CRegionButton::SetTexture(const CPicture* texture) {
    m_pTexture = texture;
    ForgetFaces();
}

void CRegionButton::SetText(const QString& text) {
    CHoverButton::SetText(text);
    ForgetFaces();
}

void CRegionButton::SetTextColor(COLORREF color) {
    SetColor(color, BackgroundColor());
    ForgetFaces();
}

void CRegionButton::SetLatch(bool on) {
    if (m_bLatch == on) return;
    m_bLatch = on;
    update();
}

void CRegionButton::SetFramedText(bool framed) {
    m_bFramedText = framed;
    ForgetFaces();
}

void CRegionButton::ForgetFaces() {
    for (QPixmap& face : m_faces)
        face = QPixmap();
    update();
}

bool CRegionButton::hitButton(const QPoint& pos) const {
    return m_rcBounds.contains(pos);
}

void CRegionButton::mouseMoveEvent(QMouseEvent* event) {
    // While held, the pressed look follows whether the mouse is over the button.
    const bool inside =
        hitButton(event->position().toPoint()) && m_region.contains(event->position().toPoint());
    SetMouseInside(inside);
    if (event->buttons() & Qt::LeftButton) SetPressed(inside);
    QPushButton::mouseMoveEvent(event);
}

void CRegionButton::resizeEvent(QResizeEvent* event) {
    ForgetFaces();
    CHoverButton::resizeEvent(event);
}

CRegionButton::Face CRegionButton::CurrentFace() const {
    const bool down = m_bLatch || IsPressed();
    if (down) return IsMouseInside() ? DownHover : Down;
    return IsMouseInside() ? Hover : Normal;
}

void CRegionButton::DrawEdges(QImage& image, bool sunken) const {
    // A two-pixel rim along the outline: lit where the outside lies above or
    // to the left, shaded where it lies below or to the right (the other way
    // round when sunken), with a softer second pixel.
    const QImage mask = Coverage(m_region, image.size());
    const QColor light(255, 255, 255);
    const QColor dark(0, 0, 0);
    QPainter painter(&image);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!Inside(mask, x, y)) continue;
            for (int depth = 1; depth <= 2; ++depth) {
                const bool litSide = !Inside(mask, x - depth, y) || !Inside(mask, x, y - depth);
                const bool darkSide = !Inside(mask, x + depth, y) || !Inside(mask, x, y + depth);
                if (!litSide && !darkSide) continue;
                const bool lit = litSide != sunken;
                QColor edge = lit ? light : dark;
                edge.setAlpha(depth == 1 ? (lit ? 170 : 150) : (lit ? 70 : 60));
                painter.fillRect(x, y, 1, 1, edge);
                break;
            }
        }
    }
}

void CRegionButton::DrawCaption(QPainter& painter, bool sunken) const {
    if (m_strText.isEmpty()) return;
    const QRect box = m_rcBounds.translated(sunken ? 1 : 0, sunken ? 1 : 0);
    QFont font = CaptionFont(height());
    if (font.pointSize() > 9) font.setPointSize(9);
    painter.setFont(font);
    if (m_bFramedText) {
        // A halo in the contrasting colour keeps the text readable on any texture.
        painter.setPen(ToQColor(CUtility::GetReverseColor(TextColor())));
        for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            painter.drawText(box.translated(offset), Qt::AlignCenter | Qt::TextSingleLine,
                             m_strText);
    }
    painter.setPen(CaptionColor());
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, m_strText);
}

QPixmap CRegionButton::RenderFace(Face face) const {
    const bool sunken = face == Down || face == DownHover;
    const bool lit = face == Hover || face == DownHover;
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setClipRegion(m_region);
        painter.fillRect(image.rect(), ToQColor(m_crFace));
        const RECT area{0, 0, image.width(), image.height()};
        CUtility::TileTexture(&painter, area, m_pTexture, nullptr);
        // A soft light from above gives the flat texture some body.
        QLinearGradient gloss(0, 0, 0, image.height());
        gloss.setColorAt(0, QColor(255, 255, 255, sunken ? 10 : 70));
        gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
        gloss.setColorAt(1, QColor(0, 0, 0, sunken ? 30 : 40));
        painter.fillRect(image.rect(), gloss);
        if (lit) painter.fillRect(image.rect(), QColor(255, 255, 255, 55));
        if (sunken) painter.fillRect(image.rect(), QColor(0, 0, 0, 45));
    }
    DrawEdges(image, sunken);
    {
        QPainter painter(&image);
        painter.setClipRegion(m_region);
        DrawCaption(painter, sunken);
    }
    return QPixmap::fromImage(image);
}

void CRegionButton::paintEvent(QPaintEvent* /*event*/) {
    const Face face = CurrentFace();
    if (m_faces[face].isNull() || m_faces[face].size() != size()) m_faces[face] = RenderFace(face);
    QPainter painter(this);
    // A button that cannot be used now shows faded into what lies behind it.
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    painter.drawPixmap(0, 0, m_faces[face]);
}
