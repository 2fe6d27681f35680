#include "agenda/AgendaRun.h"

#include "agenda/AgendaFormats.h"
#include "agenda/AgendaLines.h"
#include "almanac/HolidayList.h"
#include "res/StringTable.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/ProgramFlags.h"
#include "store/TimeFormats.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kProgram = "orrindale-agenda";

constexpr const char* kHelp =
    R"(Usage: orrindale-agenda [OPTION]...
Prints the notes of Orrindale's calendar for a range of days, or its month
or week grid as a PDF, without changing anything on disk.

Range (default: today and the next 6 days):
  --from YYYY-MM-DD     the first day (default: today)
  --to YYYY-MM-DD       the last day, itself included
  --days N              N days from the first
What to print:
  --format FORMAT       text (default), tsv, json or ics
  --category NAME       only the notes of this category
  --no-history          leave out the history copies of past alarms
  --holidays            list the holidays too
  --moon                list the days of the Moon's principal phases
  --sun                 list sunrise and sunset of each day
The calendar grid as a PDF, as its Print command prints it:
  --pdf FILE            write the PDF to FILE
  --month YYYY-MM       the month to print
  --week YYYY-MM-DD     the week that holds this day
Files:
  --data FILE           the data file (default: Note.Dat in the program directory)
  --holidays-file FILE  the holiday file (default: Holiday.txt there)

  -h, --help            show this help
  --version             show the version

Exit status: 0 done, 1 a file could not be read or the agenda or the PDF
not written, 2 bad arguments.
)";

// What the logic would show the user in a window goes to the error stream.
class CStreamMessageBox : public CMessageBox {
public:
    explicit CStreamMessageBox(std::ostream& err) : m_err(err), m_previous(CMessageBox::Current()) {
        Install(this);
    }
    ~CStreamMessageBox() override { Install(&m_previous); }
    CStreamMessageBox(const CStreamMessageBox&) = delete;
    CStreamMessageBox& operator=(const CStreamMessageBox&) = delete;

    Answer Show(const std::string& text, const std::string&, Icon, Buttons buttons) override {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        m_err << kProgram << ": " << line << '\n';
        return EscapeAnswer(buttons);
    }

private:
    std::ostream& m_err;
    CMessageBox& m_previous;
};

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The ID of the category called name (any case); false when there is none.
bool FindCategory(const CCalendarData& data, const std::string& name, WORD& id) {
    // Position 0 stands for every category and names none.
    for (std::size_t i = 1; i < data.m_arrCategories.size(); ++i) {
        if (SameName(data.m_arrCategories[i].m_strName, name)) {
            id = static_cast<WORD>(data.m_arrCategories[i].m_nID);
            return true;
        }
    }
    return false;
}

std::string CategoryList(const CCalendarData& data) {
    std::string list;
    for (std::size_t i = 1; i < data.m_arrCategories.size(); ++i)
        list += (i > 1 ? ", " : "") + data.m_arrCategories[i].m_strName;
    return list.empty() ? "none" : list;
}

class CAgendaRun {
public:
    CAgendaRun(std::ostream& out, std::ostream& err, const AgendaWriters& writers)
        : m_out(out), m_err(err), m_writers(writers), m_box(err) {}

    int Run(const std::vector<std::string>& args) {
        std::string error;
        if (!ParseAgendaOptions(args, m_options, error)) return BadArguments(error);
        if (m_options.help) return m_out << kHelp, kAgendaOk;
        if (m_options.version)
            return m_out << kProgram << ' ' << LoadString(IDS_VERSION) << '\n', kAgendaOk;
        AgendaRange range;
        const COleDateTime today = COleDateTime::GetCurrentTime();
        if (m_options.pdfFile.empty() && !AgendaRangeOf(m_options, today, range, error))
            return BadArguments(error);
        if (const int status = Load(); status != kAgendaOk) return status;
        WORD categoryID = 0;
        if (!m_options.category.empty() && !FindCategory(m_data, m_options.category, categoryID))
            return BadArguments("no category is called '" + m_options.category +
                                "'; the categories are: " + CategoryList(m_data));
        if (!m_options.pdfFile.empty()) return PrintPdf(today, categoryID);
        return List(range, categoryID);
    }

private:
    int BadArguments(const std::string& error) {
        m_err << kProgram << ": " << error << "\nTry '" << kProgram << " --help'.\n";
        return kAgendaBadArguments;
    }

