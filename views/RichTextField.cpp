#include "views/RichTextField.h"

#include "views/LinkFinder.h"
#include "views/LinkHighlighter.h"
#include "views/RichTextConverter.h"
#include "views/RtfReader.h"
#include "views/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

namespace {

bool IsBold(const QTextCharFormat& format) {
    return format.fontWeight() >= QFont::DemiBold;
}

} // namespace

CRichTextField::CRichTextField(QWidget* parent, bool bMultiLine) : QTextEdit(parent) {
    new CLinkHighlighter(document());
    viewport()->setMouseTracking(true);
    setTabStopDistance(logicalDpiX() / 2.0); // tabs every half inch, as notes were written
    SetMultiLine(bMultiLine);
}

void CRichTextField::SetMultiLine(bool bMultiLine) {
    m_bMultiLine = bMultiLine;
    setLineWrapMode(bMultiLine ? WidgetWidth : NoWrap);
    setTabChangesFocus(!bMultiLine);
    const Qt::ScrollBarPolicy bars = bMultiLine ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setVerticalScrollBarPolicy(bars);
    setHorizontalScrollBarPolicy(bars);
}

std::string CRichTextField::GetRichText() const {
    return CRtfWriter::Write(CRichTextConverter::FromTextDocument(*document()));
}

void CRichTextField::SetRichText(const std::string& text) {
    setUpdatesEnabled(false);
    CRichTextConverter::ToTextDocument(CRtfReader::Read(text), *document());
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start); // new content is shown from its beginning
    setUpdatesEnabled(true);
    viewport()->update();
}

std::string CRichTextField::GetPlainText() const {
    return CRichTextConverter::FromTextDocument(*document()).PlainText();
}

bool CRichTextField::SelectionBold(bool& uniform) const {
    const QTextCursor cursor = textCursor();
    uniform = true;
    if (!cursor.hasSelection()) return IsBold(cursor.charFormat());
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    bool seen = false;
    bool bold = false;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const bool fragmentBold = IsBold(fragment.charFormat());
            if (seen && fragmentBold != bold) uniform = false;
            bold = bold || fragmentBold;
            seen = true;
        }
    }
    return bold;
}

void CRichTextField::ToggleBold() {
    bool uniform = true;
    const bool bold = SelectionBold(uniform);
    QTextCharFormat format;
    format.setFontWeight(uniform && bold ? QFont::Normal : QFont::Bold);
    mergeCurrentCharFormat(format);
}

void CRichTextField::SetSelectionFaceName(const QString& face) {
    const QString name = face.left(kMaxFaceLength);
    if (name.trimmed().isEmpty()) return; // a blank face would leave the text in no font at all
    QTextCharFormat format;
    format.setFontFamilies({name});
    mergeCurrentCharFormat(format);
}

void CRichTextField::SetSelectionPointSize(int points) {
    if (points <= 0) return; // no text can be drawn at a size of nothing
    QTextCharFormat format;
    format.setFontPointSize(std::min(points, kMaxPointSize));
    mergeCurrentCharFormat(format);
}

QMenu* CRichTextField::CreateEditMenu() {
    auto* menu = new QMenu(this);
    const auto add = [&](const char* text, int id, void (QTextEdit::*command)()) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setData(id);
        connect(action, &QAction::triggered, this, command);
    };
    add("Cut", ID_EDIT_CUT, &QTextEdit::cut);
    add("Copy", ID_EDIT_COPY, &QTextEdit::copy);
    add("Paste", ID_EDIT_PASTE, &QTextEdit::paste);
    return menu;
}

void CRichTextField::contextMenuEvent(QContextMenuEvent* event) {
    activateWindow();
    const std::unique_ptr<QMenu> menu(CreateEditMenu());
    menu->exec(event->globalPos());
}

void CRichTextField::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_bMultiLine) {
        // Leave the field and let the window around it have the key (a
        // dialog's default button, the note window's own handling).
        if (QWidget* parent = parentWidget()) parent->setFocus(Qt::OtherFocusReason);
        event->ignore();
        return;
    }
    if (m_bMultiLine && tabChangesFocus() && !isReadOnly() && event->key() == Qt::Key_Tab &&
        event->modifiers() == Qt::ControlModifier) {
        // Where Tab moves on to the next control, a tab is typed with Ctrl.
        insertPlainText(QStringLiteral("\t"));
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

// One line per wheel step, down when the wheel turns toward the user.
void CRichTextField::wheelEvent(QWheelEvent* event) {
    const int turn = event->angleDelta().y();
    if (turn == 0) {
        QTextEdit::wheelEvent(event);
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int line = fontMetrics().lineSpacing();
    bar->setValue(bar->value() + (turn < 0 ? line : -line));
    event->accept();
}

void CRichTextField::mousePressEvent(QMouseEvent* event) {
    m_bPressed = event->button() == Qt::LeftButton;
    m_ptPress = event->position().toPoint();
    QTextEdit::mousePressEvent(event);
}

void CRichTextField::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    const bool click = m_bPressed && event->button() == Qt::LeftButton &&
                       (event->position().toPoint() - m_ptPress).manhattanLength() <
                           QApplication::startDragDistance();
    m_bPressed = false;
    if (!click || textCursor().hasSelection()) return;
    const QString url = LinkAt(event->position().toPoint());
    if (!url.isEmpty()) emit linkClicked(url);
}

void CRichTextField::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    const bool overLink = !LinkAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

QString CRichTextField::LinkAt(const QPoint& viewportPos) const {
    const QPoint documentPos =
        viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int position = document()->documentLayout()->hitTest(documentPos, Qt::ExactHit);
    if (position < 0) return QString();
    const QTextBlock block = document()->findBlock(position);
    const std::vector<CLinkSpan> links = CLinkFinder::Find(block.text());
    const CLinkSpan* link = CLinkFinder::At(links, position - block.position());
    return link ? link->m_strUrl : QString();
}

void CRichTextField::insertFromMimeData(const QMimeData* source) {
    if (m_bMultiLine || !source->hasText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = source->text();
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    textCursor().insertText(lineEnd < 0 ? text : text.left(lineEnd));
}
