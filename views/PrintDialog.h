#pragma once
// The print dialog of the program, with a way for tests to answer the next
// ones: a queued answer sees the dialog as it would open (its options, its
// printer) and says whether the user printed, instead of the dialog opening.

#include <functional>

class QPrintDialog;

class CPrintDialog {
public:
    using Answer = std::function<bool(QPrintDialog& dialog)>;

    // True when the user chose to print; the dialog's printer is then set up.
    static bool Exec(QPrintDialog& dialog);

    // Tests: the next dialog is answered by answer.
    static void QueueAnswer(Answer answer);
    static int QueuedAnswers();
    static void ClearAnswers();
};