    int FileError(const std::string& error) {
        m_err << kProgram << ": " << error << '\n';
        return kAgendaFileError;
    }

    bool WantsHolidays() const { return m_options.holidays || !m_options.pdfFile.empty(); }

    // The data file and, when they are shown, the holidays. A data file or
    // holiday file named on the command line must be there; the program
    // directory's may be missing (nothing written yet).
    int Load() {
        const std::string home = CUtility::LocateAppPath();
        const std::string dataPath =
            m_options.dataFile.empty() ? home + CCalendarData::kDataFileName : m_options.dataFile;
        const std::string holidaysPath = m_options.holidaysFile.empty()
                                             ? home + CHolidayList::kFileName
                                             : m_options.holidaysFile;
        auto holidays = CHolidayList::ReadResult::kMissing;
        if (WantsHolidays())
            m_data.SetHolidayLoader([&holidays, &holidaysPath](CNoteManager& manager) {
                holidays = CHolidayList::Load(manager, holidaysPath);
            });
        std::string error;
        switch (m_data.LoadReadOnly(dataPath, error)) {
        case CCalendarData::ReadOnlyLoad::kUnreadable:
            return FileError("cannot read the data file " + dataPath + ": " + error);
        case CCalendarData::ReadOnlyLoad::kMissing:
            if (!m_options.dataFile.empty()) return FileError("no data file " + dataPath);
            break;
        case CCalendarData::ReadOnlyLoad::kLoaded:
            break;
        }
        if (WantsHolidays() && !m_options.holidaysFile.empty() &&
            holidays != CHolidayList::ReadResult::kRead)
            return FileError("cannot read the holiday file " + holidaysPath);
        return kAgendaOk;
    }

    int List(const AgendaRange& range, WORD categoryID) {
        AgendaSelection selection;
        selection.range = range;
        selection.categoryID = categoryID;
        selection.history = !m_options.noHistory;
        selection.holidays = m_options.holidays;
        selection.moon = m_options.moon;
        selection.sun = m_options.sun;
        const std::vector<CAgendaLine> lines = CollectAgenda(m_data, selection);
        switch (m_options.format) {
        case AgendaFormat::kText:
            m_out << FormatAgendaText(lines, range, g_strTimeFormat);
            break;
        case AgendaFormat::kTsv:
            WriteAgendaTsv(lines, m_out);
            break;
        case AgendaFormat::kJson:
            m_out << FormatAgendaJson(lines);
            break;
        case AgendaFormat::kIcs:
            if (!m_writers.writeIcs) return FileError("this program cannot write iCalendar files");
            m_out << m_writers.writeIcs(m_data, lines);
            break;
        }
        m_out.flush();
        return m_out ? kAgendaOk : FileError("cannot write the agenda");
    }

    // The grid as the calendar window would print it, with its own settings
    // but for what the command line names.
    int PrintPdf(const COleDateTime& today, WORD categoryID) {
        AgendaPeriod period;
        std::string error;
        if (!AgendaPeriodOf(m_options, today, m_data.m_bMonthView != 0, period, error))
            return BadArguments(error);
        if (!m_options.category.empty()) m_data.m_nCategoryFilter = categoryID;
        if (m_options.noHistory) g_bShowHistory = 0;
        if (!m_writers.printPdf) return FileError("this program cannot print a PDF");
        if (!m_writers.printPdf(m_data, period, m_options.pdfFile, error)) return FileError(error);
        return kAgendaOk;
    }

    std::ostream& m_out;
    std::ostream& m_err;
    const AgendaWriters& m_writers;
    CStreamMessageBox m_box;
    CAgendaOptions m_options;
    CCalendarData m_data;
};

} // namespace

int RunAgenda(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const AgendaWriters& writers) {
    CAgendaRun run(out, err, writers);
    return run.Run(args);
}
