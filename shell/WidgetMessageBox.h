#pragma once
// The program's message boxes on screen, installed at start-up for every
// message of the logic.

#include "store/MessageBox.h"

class CWidgetMessageBox : public CMessageBox {
public:
    Answer Show(const std::string& text, const std::string& caption, Icon icon,
                Buttons buttons) override;
};
