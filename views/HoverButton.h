#pragma once
// CHoverButton: a flat button drawn by its own code that lights up with a
// thin 3-D frame while the mouse is over it. Used on the note windows and
// as the base of the shaped buttons of the calendar window.

#include "zadad/WinTypes.h"

#include <QIcon>
#include <QPushButton>

class CHoverButton : public QPushButton {
    Q_OBJECT
public:
    enum StyleFlag {
        TextFace = 0x01,
        IconFace = 0x02,
        IconFaceLeft = 0x04,
        IconFaceEmbossed = 0x08,
        OuterFrame = 0x10,
        HoverHighlight = 0x20,
        AltTextColor = 0x40,
    };

    explicit CHoverButton(QWidget* parent = nullptr);

    void SetStyle(int flags);
    int Style() const { return m_nStyle; }
    void SetText(const QString& text);
    void SetColor(COLORREF text, COLORREF background);
    COLORREF TextColor() const { return m_crText; }
    COLORREF BackgroundColor() const { return m_crBackground; }
    void SetIcon(const QIcon& icon);
    // Tenths of a point; 0 sizes the text to 3/5 of the button's height.
    void SetFontSize(int tenths);
    bool IsMouseInside() const { return m_bMouseInside; }
    bool IsPressed() const { return m_bPressed; }

protected:
    // A drawn button is named for screen readers by its tooltip.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The font of the caption for a button of the given height.
    QFont CaptionFont(int height) const;
    // The colour the caption is written in.
    QColor CaptionColor() const;
    void SetMouseInside(bool inside);
    void SetPressed(bool pressed);

    QString m_strText;

private:
    void DrawHoverFrame(QPainter& painter) const;
    void DrawFace(QPainter& painter) const;

    int m_nStyle = TextFace | HoverHighlight;
    QIcon m_icon;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBackground;
    int m_nFontSize = 0;
    bool m_bMouseInside = false;
    bool m_bPressed = false;
};
