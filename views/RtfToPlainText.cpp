#include "views/RtfToPlainText.h"

#include "views/RtfReader.h"

std::string RtfToPlainText(std::string_view text) {
    return CRtfReader::Read(text).PlainText();
}
