#pragma once
// The text field of the note editor and of the note window: a QTextEdit whose
// content goes in and out as rich text through the program's own reader and
// writer, with the few format commands the program offers (bold, face, size),
// its own Cut/Copy/Paste menu, and clickable addresses.
//
// A single-line field (the note window's title) gives up the focus on Enter
// instead of starting a new line, and keeps only the first line of a paste.
// A multi-line field types a tab on Tab, or on Ctrl+Tab where Tab is to move
// on to the next control (setTabChangesFocus).

#include <QTextEdit>

#include <string>

class QMenu;

class CRichTextField : public QTextEdit {
    Q_OBJECT
public:
    // Command identifiers of the edit menu's entries.
    static constexpr int ID_EDIT_COPY = 57634;
    static constexpr int ID_EDIT_CUT = 57635;
    static constexpr int ID_EDIT_PASTE = 57637;
    static constexpr int kMaxFaceLength = 31;
    static constexpr int kMaxPointSize = 1638;

    explicit CRichTextField(QWidget* parent = nullptr, bool bMultiLine = true);

    bool IsMultiLine() const { return m_bMultiLine; }
    void SetMultiLine(bool bMultiLine);

    std::string GetRichText() const;
    // Rich text (starting with "{\rtf") is read as such; anything else is plain text.
    void SetRichText(const std::string& text);
    std::string GetPlainText() const;

    // Bold on for all of a mixed selection; flipped when the selection is all one way.
    void ToggleBold();
    void SetSelectionFaceName(const QString& face);
    void SetSelectionPointSize(int points);

    // The field's context menu: "Cut", "Copy", "Paste"; the caller owns it.
    QMenu* CreateEditMenu();

signals:
    void linkClicked(const QString& url);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Whether the selection (or the typing format when nothing is selected)
    // is bold; uniform tells whether all of it agrees.
    bool SelectionBold(bool& uniform) const;
    QString LinkAt(const QPoint& viewportPos) const;

    bool m_bMultiLine = true;
    QPoint m_ptPress;
    bool m_bPressed = false;
};
