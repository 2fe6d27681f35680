#include "shell/DataTransfer.h"

#include "store/CalendarData.h"
#include "store/DataFile.h"
#include "store/MessageBox.h"
#include "store/ProgramFlags.h"
#include "store/SafeFile.h"
#include "store/TimeFormats.h"
#include "zadad/Archive.h"

#include <exception>
#include <filesystem>

namespace {

// Reading a file fills the program-wide settings as it goes. A trial read
// must leave them as they were, whether it succeeds or breaks off half-way.
class CProgramWideSettings {
public:
    CProgramWideSettings()
        : m_showHistory(g_bShowHistory), m_showCountdown(g_bShowCountdownDefault),
          m_showSunInfo(g_bShowSunInfo),
          m_fileVersion(g_fFileVersion), m_formats{g_strTimeFormat, g_strWeekdayTimeFormat,
                                                   g_strDayTimeFormat, g_strDateTimeFormat} {}
    ~CProgramWideSettings() {
        g_bShowHistory = m_showHistory;
        g_bShowCountdownDefault = m_showCountdown;
        g_bShowSunInfo = m_showSunInfo;
        g_fFileVersion = m_fileVersion;
        g_strTimeFormat = m_formats[0];
        g_strWeekdayTimeFormat = m_formats[1];
        g_strDayTimeFormat = m_formats[2];
        g_strDateTimeFormat = m_formats[3];
    }
    CProgramWideSettings(const CProgramWideSettings&) = delete;
    CProgramWideSettings& operator=(const CProgramWideSettings&) = delete;

private:
    BOOL m_showHistory;
    BOOL m_showCountdown;
    BOOL m_showSunInfo;
    float m_fileVersion;
    std::string m_formats[4];
};

} // namespace

bool CDataTransfer::ConfirmReplace() {
    return CMessageBox::Current().Show("Replace current data, continue?", kCaptionWarning,
                                       CMessageBox::kIconWarning,
                                       CMessageBox::kButtonsYesNo) == CMessageBox::kAnswerYes;
}

bool CDataTransfer::Export(CCalendarData& data, const std::string& target) {
    // One message for a failed export, this one: the save keeps quiet. And
    // no copy after a failed save, which would pass off the older file's
    // notes as the current ones.
    if (!data.SaveQuietly()) {
        Report("Fail to export data\n\nThe notes could not be saved to " + data.GetDataFilePath() +
               ", so no copy has been made.");
        return false;
    }
    if (!CSafeFile::Copy(data.GetDataFilePath(), target)) {
        Report("Fail to export data\n\nThe notes could not be written to " + target);
        return false;
    }
    return true;
}

bool CDataTransfer::Import(CCalendarData& data, const std::string& source) {
    std::vector<std::uint8_t> bytes;
    if (!ReadDataFile(source, bytes) || !Loads(bytes)) {
        Report("Data Read Error!\n\n" + source +
               " is not a data file that can be read. Your notes have not been changed.");
        return false;
    }
    const std::string current = data.GetDataFilePath();
    const std::string kept = current + kBeforeImportSuffix;
    if (CSafeFile::Exists(current) && !CSafeFile::Copy(current, kept)) {
        Report("Fail to save data\n\nThe current notes could not be kept as " + kept +
               ", so nothing has been imported.");
        return false;
    }
    if (!CSafeFile::Write(current, bytes)) {
        Report("Fail to save data\n\n" + current +
               " could not be replaced, so nothing has been imported.");
        return false;
    }
    data.Load();
    return true;
}

bool CDataTransfer::ReadDataFile(const std::string& source, std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(source, ec)) return false;
    const std::uintmax_t size = std::filesystem::file_size(source, ec);
    if (ec || size > kMaxImportBytes) return false;
    return CSafeFile::Read(source, bytes);
}

bool CDataTransfer::Loads(const std::vector<std::uint8_t>& bytes) {
    const CProgramWideSettings keep;
    try {
        CCalendarData trial;
        CArchive ar(bytes);
        CDataFile::Load(ar, trial);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void CDataTransfer::Report(const std::string& text) {
    CMessageBox::Current().Show(text, kCaptionProgram, CMessageBox::kIconStop,
                                CMessageBox::kButtonsOk);
}
