#pragma once
// The file dialogs of the program. Tests answer the next ones: a queued
// answer is taken instead of opening a dialog (an empty name stands for
// Cancel).

#include <QString>

#include <functional>

class QWidget;

class CFileDialog {
public:
    // An open dialog for an existing file. Empty on Cancel.
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                   const QString& filter);
    // A save dialog that replaces an existing file without asking. Empty on Cancel.
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                   const QString& filter, const QString& defaultSuffix);

private:
    friend class CTestAccess;
    // The next dialog answers with fileName, or with what answer returns
    // when it is asked (it may act while the dialog would be open).
    static void QueueAnswer(const QString& fileName);
    static void QueueAnswer(std::function<QString()> answer);
    static int QueuedAnswers();
    static void ClearAnswers();
};
