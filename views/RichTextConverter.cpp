#include "views/RichTextConverter.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace {

QString ToFieldText(const std::string& text) {
    QString field = QString::fromStdString(text);
    field.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return field;
}

std::string FromFieldText(QString text) {
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.remove(QChar::ObjectReplacementCharacter); // pictures have no place in the model
    return text.toStdString();
}

} // namespace

void CRichTextConverter::ToTextDocument(const CRtfDocument& source, QTextDocument& target) {
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < source.m_paragraphs.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        for (const CRtfRun& run : source.m_paragraphs[i].m_runs)
            cursor.insertText(ToFieldText(run.m_strText), ToCharFormat(run.m_format));
    }
    cursor.endEditBlock();
}

CRtfDocument CRichTextConverter::FromTextDocument(const QTextDocument& source) {
    CRtfDocument doc;
    if (source.isEmpty()) return doc;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        CRtfParagraph paragraph;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            paragraph.Append(FromFieldText(fragment.text()), FromCharFormat(fragment.charFormat()));
        }
        doc.m_paragraphs.push_back(std::move(paragraph));
    }
    return doc;
}

QTextCharFormat CRichTextConverter::ToCharFormat(const CRtfCharFormat& format) {
    QTextCharFormat qt;
    qt.setFontWeight(format.m_bBold ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.m_bItalic);
    qt.setFontUnderline(format.m_bUnderline);
    qt.setFontStrikeOut(format.m_bStrike);
    if (!format.m_strFace.empty()) qt.setFontFamilies({QString::fromStdString(format.m_strFace)});
    if (format.m_nHalfPoints > 0) qt.setFontPointSize(format.m_nHalfPoints / 2.0);
    if (format.m_crColor) {
        const COLORREF c = *format.m_crColor;
        qt.setForeground(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
    return qt;
}

CRtfCharFormat CRichTextConverter::FromCharFormat(const QTextCharFormat& qt) {
    CRtfCharFormat format;
    format.m_bBold = qt.fontWeight() >= QFont::DemiBold;
    format.m_bItalic = qt.fontItalic();
    format.m_bUnderline = qt.fontUnderline();
    format.m_bStrike = qt.fontStrikeOut();
    const QStringList families = qt.fontFamilies().toStringList();
    if (!families.isEmpty()) format.m_strFace = families.front().toStdString();
    if (qt.hasProperty(QTextFormat::FontPointSize) && qt.fontPointSize() > 0)
        format.m_nHalfPoints = static_cast<int>(std::lround(qt.fontPointSize() * 2));
    if (qt.hasProperty(QTextFormat::ForegroundBrush) && qt.foreground().style() != Qt::NoBrush) {
        const QColor c = qt.foreground().color();
        format.m_crColor = RGB(c.red(), c.green(), c.blue());
    }
    return format;
}
