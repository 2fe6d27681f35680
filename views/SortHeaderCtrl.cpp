#include "views/SortHeaderCtrl.h"

#include "views/SortMark.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QRegularExpression>
#include <QStyle>

CSortHeaderCtrl::CSortHeaderCtrl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent),
      m_crBackground(FromQColor(QApplication::palette().button().color())) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

void CSortHeaderCtrl::SetBackground(const std::string& pictureFile, COLORREF color) {
    m_crBackground = color;
    m_strPicture = pictureFile;
    if (pictureFile.empty())
        m_picture.Release();
    else
        m_picture.Load(pictureFile);
    viewport()->update();
}

void CSortHeaderCtrl::SetSortMark(int column, bool descending) {
    m_nSortColumn = column;
    m_bDescending = descending;
    viewport()->update();
}

QString CSortHeaderCtrl::ItemText(int index) const {
    return model() ? model()->headerData(index, orientation()).toString() : QString();
}

void CSortHeaderCtrl::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), ToQColor(m_crBackground));
    }
    QHeaderView::paintEvent(event);
}

QColor CSortHeaderCtrl::TextColorOver(QPainter* painter, const QRect& inner) const {
    const RECT sample{inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1};
    const COLORREF under =
        m_picture.IsValid() ? CUtility::GetBmpColor(painter, sample) : m_crBackground;
    const QPalette& palette = QApplication::palette();
    return HeaderTextIsLight(under) ? palette.highlightedText().color()
                                    : palette.windowText().color();
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    // Drawn off screen first: the text colour is chosen from the picture
    // actually drawn under it.
    QImage item(rect.size(), QImage::Format_RGB32);
    item.fill(ToQColor(m_crBackground));
    QPainter face(&item);
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QRect inner = item.rect().adjusted(edge, edge, -edge, -edge);
    if (m_picture.IsValid()) {
        const RECT area{inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1};
        CUtility::TileTexture(&face, area, &m_picture, nullptr);
    }
    const QColor text = TextColorOver(&face, inner);
    face.setPen(text);
    face.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine,
                  ItemText(logicalIndex).remove(QRegularExpression("\\s+$")));
    if (logicalIndex == m_nSortColumn) {
        const auto corners =
            SortMarkTriangle(RECT{0, 0, item.width(), item.height()}, m_bDescending);
        QPolygon triangle;
        for (const CSortMarkPoint& p : corners)
            triangle << QPoint(p.x, p.y);
        face.setRenderHint(QPainter::Antialiasing);
        face.setPen(Qt::NoPen);
        face.setBrush(text);
        face.drawPolygon(triangle);
    }
    // A thin separator keeps the columns apart on a plain colour.
    face.setPen(QColor(0, 0, 0, 50));
    face.drawLine(item.width() - 1, 3, item.width() - 1, item.height() - 4);
    face.end();
    painter->drawImage(rect.topLeft(), item);
}
