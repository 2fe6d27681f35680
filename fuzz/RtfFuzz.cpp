// The rich text reader on arbitrary text: it must give a document for
// anything, and what it gives must write as rich text that reads again to the
// same plain text.

#include "views/RtfReader.h"
#include "views/RtfToPlainText.h"
#include "views/RtfWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const CRtfDocument doc = CRtfReader::Read(text);
    const std::string written = CRtfWriter::Write(doc);
    if (!CRtfReader::IsRichText(written)) std::abort();
    const std::string plain = RtfToPlainText(written);
    if (RtfToPlainText(CRtfWriter::Write(CRtfReader::Read(written))) != plain) std::abort();
    return 0;
}
