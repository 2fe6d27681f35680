#include "views/PrintDialog.h"

#include <QPrintDialog>

#include <deque>

namespace {

std::deque<CPrintDialog::Answer>& Answers() {
    static std::deque<CPrintDialog::Answer> answers;
    return answers;
}

} // namespace

bool CPrintDialog::Exec(QPrintDialog& dialog) {
    if (!Answers().empty()) {
        const Answer answer = std::move(Answers().front());
        Answers().pop_front();
        return answer(dialog);
    }
    return dialog.exec() == QDialog::Accepted;
}

void CPrintDialog::QueueAnswer(Answer answer) {
    Answers().push_back(std::move(answer));
}

int CPrintDialog::QueuedAnswers() {
    return static_cast<int>(Answers().size());
}

void CPrintDialog::ClearAnswers() {
    Answers().clear();
}
