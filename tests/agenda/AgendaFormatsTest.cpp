// How the agenda's lines are written: for people, as tab-separated values
// and as JSON.
#include "agenda/AgendaFormats.h"

#include "store/CalendarData.h"
#include "store/Note.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <regex>

namespace {

class AgendaFormatsTest : public ::testing::Test {
protected:
    AgendaFormatsTest() {
        m_note.m_strText = "{\\rtf1\\ansi First line\\par Second line}";
        m_holiday.m_nID = 1;
        m_lines = {
            Line(COleDateTime(2026, 12, 8, 0, 0, 0), AgendaKind::kMoon, "Full Moon", 0),
            Line(COleDateTime(2026, 12, 8, 0, 0, 0), AgendaKind::kHoliday, "Harvest", 1,
                 &m_holiday),
            Line(COleDateTime(2026, 12, 8, 7, 5, 0), AgendaKind::kSunrise, "Sunrise", 0),
            Line(COleDateTime(2026, 12, 8, 14, 30, 0), AgendaKind::kRecurring,
                 "Pay\tthe \"rent\"\r\nnow", 602, &m_note, "Payment"),
            Line(COleDateTime(2026, 12, 10, 9, 0, 0), AgendaKind::kHistory, "Dentist", 603),
        };
    }

    static CAgendaLine Line(const COleDateTime& when, AgendaKind kind, const char* title, int id,
                            CNote* note = nullptr, const char* category = "") {
        CAgendaLine line;
        line.when = when;
        line.kind = kind;
        line.title = title;
        line.id = id;
        line.note = note;
        line.category = category;
        return line;
    }

    CNote m_note{kNoteRecurring, "Pay\tthe \"rent\"\r\nnow", "",
                 COleDateTime(2026, 12, 1, 14, 30, 0), 1};
    CNote m_holiday{kNoteHoliday, "Harvest", "", COleDateTime(2000, 12, 8, 0, 0, 0), 999};
    std::vector<CAgendaLine> m_lines;
    const AgendaRange m_range{COleDateTime(2026, 12, 8, 0, 0, 0), 3};
};

TEST_F(AgendaFormatsTest, TabSeparatedValues) {
    EXPECT_EQ(FormatAgendaTsv(m_lines), "date\ttime\ttitle\tkind\tid\n"
                                        "2026-12-08\t\tFull Moon\tmoon\t\n"
                                        "2026-12-08\t00:00\tHarvest\tholiday\t1\n"
                                        "2026-12-08\t07:05\tSunrise\tsunrise\t\n"
                                        "2026-12-08\t14:30\tPay the \"rent\"  now\trecurring\t602\n"
                                        "2026-12-10\t09:00\tDentist\thistory\t603\n");
    EXPECT_EQ(FormatAgendaTsv({}), "date\ttime\ttitle\tkind\tid\n");
}

TEST_F(AgendaFormatsTest, JsonHoldsWhatAScriptNeeds) {
    QJsonParseError error;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray::fromStdString(FormatAgendaJson(m_lines)), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray array = doc.array();
    ASSERT_EQ(array.size(), 5);
    const QJsonObject moon = array[0].toObject();
    EXPECT_EQ(moon["date"], "2026-12-08");
    EXPECT_TRUE(moon["time"].isNull());
    EXPECT_TRUE(moon["id"].isNull());
    EXPECT_TRUE(moon["text"].isNull());
    EXPECT_EQ(moon["allDay"], true);
    EXPECT_EQ(array[1].toObject()["allDay"], true) << "a holiday";
    EXPECT_EQ(array[1].toObject()["time"], "00:00");
    EXPECT_TRUE(array[1].toObject()["categoryId"].isNull()) << "holidays have no category";
    const QJsonObject rent = array[3].toObject();
    EXPECT_EQ(rent["time"], "14:30");
    EXPECT_EQ(rent["title"], "Pay\tthe \"rent\"\r\nnow");
    EXPECT_EQ(rent["kind"], "recurring");
    EXPECT_EQ(rent["id"], 602);
    EXPECT_EQ(rent["start"], "2026-12-08T14:30:00");
    EXPECT_EQ(rent["allDay"], false);
    EXPECT_EQ(rent["category"], "Payment");
    EXPECT_EQ(rent["categoryId"], 1);
    EXPECT_EQ(rent["text"], "First line\nSecond line");
    EXPECT_TRUE(array[4].toObject()["category"].isNull());
    EXPECT_EQ(FormatAgendaJson({}), "[]\n");
}

TEST_F(AgendaFormatsTest, TextDayByDayInTheProgramsClock) {
    EXPECT_EQ(FormatAgendaText(m_lines, m_range, "%#I:%M %p"),
              "Tuesday, December 8, 2026\n"
              "           Full Moon\n"
              "           Harvest (holiday)\n"
              "  7:05 AM  Sunrise\n"
              "  2:30 PM  Pay the \"rent\"  now [Payment]\n"
              "\n"
              "Thursday, December 10, 2026\n"
              "  9:00 AM  Dentist (history)\n");
    EXPECT_EQ(FormatAgendaText({}, m_range, "%#H:%M"), "Nothing from 2026-12-08 to 2026-12-10.\n");
}

// The events of an iCalendar text, each as "DTSTART SUMMARY", in order.
std::vector<std::string> Events(const std::string& ics) {
    std::vector<std::string> events;
    const std::regex start("^DTSTART(;VALUE=DATE)?:([0-9T]+)\r?$");
    const std::regex summary("^SUMMARY:(.*?)\r?$");
    std::istringstream lines(ics);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, match, start)) events.push_back(match[2].str());
        if (std::regex_match(line, match, summary)) events.back() += " " + match[1].str();
    }
    return events;
}

TEST_F(AgendaFormatsTest, ICalendarHasAnEventForEveryLine) {
    const CCalendarData data;
    const std::string ics = FormatAgendaIcs(data, m_lines);
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR", 0), 0u);
    // The Moon and the holiday take the whole day; every other line its time.
    EXPECT_EQ(Events(ics), (std::vector<std::string>{"20261208 Full Moon", "20261208 Harvest",
                                                     "20261208T070500 Sunrise",
                                                     "20261208T143000 Pay\tthe \"rent\"\\nnow",
                                                     "20261210T090000 Dentist"}));
    EXPECT_NE(ics.find("DESCRIPTION:First line\\nSecond line"), std::string::npos);
    EXPECT_EQ(Events(FormatAgendaIcs(data, {})), std::vector<std::string>{});
}

} // namespace
