#pragma once
// A message box for tests: records every message and answers from a queue
// (or as if Escape were pressed once the queue is empty). Installed while it
// lives.

#include "store/MessageBox.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CFakeMessageBox : public CMessageBox {
public:
    struct Shown {
        std::string text;
        std::string caption;
        Icon icon;
        Buttons buttons;
    };

    CFakeMessageBox();
    ~CFakeMessageBox() override;
    CFakeMessageBox(const CFakeMessageBox&) = delete;
    CFakeMessageBox& operator=(const CFakeMessageBox&) = delete;

    Answer Show(const std::string& text, const std::string& caption, Icon icon,
                Buttons buttons) override;
    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
    // Runs while a box is up, as anything else the program does meanwhile.
    std::function<void()> whileShown;

    std::vector<Shown> m_shown;
    std::deque<Answer> m_answers;
};
