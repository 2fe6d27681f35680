#include "views/RegionButton.h"

#include "views/ButtonShapes.h"
#include "zadad/Picture.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double kDisabledOpacity = 0.4;
// The lit and shaded rim along the outline: this many pixels deep, the
// first half stronger.
constexpr int kRimDepth = 2;

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
    return Create(
        style, [region](qreal scale) { return buttonshapes::Scaled(region, scale); }, parent, id,
        color, texture, width, height, caption);
}

bool CRegionButton::Create(int style, ShapeAt shape, QWidget* parent, int id, COLORREF color,
                           const CPicture* texture, int width, int height, const QString& caption) {
    setParent(parent);
    SetStyle(style);
    m_nID = id;
    m_crFace = color;
    m_pTexture = texture;
    m_strText = caption;
    setText(caption);
    resize(width, height);
    SetShape(std::move(shape));
    return !m_region.isEmpty();
}

void CRegionButton::SetRegion(const QRegion& region) {
    SetShape([region](qreal scale) { return buttonshapes::Scaled(region, scale); });
}

void CRegionButton::SetShape(ShapeAt shape) {
    m_shape = std::move(shape);
    ApplyShape(devicePixelRatioF());
}

void CRegionButton::SetClickableWhole(bool whole) {
    m_bClickableWhole = whole;
    ApplyShape(m_rScale);
}

void CRegionButton::ApplyShape(qreal scale) {
    m_rScale = scale;
    const QRegion outline = m_shape ? m_shape(scale) : QRegion();
    const QRegion covered = buttonshapes::Covered(outline, scale);
    // The shape is moved so that its box starts at the button's corner.
    const QPoint origin = covered.boundingRect().topLeft();
    m_region = covered.translated(-origin);
    m_rgnOutline = outline.translated(-(QPointF(origin) * scale).toPoint());
    m_rcBounds = m_region.boundingRect();
    // Outside its shape the button is neither drawn nor clicked.
    setMask(m_bClickableWhole || m_region.isEmpty() ? QRegion(rect()) : m_region);
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
    // A rim along the outline, in device pixels: lit where the outside lies
    // above or to the left, shaded where it lies below or to the right (the
    // other way round when sunken), softer in its inner half.
    const QImage mask = Coverage(m_rgnOutline, image.size());
    const int rim = std::max(kRimDepth, static_cast<int>(std::lround(kRimDepth * m_rScale)));
    const QColor light(255, 255, 255);
    const QColor dark(0, 0, 0);
    QPainter painter(&image);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!Inside(mask, x, y)) continue;
            for (int depth = 1; depth <= rim; ++depth) {
                const bool litSide = !Inside(mask, x - depth, y) || !Inside(mask, x, y - depth);
                const bool darkSide = !Inside(mask, x + depth, y) || !Inside(mask, x, y + depth);
                if (!litSide && !darkSide) continue;
                const bool lit = litSide != sunken;
                const bool outer = depth <= rim / 2;
                QColor edge = lit ? light : dark;
                edge.setAlpha(outer ? (lit ? 170 : 150) : (lit ? 70 : 60));
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
    // Drawn in device pixels: clipped to the outline there, everything else
    // drawn in the button's own pixels, scaled.
    QImage image(size() * m_rScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRect area = rect();
    const auto onShape = [this](QPainter& painter) {
        painter.setClipRegion(m_rgnOutline);
        painter.scale(m_rScale, m_rScale);
    };
    {
        QPainter painter(&image);
        onShape(painter);
        painter.fillRect(area, ToQColor(m_crFace));
        CUtility::TileTexture(&painter, ToRect(area), m_pTexture, nullptr);
        // A soft light from above gives the flat texture some body.
        QLinearGradient gloss(0, 0, 0, area.height());
        gloss.setColorAt(0, QColor(255, 255, 255, sunken ? 10 : 70));
        gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
        gloss.setColorAt(1, QColor(0, 0, 0, sunken ? 30 : 40));
        painter.fillRect(area, gloss);
        if (lit) painter.fillRect(area, QColor(255, 255, 255, 55));
        if (sunken) painter.fillRect(area, QColor(0, 0, 0, 45));
    }
    DrawEdges(image, sunken);
    {
        QPainter painter(&image);
        onShape(painter);
        DrawCaption(painter, sunken);
    }
    image.setDevicePixelRatio(m_rScale);
    return QPixmap::fromImage(image);
}

void CRegionButton::paintEvent(QPaintEvent* /*event*/) {
    // On a screen of another scale the shape is taken again for it.
    if (devicePixelRatioF() != m_rScale) ApplyShape(devicePixelRatioF());
    const Face face = CurrentFace();
    QPixmap& cached = m_faces[face];
    if (cached.isNull() || cached.size() != size() * m_rScale) cached = RenderFace(face);
    QPainter painter(this);
    // A button that cannot be used now shows faded into what lies behind it.
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    painter.drawPixmap(0, 0, cached);
}
