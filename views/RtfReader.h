#pragma once
// Reads a note's text into the document model. Text that begins with "{\rtf"
// (or "{\urtf") is rich text; anything else, including text that merely opens
// with a brace, is plain text and kept as it is.
//
// Rich text is read as well as it can be: unknown control words are passed
// over, destinations the program has no use for are skipped whole, and broken
// input (unbalanced braces, deep nesting, cut-off escapes, binary data that
// claims more bytes than there are) gives the readable part, never a failure.

#include "views/RtfDocument.h"

#include <string_view>

class CRtfReader {
public:
    static bool IsRichText(std::string_view text);
    static CRtfDocument Read(std::string_view text);
};
