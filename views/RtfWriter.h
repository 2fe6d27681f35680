#pragma once
// Writes the document model as rich text the way the data file keeps a note's
// text: plain ASCII only (Windows-1252 characters as \'hh, all others as \uN
// with a "?" for readers without Unicode), one font and colour table, and a
// paragraph mark after every paragraph.

#include "views/RtfDocument.h"

#include <string>

class CRtfWriter {
public:
    static std::string Write(const CRtfDocument& doc);
};
