#include "reminders/NoteTextFile.h"

#include "store/MessageBox.h"
#include "store/SafeFile.h"

namespace {

constexpr const char* kExtension = ".txt";

// The first byte of a UTF-8 character (not one of its continuation bytes).
bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Cuts text to at most length bytes without splitting a character.
void CutAtCharacter(std::string& text, std::size_t length) {
    if (text.size() <= length) return;
    while (length > 0 && !StartsCharacter(text[length]))
        --length;
    text.resize(length);
}

} // namespace

std::string CNoteTextFile::SuggestedName(const std::string& title) {
    if (title.empty()) return "Untitled.txt";
    std::string name = title;
    for (char& c : name)
        if (c == '/' || c == '\0' || c == '\n' || c == '\r') c = '_';
    CutAtCharacter(name, kMaxNameBytes - std::char_traits<char>::length(kExtension));
    return name + kExtension;
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
