#include "tests/support/TestAccess.h"

#include "shell/TrayWnd.h"
#include "store/SafeFile.h"
#include "views/FileDialog.h"

void CTestAccess::SetLogoRunner(CTrayWnd& tray, std::function<void()> run) {
    tray.SetLogoRunner(std::move(run));
}

void CTestAccess::SetClickInterval(CTrayWnd& tray, int ms) {
    tray.SetClickInterval(ms);
}

void CTestAccess::QueueFileAnswer(const QString& fileName) {
    CFileDialog::QueueAnswer(fileName);
}

void CTestAccess::QueueFileAnswer(std::function<QString()> answer) {
    CFileDialog::QueueAnswer(std::move(answer));
}

int CTestAccess::QueuedFileAnswers() {
    return CFileDialog::QueuedAnswers();
}

void CTestAccess::ClearFileAnswers() {
    CFileDialog::ClearAnswers();
}

void CTestAccess::SetUnnamedFiles(bool use) {
    CSafeFile::s_bUnnamedFiles = use;
}
