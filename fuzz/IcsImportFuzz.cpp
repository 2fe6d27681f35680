// The calendar file import on arbitrary text: it either adds notes or says
// why it could not read the text. Whatever it added must export as a
// calendar the import reads again.

#include "store/CalendarData.h"
#include "store/IcsExport.h"
#include "store/IcsImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string SameText(std::string_view text) {
    return std::string(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    CCalendarData data;
    data.RemoveAllNotes();
    const CIcsImportResult result = CIcsImport::Import(data, text, SameText);
    if (!result.m_bRead) return 0;
    if (result.m_strProblem.size() > 0) std::abort();

    const std::string exported = CIcsExport::WriteCalendar(data, SameText);
    CCalendarData again;
    again.RemoveAllNotes();
    const CIcsImportResult reread = CIcsImport::Import(again, exported, SameText);
    if (!reread.m_bRead) {
        std::fprintf(stderr, "the export does not read again (%s):\n%s\n",
                     reread.m_strProblem.c_str(), exported.c_str());
        std::abort();
    }
    return 0;
}
