#include "views/LinkHighlighter.h"

#include "views/LinkFinder.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTextCharFormat>

CLinkHighlighter::CLinkHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void CLinkHighlighter::highlightBlock(const QString& text) {
    QTextCharFormat link;
    link.setFontUnderline(true);
    link.setForeground(QGuiApplication::palette().color(QPalette::Link));
    for (const CLinkSpan& span : CLinkFinder::Find(text))
        setFormat(static_cast<int>(span.m_nStart), static_cast<int>(span.m_nLength), link);
}
