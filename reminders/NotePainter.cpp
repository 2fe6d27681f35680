#include "reminders/NotePainter.h"

#include "reminders/NoteHitTest.h"
#include "reminders/NoteLayout.h"
#include "zadad/QtTypes.h"
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace {

// A title colour this dark or darker takes light text.
constexpr int kDarkTitleBrightness = 70;
constexpr int kCloseContrast = 55;
// The dots of the grip: three rows, four pixels apart.
constexpr int kGripRows = 3;
constexpr int kGripStep = 4;

} // namespace

QColor CNotePainter::TitleTextColor(COLORREF title) {
    return systemcolors::TextOn(title, CUtility::GetBrightness(title) <= kDarkTitleBrightness);
}

QColor CNotePainter::CloseButtonColor(COLORREF body) {
    return ToQColor(CUtility::AdjustColor(body, kCloseContrast, kCloseContrast, kCloseContrast));
}

void CNotePainter::Paint(QPainter& painter, const CNoteLook& look) {
    const QRect dirty =
        look.rcDirty.isNull() ? QRect(0, 0, look.nWidth, look.nHeight) : look.rcDirty;
    painter.fillRect(dirty, ToQColor(look.bRolledUp ? look.crTitle : look.crBody));
    if (dirty.intersects(ToQRect(CNoteHitTest::CaptionRect(look.nWidth, look.nCaption))))
        PaintCaption(painter, look);
    if (dirty.intersects(ToQRect(look.rcCountdown))) PaintCountdown(painter, look);
    if (look.bAlarm) PaintSeparator(painter, look);
    if (!look.bRolledUp && !look.bAlarm && dirty.intersects(GripRect(look)))
        PaintGrip(painter, look);
    const QRect inside(2, 2, look.nWidth - 4, look.nHeight - 4);
    if (!inside.contains(dirty)) PaintEdges(painter, look);
}

// Where the dots of the grip lie, with a pixel to spare.
QRect CNotePainter::GripRect(const CNoteLook& look) {
    const int size = kGripRows * kGripStep + 4;
    return QRect(look.nWidth - CNoteLayout::kBorder - size,
                 look.nHeight - CNoteLayout::kBorder - size, size, size);
}

void CNotePainter::PaintCaption(QPainter& painter, const CNoteLook& look) {
    CUtility::ShadeRect1(&painter, CNoteHitTest::CaptionRect(look.nWidth, look.nCaption),
                         look.crTitle);
    PaintPin(painter, CNoteHitTest::PinRect(look.nWidth, look.nCaption), look.bPinPressed);
    PaintClose(painter, CNoteHitTest::CloseRect(look.nWidth, look.nCaption), look.crBody);
    if (look.bShowTitle) PaintTitle(painter, look);
}

// A push pin: seen from the side when the note floats among the windows,
// pushed in (head on, in a pressed button) when it stays on top.
void CNotePainter::PaintPin(QPainter& painter, const RECT& rect, bool pressed) {
    CUtility::Draw3dRect(&painter, rect, pressed ? 0 : 1);
    const QRectF face =
        QRectF(ToQRect(rect)).adjusted(2, 2, -2, -2).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    const double unit = face.width() / 10.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor head(200, 40, 40);
    if (pressed) {
        const QPointF centre = face.center();
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(head);
        painter.drawEllipse(centre, 3 * unit, 3 * unit);
        painter.setBrush(head.lighter(160));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre - QPointF(unit, unit), unit, unit);
    } else {
        const QPointF tip(face.left() + unit, face.bottom() - unit);
        const QPointF neck(face.left() + 4.5 * unit, face.bottom() - 4.5 * unit);
        painter.setPen(QPen(QColor(90, 90, 90), 1.2));
        painter.drawLine(tip, neck);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(head);
        QPainterPath body;
        body.moveTo(neck + QPointF(-2 * unit, -0.5 * unit));
        body.lineTo(neck + QPointF(0.5 * unit, 2 * unit));
        body.lineTo(face.right() - 1.5 * unit, face.top() + 4 * unit);
        body.lineTo(face.right() - 4 * unit, face.top() + 1.5 * unit);
        body.closeSubpath();
        painter.drawPath(body);
        painter.drawEllipse(QPointF(face.right() - 2 * unit, face.top() + 2 * unit), 2 * unit,
                            2 * unit);
    }
    painter.restore();
}

void CNotePainter::PaintClose(QPainter& painter, const RECT& rect, COLORREF body) {
    CUtility::Draw3dRect(&painter, rect, 1);
    const QRectF face = QRectF(ToQRect(rect)).adjusted(4, 4, -4, -4);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(CloseButtonColor(body), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(face.topLeft(), face.bottomRight());
    painter.drawLine(face.bottomLeft(), face.topRight());
    painter.restore();
}

void CNotePainter::PaintTitle(QPainter& painter, const CNoteLook& look) {
    const QRect rect = ToQRect(CNoteHitTest::TitleRect(look.nWidth, look.nCaption));
    if (rect.width() <= 0) return;
    painter.save();
    if (look.pTitleFont) painter.setFont(*look.pTitleFont);
    painter.setPen(TitleTextColor(look.crTitle));
    const QString text =
        painter.fontMetrics().elidedText(look.strTitle, Qt::ElideRight, rect.width());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void CNotePainter::PaintCountdown(QPainter& painter, const CNoteLook& look) {
    if (!look.bCountdownVisible || look.strCountdown.isEmpty()) return;
    painter.setPen(look.bRolledUp ? TitleTextColor(look.crTitle)
                                  : systemcolors::TextOn(look.crBody, false));
    painter.drawText(ToQRect(look.rcCountdown),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, look.strCountdown);
}

void CNotePainter::PaintSeparator(QPainter& painter, const CNoteLook& look) {
    const int left = CNoteLayout::kBorder + 2;
    const int width = look.nWidth - 2 * left;
    painter.fillRect(left, look.nSeparatorY, width, 1, systemcolors::ButtonShadow());
    painter.fillRect(left, look.nSeparatorY + 1, width, 1, systemcolors::ButtonHighlight());
}

void CNotePainter::PaintGrip(QPainter& painter, const CNoteLook& look) {
    const int right = look.nWidth - CNoteLayout::kBorder - 3;
    const int bottom = look.nHeight - CNoteLayout::kBorder - 3;
    for (int row = 0; row < kGripRows; ++row)
        for (int column = 0; column <= row; ++column)
            CUtility::DrawOutDot(&painter, QPoint(right - column * kGripStep,
                                                  bottom - (kGripRows - 1 - row) * kGripStep));
}

void CNotePainter::PaintEdges(QPainter& painter, const CNoteLook& look) {
    CUtility::Draw3dRect(&painter, RECT{0, 0, look.nWidth, look.nHeight}, 1);
    // A second, softer edge inside the first.
    const int w = look.nWidth;
    const int h = look.nHeight;
    painter.fillRect(1, 1, w - 3, 1, systemcolors::ButtonHighlight());
    painter.fillRect(1, 1, 1, h - 3, systemcolors::ButtonHighlight());
    painter.fillRect(w - 2, 1, 1, h - 3, systemcolors::ButtonShadow());
    painter.fillRect(1, h - 2, w - 2, 1, systemcolors::ButtonShadow());
}
