#include "shell/CalendarTransfer.h"

#include "store/CalendarData.h"
#include "store/IcsExport.h"
#include "store/IcsImport.h"
#include "store/IcsImportReport.h"
#include "store/MessageBox.h"
#include "store/SafeFile.h"
#include "views/RtfReader.h"
#include "views/RtfToPlainText.h"
#include "views/RtfWriter.h"

#include <filesystem>
#include <vector>

bool CCalendarTransfer::Export(const CCalendarData& data, const std::string& target) {
    const std::string text = CIcsExport::WriteCalendar(data, RtfToPlainText);
    if (CSafeFile::Write(target, std::vector<std::uint8_t>(text.begin(), text.end()))) return true;
    Report("Fail to export data\n\nThe calendar could not be written to " + target, true);
    return false;
}

int CCalendarTransfer::Import(CCalendarData& data, const std::string& source) {
    std::error_code ec;
    std::vector<std::uint8_t> bytes;
    const bool regular = std::filesystem::is_regular_file(source, ec);
    const std::uintmax_t size = regular ? std::filesystem::file_size(source, ec) : 0;
    if (!regular || ec || size > kMaxImportBytes || !CSafeFile::Read(source, bytes)) {
        Report("Calendar Read Error!\n\n" + source +
                   " cannot be read. Your notes have not been changed.",
               true);
        return 0;
    }
    const std::string text(bytes.begin(), bytes.end());
    const CIcsImportResult result = CIcsImport::Import(data, text, NoteText);
    Report(IcsImportReport(result, source), !result.m_bRead);
    return result.m_nAdded;
}

std::string CCalendarTransfer::NoteText(std::string_view plainText) {
    if (!CRtfReader::IsRichText(plainText)) return std::string(plainText);
    return CRtfWriter::Write(CRtfDocument::FromPlainText(plainText));
}

void CCalendarTransfer::Report(const std::string& text, bool failed) {
    CMessageBox::Current().Show(text, kCaptionProgram,
                                failed ? CMessageBox::kIconStop : CMessageBox::kIconInformation,
                                CMessageBox::kButtonsOk);
}
