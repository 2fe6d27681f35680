#pragma once
// The one way the program's logic asks the user something or tells them of a
// failure. The logic has no widgets: the user interface installs a real
// message box at start-up, tests install one that records and answers.

#include <string>

class CMessageBox {
public:
    enum Icon { kIconNone, kIconInformation, kIconWarning, kIconQuestion, kIconStop };
    enum Buttons { kButtonsOk, kButtonsOkCancel, kButtonsYesNo, kButtonsYesNoCancel };
    enum Answer { kAnswerOk, kAnswerCancel, kAnswerYes, kAnswerNo };

    virtual ~CMessageBox() = default;
    virtual Answer Show(const std::string& text, const std::string& caption, Icon icon,
                        Buttons buttons) = 0;

    // The box in use: the installed one, else one that shows nothing and
    // answers as if the user had pressed Escape.
    static CMessageBox& Current();
    // Installs box (not owned) for every later message; nullptr goes back to
    // the silent one.
    static void Install(CMessageBox* box);

    // The answer a box gives when it is closed without a choice: Cancel where
    // there is one, else No, else OK.
    static Answer EscapeAnswer(Buttons buttons);
};

// Captions of the program's message boxes.
inline constexpr const char* kCaptionProgram = "Orrindale";
inline constexpr const char* kCaptionWarning = "Warning";
inline constexpr const char* kCaptionConfirmation = "Confirmation";
