#pragma once
// Moves a note's formatted text between the document model (what the rich text
// reader and writer understand) and the QTextDocument that a text field edits.
// Only what the model can hold crosses over: bold, italic, underline, strike,
// face, size, colour, paragraphs and line breaks.

#include "views/RtfDocument.h"

class QTextCharFormat;
class QTextDocument;

class CRichTextConverter {
public:
    // Replaces the whole content of target.
    static void ToTextDocument(const CRtfDocument& source, QTextDocument& target);
    static CRtfDocument FromTextDocument(const QTextDocument& source);

    static QTextCharFormat ToCharFormat(const CRtfCharFormat& format);
    static CRtfCharFormat FromCharFormat(const QTextCharFormat& format);
};
