#include "store/MessageBox.h"

namespace {

class CSilentMessageBox : public CMessageBox {
public:
    Answer Show(const std::string&, const std::string&, Icon, Buttons buttons) override {
        return EscapeAnswer(buttons);
    }
};

CSilentMessageBox g_silentBox;
CMessageBox* g_box = &g_silentBox;

} // namespace

CMessageBox& CMessageBox::Current() {
    return *g_box;
}

void CMessageBox::Install(CMessageBox* box) {
    g_box = box ? box : &g_silentBox;
}

CMessageBox::Answer CMessageBox::EscapeAnswer(Buttons buttons) {
    switch (buttons) {
    case kButtonsOkCancel:
    case kButtonsYesNoCancel:
        return kAnswerCancel;
    case kButtonsYesNo:
        return kAnswerNo;
    case kButtonsOk:
        break;
    }
    return kAnswerOk;
}
