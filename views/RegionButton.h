#pragma once
// CRegionButton: a button in the shape of a region (a toolbar silhouette,
// an arrow, a cross), its face the window's texture with lit and shaded
// edges. Clicks outside the shape fall through to the window behind it.
// A latched button (the current list filter) keeps its pressed look.
//
// On a screen with more than one device pixel to the pixel the button takes
// its shape at the screen's scale: the face is drawn in device pixels along
// that finer outline, and the button takes clicks on every pixel the outline
// covers.

#include "views/HoverButton.h"

#include <QPixmap>
#include <QRegion>
#include <array>
#include <functional>

class CPicture;

class CRegionButton : public CHoverButton {
    Q_OBJECT
public:
    // A shape for a scale: the region in the device pixels of a screen with
    // that many device pixels to the pixel.
    using ShapeAt = std::function<QRegion(qreal scale)>;

    explicit CRegionButton(QWidget* parent = nullptr);

    // Shapes the button by region (moved so that its bounding box starts at
    // 0,0), sizes it to width x height and places it as a child of parent.
    // The texture is shared, not owned; without one the face is `color`.
    bool Create(int style, const QRegion& region, QWidget* parent, int id, COLORREF color,
                const CPicture* texture, int width, int height, const QString& caption);
    // The same with a shape that is drawn for each scale.
    bool Create(int style, ShapeAt shape, QWidget* parent, int id, COLORREF color,
                const CPicture* texture, int width, int height, const QString& caption);
    void SetTexture(const CPicture* texture);
    void SetText(const QString& text);
    void SetTextColor(COLORREF color);
    // Redraws only when the state changes.
    void SetLatch(bool on);
    bool Latch() const { return m_bLatch; }
    // Writes the caption with a thin contrasting outline.
    void SetFramedText(bool framed);
    // A new outline, as for a maximize button that changes with the zoom state.
    void SetRegion(const QRegion& region);
    void SetShape(ShapeAt shape);
    // A thin glyph (a cross) is pressed anywhere in its box; only the glyph is drawn.
    void SetClickableWhole(bool whole);

    int Id() const { return m_nID; }
    // The shape in pixels, as it takes clicks.
    const QRegion& Region() const { return m_region; }
    QRect BoundingBox() const { return m_rcBounds; }

signals:
    // The click reaches the parent as the button's command.
    void command(int id);

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Face { Normal, Hover, Down, DownHover, FaceCount };

    Face CurrentFace() const;
    // Takes the shape at the scale: the outline, the clickable pixels.
    void ApplyShape(qreal scale);
    QPixmap RenderFace(Face face) const;
    void DrawEdges(QImage& image, bool sunken) const;
    void DrawCaption(QPainter& painter, bool sunken) const;
    void ForgetFaces();

    ShapeAt m_shape;
    qreal m_rScale = 1;   // the scale the shape and the faces were made for
    QRegion m_rgnOutline; // the shape in device pixels at that scale
    QRegion m_region;     // the pixels it covers
    QRect m_rcBounds;
    bool m_bClickableWhole = false;
    int m_nID = 0;
    const CPicture* m_pTexture = nullptr;
    COLORREF m_crFace = RGB(192, 192, 192);
    bool m_bLatch = false;
    bool m_bFramedText = false;
    mutable std::array<QPixmap, FaceCount> m_faces;
};
