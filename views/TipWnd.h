#pragma once
// CTipWnd: the small window that shows a note's whole text over the
// calendar. It never takes the focus; a click on it hides it and reaches
// the calendar beneath as a click there. Made with new, it is deleted with
// its owner.

#include <QWidget>

class CTipWnd : public QWidget {
    Q_OBJECT
public:
    // Made once, hidden; the owner receives the clicks on the tip.
    explicit CTipWnd(QWidget* owner);

    // Shows the text beside the screen point (x, y), word-wrapped to at
    // most 300 pixels.
    void Show(const QString& text, int x, int y);
    void Hide();
    QString Text() const { return m_strText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect TextBounds(const QString& text) const;

    QWidget* m_pOwner;
    QString m_strText;
};
