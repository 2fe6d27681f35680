// The snooze fields' range check, and saving a note as a text file with the
// overwrite question.
#include "reminders/NoteTextFile.h"
#include "reminders/SnoozeInput.h"

#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDevice>

namespace {

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

void WriteAll(const std::string& path, const std::string& text) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

} // namespace

TEST(SnoozeInput, WholeNumbersWithinTheRange) {
    int value = -1;
    std::string message;
    EXPECT_TRUE(CSnoozeInput::ReadField("15", 0, 59, value, message));
    EXPECT_EQ(value, 15);
    EXPECT_TRUE(CSnoozeInput::ReadField(" 0 ", 0, 24, value, message));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(CSnoozeInput::ReadField("24", 0, 24, value, message));
    EXPECT_EQ(value, 24);
    EXPECT_TRUE(message.empty());
}

TEST(SnoozeInput, OutOfRangeOrNoNumberIsRefusedWithTheRangeMessage) {
    int value = 7;
    std::string message;
    EXPECT_FALSE(CSnoozeInput::ReadField("25", 0, 24, value, message));
    EXPECT_EQ(message, "Please enter an integer between 0 and 24.");
    EXPECT_FALSE(CSnoozeInput::ReadField("-1", 0, 59, value, message));
    EXPECT_EQ(message, "Please enter an integer between 0 and 59.");
    EXPECT_FALSE(CSnoozeInput::ReadField("99999999999999999999", 0, 59, value, message));
    EXPECT_EQ(message, "Please enter an integer between 0 and 59.");
    for (const char* text : {"", "abc", "1.5", "12a", " "}) {
        EXPECT_FALSE(CSnoozeInput::ReadField(text, 0, 59, value, message)) << text;
        EXPECT_EQ(message, "Please enter an integer.");
    }
    EXPECT_EQ(value, 7); // a refused field changes nothing
}

TEST(NoteTextFile, NameFromTheTitle) {
    EXPECT_EQ(CNoteTextFile::SuggestedName("Dentist"), "Dentist.txt");
    EXPECT_EQ(CNoteTextFile::SuggestedName(""), "Untitled.txt");
    EXPECT_EQ(CNoteTextFile::SuggestedName("Rent 1/2"), "Rent 1_2.txt");
}

TEST(NoteTextFile, LongTitleIsCutToAFileNameBetweenTwoCharacters) {
    const std::size_t room = CNoteTextFile::kMaxNameBytes - std::string(".txt").size();
    const struct {
        std::string title;
        std::string kept; // the part of the title before ".txt"
    } cases[] = {
        {std::string(room, 'a'), std::string(room, 'a')},                      // fits exactly
        {std::string(room + 1, 'a'), std::string(room, 'a')},                  // one byte over
        {std::string(room - 1, 'x') + "\xC3\xA9", std::string(room - 1, 'x')}, // cut inside "é"
        {std::string(room - 2, 'x') + "\xE2\x82\xAC", std::string(room - 2, 'x')}, // inside "€"
    };
    for (const auto& c : cases) {
        const CTempHome home;
        const std::string name = CNoteTextFile::SuggestedName(c.title);
        EXPECT_EQ(name, c.kept + ".txt") << c.title.size();
        EXPECT_TRUE(CNoteTextFile::Save(home.File(name), c.title, "")); // the disk takes it
    }
}

TEST(NoteTextFile, TitleTwoLineBreaksThenTheText) {
    CTempHome home;
    const std::string path = home.File("Dentist.txt");
    EXPECT_TRUE(CNoteTextFile::Save(path, "Dentist", "Tuesday 9:40\nbring the card"));
    EXPECT_EQ(ReadAll(path), "Dentist\n\nTuesday 9:40\nbring the card");
}

TEST(NoteTextFile, ExistingFileIsOverwrittenOnlyOnYes) {
    CTempHome home;
    CFakeMessageBox box;
    const std::string path = home.File("note.txt");
    WriteAll(path, "old");

    box.QueueAnswer(CMessageBox::kAnswerNo);
    EXPECT_FALSE(CNoteTextFile::Save(path, "New", "text"));
    EXPECT_EQ(ReadAll(path), "old");
    ASSERT_EQ(box.m_shown.size(), 1u);
    EXPECT_EQ(box.m_shown[0].text, "Do you want to overwrite existing file ?");
    EXPECT_EQ(box.m_shown[0].caption, "Confirmation");
    EXPECT_EQ(box.m_shown[0].buttons, CMessageBox::kButtonsYesNo);

    box.QueueAnswer(CMessageBox::kAnswerYes);
    EXPECT_TRUE(CNoteTextFile::Save(path, "New", "text"));
    EXPECT_EQ(ReadAll(path), "New\n\ntext");
}

TEST(NoteTextFile, FileThatCannotBeCreatedIsReported) {
    CTempHome home;
    CFakeMessageBox box;
    const std::string path = home.File("no-such-folder/note.txt");
    EXPECT_FALSE(CNoteTextFile::Save(path, "Title", "text"));
    ASSERT_EQ(box.m_shown.size(), 1u);
    EXPECT_NE(box.m_shown[0].text.find("could not be created"), std::string::npos);
    EXPECT_EQ(ReadAll(path), "<missing>");
}
