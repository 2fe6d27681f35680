#include "views/ElidingCombo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

CElidingCombo::CElidingCombo(QWidget* parent) : QComboBox(parent) {}

int CElidingCombo::MaxWidth() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize text(fontMetrics().averageCharWidth() * kMaxShownChars, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this).width();
}

QSize CElidingCombo::sizeHint() const {
    QSize size = QComboBox::sizeHint();
    size.setWidth(std::min(size.width(), MaxWidth()));
    return size;
}

QSize CElidingCombo::minimumSizeHint() const {
    QSize size = QComboBox::minimumSizeHint();
    size.setWidth(std::min(size.width(), MaxWidth()));
    return size;
}

QRect CElidingCombo::TextRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The label is written a pixel in from either side of the edit field.
    return style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
        .adjusted(1, 0, -1, 0);
}

QString CElidingCombo::ShownText() const {
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, TextRect().width());
}

void CElidingCombo::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = ShownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
