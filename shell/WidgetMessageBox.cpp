#include "shell/WidgetMessageBox.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(CMessageBox::Icon icon) {
    switch (icon) {
    case CMessageBox::kIconInformation:
        return QMessageBox::Information;
    case CMessageBox::kIconWarning:
        return QMessageBox::Warning;
    case CMessageBox::kIconQuestion:
        return QMessageBox::Question;
    case CMessageBox::kIconStop:
        return QMessageBox::Critical;
    case CMessageBox::kIconNone:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(CMessageBox::Buttons buttons) {
    switch (buttons) {
    case CMessageBox::kButtonsOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case CMessageBox::kButtonsYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case CMessageBox::kButtonsYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case CMessageBox::kButtonsOk:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

CMessageBox::Answer CWidgetMessageBox::Show(const std::string& text, const std::string& caption,
                                            Icon icon, Buttons buttons) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    ToQt(buttons));
    // Above everything: the program has no window the box could stand in front of.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return kAnswerOk;
    case QMessageBox::Yes:
        return kAnswerYes;
    case QMessageBox::No:
        return kAnswerNo;
    case QMessageBox::Cancel:
        return kAnswerCancel;
    default:
        return EscapeAnswer(buttons);
    }
}
