#include "views/RichTextField.h"
#include "views/RtfReader.h"
#include "views/RtfWriter.h"

#include "RtfTestHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>

using namespace rtftest;

namespace {

CRtfDocument Content(const CRichTextField& field) {
    return CRtfReader::Read(field.GetRichText());
}

void Select(CRichTextField& field, int from, int to) {
    QTextCursor cursor = field.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    field.setTextCursor(cursor);
}

TEST(RichTextField, BoldToggleFollowsTheUniformSelectionRule) {
    CRichTextField field;
    field.SetRichText("hello world");
    Select(field, 0, 5);
    field.ToggleBold();
    EXPECT_TRUE(FormatOf(Content(field), "hello").m_bBold);
    EXPECT_FALSE(FormatOf(Content(field), " world").m_bBold);

    Select(field, 0, 11); // partly bold: all of it becomes bold
    field.ToggleBold();
    CRtfDocument doc = Content(field);
    ASSERT_EQ(doc.m_paragraphs.size(), 1u);
    ASSERT_EQ(doc.m_paragraphs[0].m_runs.size(), 1u);
    EXPECT_TRUE(doc.m_paragraphs[0].m_runs[0].m_format.m_bBold);

    field.ToggleBold(); // all bold: all of it becomes normal
    doc = Content(field);
    ASSERT_EQ(doc.m_paragraphs[0].m_runs.size(), 1u);
    EXPECT_FALSE(doc.m_paragraphs[0].m_runs[0].m_format.m_bBold);
}

TEST(RichTextField, BoldToggleAcrossParagraphs) {
    CRichTextField field;
    field.SetRichText("{\\rtf1 one\\par {\\b two}\\par}");
    Select(field, 0, 7);
    field.ToggleBold();
    EXPECT_TRUE(FormatOf(Content(field), "one").m_bBold);
    EXPECT_TRUE(FormatOf(Content(field), "two").m_bBold);
}

TEST(RichTextField, BoldToggleWithoutSelectionSetsTheTypingFormat) {
    CRichTextField field;
    field.SetRichText("a");
    field.moveCursor(QTextCursor::End);
    field.ToggleBold();
    QTest::keyClicks(&field, QStringLiteral("b"));
    field.ToggleBold();
    QTest::keyClicks(&field, QStringLiteral("c"));
    const CRtfDocument doc = Content(field);
    EXPECT_FALSE(FormatOf(doc, "a").m_bBold);
    EXPECT_TRUE(FormatOf(doc, "b").m_bBold);
    EXPECT_FALSE(FormatOf(doc, "c").m_bBold);
}

TEST(RichTextField, FaceNameOfTheSelection) {
    CRichTextField field;
    field.SetRichText("face name");
    Select(field, 0, 4);
    field.SetSelectionFaceName(QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(FormatOf(Content(field), "face").m_strFace, "DejaVu Serif");
    EXPECT_EQ(FormatOf(Content(field), " name").m_strFace, "");

    field.selectAll();
    field.SetSelectionFaceName(QString(40, QLatin1Char('F')));
    EXPECT_EQ(FormatOf(Content(field), "face").m_strFace, std::string(31, 'F'));
    field.SetSelectionFaceName(QStringLiteral("  "));
    EXPECT_EQ(FormatOf(Content(field), "face").m_strFace, std::string(31, 'F'));
}

TEST(RichTextField, PointSizeOfTheSelection) {
    CRichTextField field;
    field.SetRichText("size");
    field.selectAll();
    field.SetSelectionPointSize(14);
    EXPECT_EQ(FormatOf(Content(field), "size").m_nHalfPoints, 28);
    field.SetSelectionPointSize(0);
    field.SetSelectionPointSize(-5);
    EXPECT_EQ(FormatOf(Content(field), "size").m_nHalfPoints, 28);
    field.SetSelectionPointSize(100000);
    EXPECT_EQ(FormatOf(Content(field), "size").m_nHalfPoints, 2 * 1638);
}

TEST(RichTextField, RichTextGoesInAndComesOutUnchanged) {
    CRtfCharFormat fancy;
    fancy.m_bItalic = fancy.m_bUnderline = fancy.m_bStrike = true;
    fancy.m_strFace = "DejaVu Sans Mono";
    fancy.m_nHalfPoints = 22;
    fancy.m_crColor = RGB(200, 10, 10);
    CRtfDocument doc;
    doc.m_paragraphs.push_back(Para({{"Caf\u00E9 ", Bold()}, {"\u65E5\u672C\n\U0001F600", fancy}}));
    doc.m_paragraphs.push_back(CRtfParagraph{});
    doc.m_paragraphs.push_back(Para({{"end {x} \\", {}}}));

    CRichTextField field;
    field.SetRichText(CRtfWriter::Write(doc));
    EXPECT_EQ(Content(field), doc);
    EXPECT_EQ(field.GetPlainText(), "Caf\u00E9 \u65E5\u672C\n\U0001F600\n\nend {x} \\");
    EXPECT_FALSE(field.document()->isUndoAvailable()) << "new content starts a new history";
}

TEST(RichTextField, PlainTextAndAddressesStayPlain) {
    CRichTextField field;
    field.SetRichText("{not rich} see www.example.org\r\nnext");
    EXPECT_EQ(field.GetPlainText(), "{not rich} see www.example.org\nnext");
    const CRtfDocument doc = Content(field);
    ASSERT_EQ(doc.m_paragraphs.size(), 2u);
    EXPECT_EQ(doc.m_paragraphs[0].m_runs.size(), 1u) << "the link look is not saved as formatting";
    EXPECT_FALSE(doc.m_paragraphs[0].m_runs[0].m_format.m_bUnderline);
}

// A window with the field and a default button, shown and active.
struct CDialogWithField {
    CDialogWithField(bool multiLine) {
        auto* layout = new QVBoxLayout(&dialog);
        field = new CRichTextField(&dialog, multiLine);
        button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->setDefault(true);
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
        layout->addWidget(field);
        layout->addWidget(button);
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        field->setFocus();
    }
    QDialog dialog;
    CRichTextField* field = nullptr;
    QPushButton* button = nullptr;
};

TEST(RichTextField, EnterLeavesASingleLineField) {
    CDialogWithField window(false);
    window.field->SetRichText("Title");
    window.field->moveCursor(QTextCursor::End);
    ASSERT_TRUE(window.field->hasFocus());
    QTest::keyClick(window.field, Qt::Key_Return);
    EXPECT_EQ(window.field->GetPlainText(), "Title");
    EXPECT_FALSE(window.field->hasFocus());
    EXPECT_EQ(window.dialog.result(), QDialog::Accepted) << "the window then has the key";
}

TEST(RichTextField, EnterStartsALineInAMultiLineField) {
    CDialogWithField window(true);
    window.field->SetRichText("Text");
    window.field->moveCursor(QTextCursor::End);
    QTest::keyClick(window.field, Qt::Key_Return);
    QTest::keyClicks(window.field, QStringLiteral("more"));
    EXPECT_EQ(window.field->GetPlainText(), "Text\nmore");
    EXPECT_TRUE(window.field->hasFocus());
    EXPECT_EQ(window.dialog.result(), QDialog::Rejected);
}

TEST(RichTextField, TabTypesATabOrMovesOnWithCtrlTabTyping) {
    const struct {
        bool tabMovesOn;
        Qt::KeyboardModifiers keys;
        const char* typed;
    } cases[] = {{false, Qt::NoModifier, "\t"},
                 {true, Qt::NoModifier, ""},
                 {true, Qt::ControlModifier, "\t"}};
    for (const auto& c : cases) {
        CDialogWithField window(true);
        window.field->setTabChangesFocus(c.tabMovesOn);
        QTest::keyClick(window.field, Qt::Key_Tab, c.keys);
        EXPECT_EQ(window.field->GetPlainText(), c.typed);
        EXPECT_EQ(window.field->hasFocus(), *c.typed != '\0') << "moved on when nothing was typed";
    }
}

TEST(RichTextField, SingleLinePasteKeepsTheFirstLine) {
    CRichTextField field(nullptr, false);
    QApplication::clipboard()->setText(QStringLiteral("first\nsecond"));
    field.paste();
    EXPECT_EQ(field.GetPlainText(), "first");
    CRichTextField multi;
    multi.paste();
    EXPECT_EQ(multi.GetPlainText(), "first\nsecond");
}

TEST(RichTextField, EditMenuCutsCopiesAndPastes) {
    CRichTextField field;
    const std::unique_ptr<QMenu> menu(field.CreateEditMenu());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Cut"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Copy"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Paste"));
    EXPECT_EQ(actions[0]->data().toInt(), CRichTextField::ID_EDIT_CUT);
    EXPECT_EQ(actions[1]->data().toInt(), CRichTextField::ID_EDIT_COPY);
    EXPECT_EQ(actions[2]->data().toInt(), CRichTextField::ID_EDIT_PASTE);

    field.SetRichText("abc");
    field.selectAll();
    actions[1]->trigger();
    field.moveCursor(QTextCursor::End);
    actions[2]->trigger();
    EXPECT_EQ(field.GetPlainText(), "abcabc");
    Select(field, 0, 2);
    actions[0]->trigger();
    EXPECT_EQ(field.GetPlainText(), "cabc");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ab"));
}

void Wheel(CRichTextField& field, int turn) {
    const QPointF at(10, 10);
    QWheelEvent event(at, field.viewport()->mapToGlobal(at), QPoint(), QPoint(0, turn),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(field.viewport(), &event);
}

TEST(RichTextField, WheelScrollsOneLine) {
    CRichTextField field;
    field.resize(200, 100);
    std::string lines;
    for (int i = 0; i < 100; ++i)
        lines += "line " + std::to_string(i) + "\n";
    field.SetRichText(lines);
    field.show();
    QScrollBar* bar = field.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int line = field.fontMetrics().lineSpacing();
    Wheel(field, -120); // toward the user
    EXPECT_EQ(bar->value(), line);
    Wheel(field, -360); // a bigger turn is still one line
    EXPECT_EQ(bar->value(), 2 * line);
    Wheel(field, 120);
    EXPECT_EQ(bar->value(), line);
}

TEST(RichTextField, ClickOnAnAddressIsReported) {
    CRichTextField field;
    field.resize(400, 100);
    field.SetRichText("see www.example.org now");
    field.show();
    QStringList clicked;
    QObject::connect(&field, &CRichTextField::linkClicked,
                     [&](const QString& url) { clicked << url; });
    const auto pointAt = [&](int position) {
        QTextCursor cursor(field.document());
        cursor.setPosition(position);
        const QRect r = field.cursorRect(cursor);
        return QPoint(r.left() + 2, r.center().y());
    };
    QTest::mouseClick(field.viewport(), Qt::LeftButton, {}, pointAt(1));
    EXPECT_TRUE(clicked.isEmpty());
    QTest::mouseClick(field.viewport(), Qt::LeftButton, {}, pointAt(8));
    EXPECT_EQ(clicked, QStringList{QStringLiteral("http://www.example.org")});

    // Dragging across the address selects it instead of opening it.
    QTest::mousePress(field.viewport(), Qt::LeftButton, {}, pointAt(5));
    QTest::mouseMove(field.viewport(), pointAt(15));
    QTest::mouseRelease(field.viewport(), Qt::LeftButton, {}, pointAt(15));
    EXPECT_EQ(clicked.size(), 1);
}

} // namespace
