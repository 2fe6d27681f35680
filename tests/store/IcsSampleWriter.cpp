// Writes the sample notes as a calendar file, with the occurrences and
// alarms the program gives them, for a reader of another make to compare:
//   ics_sample_writer DIR   writes DIR/notes.ics, DIR/occurrences.txt, DIR/alarms.txt
#include "store/IcsExport.h"
#include "store/ProgramFlags.h"
#include "tests/store/IcsSamples.h"
#include "tests/support/TestClock.h"

#include <fstream>
#include <iostream>

namespace {

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines)
        out << line << '\n';
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: ics_sample_writer DIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    ResetProgramFlags();
    const CTestClock clock(icssamples::kMadeAt);
    CCalendarData data;
    icssamples::AddSamples(data);
    std::ofstream ics(dir + "/notes.ics", std::ios::binary);
    ics << CIcsExport::WriteCalendar(data, nullptr);
    const std::vector<std::string> range = {icssamples::kFrom.Format("%Y-%m-%d") + " " +
                                            std::to_string(icssamples::kDays)};
    const bool written =
        static_cast<bool>(ics) && WriteLines(dir + "/range.txt", range) &&
        WriteLines(dir + "/occurrences.txt", icssamples::OccurrenceLines(data, true)) &&
        WriteLines(dir + "/alarms.txt", icssamples::AlarmLines(data));
    if (!written) std::cerr << "cannot write into " << dir << "\n";
    return written ? 0 : 1;
}
