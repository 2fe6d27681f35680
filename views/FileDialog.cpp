#include "views/FileDialog.h"

#include <QDir>
#include <QFileDialog>

#include <deque>
#include <optional>

namespace {

std::deque<std::function<QString()>>& Answers() {
    static std::deque<std::function<QString()>> answers;
    return answers;
}

std::optional<QString> TakeAnswer() {
    if (Answers().empty()) return std::nullopt;
    const std::function<QString()> answer = std::move(Answers().front());
    Answers().pop_front();
    return answer();
}

QString Run(QFileDialog& dialog) {
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString CFileDialog::GetOpenFileName(QWidget* parent, const QString& caption,
                                     const QString& fileName, const QString& filter) {
    if (auto answer = TakeAnswer()) return *answer;
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(fileName);
    return Run(dialog);
}

QString CFileDialog::GetSaveFileName(QWidget* parent, const QString& caption,
                                     const QString& fileName, const QString& filter,
                                     const QString& defaultSuffix) {
    if (auto answer = TakeAnswer()) return *answer;
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(fileName);
    return Run(dialog);
}

void CFileDialog::QueueAnswer(const QString& fileName) {
    Answers().push_back([fileName] { return fileName; });
}

void CFileDialog::QueueAnswer(std::function<QString()> answer) {
    Answers().push_back(std::move(answer));
}

int CFileDialog::QueuedAnswers() {
    return static_cast<int>(Answers().size());
}

void CFileDialog::ClearAnswers() {
    Answers().clear();
}
