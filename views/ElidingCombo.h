#pragma once
// CElidingCombo: a drop-down list of names the user typed (categories). It is
// as wide as its longest name up to a sensible width and no wider, so that a
// long name cannot push its dialog off the screen; a chosen name that does
// not fit is shown cut short with an ellipsis. The open list shows the names
// as wide as the screen allows.

#include <QComboBox>

class CElidingCombo : public QComboBox {
    Q_OBJECT
public:
    // The widest the box asks to be, in average characters.
    static constexpr int kMaxShownChars = 32;

    explicit CElidingCombo(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The chosen name as the box shows it.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int MaxWidth() const;
    QRect TextRect() const;
};
