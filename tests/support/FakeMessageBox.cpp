#include "tests/support/FakeMessageBox.h"

CFakeMessageBox::CFakeMessageBox() {
    CMessageBox::Install(this);
}

CFakeMessageBox::~CFakeMessageBox() {
    CMessageBox::Install(nullptr);
}

CMessageBox::Answer CFakeMessageBox::Show(const std::string& text, const std::string& caption,
                                          Icon icon, Buttons buttons) {
    m_shown.push_back({text, caption, icon, buttons});
    if (whileShown) whileShown();
    if (m_answers.empty()) return EscapeAnswer(buttons);
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
