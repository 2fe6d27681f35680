#include "reminders/NoteTextFile.h"

#include "store/MessageBox.h"
#include "store/SafeFile.h"

std::string CNoteTextFile::SuggestedName(const std::string& title) {
    if (title.empty()) return "Untitled.txt";
    std::string name = title;
    for (char& c : name)
        if (c == '/' || c == '\0' || c == '\n' || c == '\r') c = '_';
    return name + ".txt";
}

std::string CNoteTextFile::Contents(const std::string& title, const std::string& plainText) {
    return title + "\n\n" + plainText;
}

bool CNoteTextFile::Save(const std::string& path, const std::string& title,
                         const std::string& plainText) {
    if (path.empty()) return false;
    if (CSafeFile::Exists(path)) {
        const CMessageBox::Answer answer = CMessageBox::Current().Show(
            "Do you want to overwrite existing file ?", kCaptionConfirmation,
            CMessageBox::kIconQuestion, CMessageBox::kButtonsYesNo);
        if (answer != CMessageBox::kAnswerYes) return false;
    }
    const std::string text = Contents(title, plainText);
    if (CSafeFile::Write(path, std::vector<std::uint8_t>(text.begin(), text.end()))) return true;
    CMessageBox::Current().Show(path + " could not be created.", kCaptionProgram,
                                CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
    return false;
}
