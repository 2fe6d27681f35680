#pragma once
// The one way tests reach what the program keeps to itself: the tray's
// start-up logo and double-click time, and answers for the next file
// dialogs. The classes name this one their friend; the program never uses it.

#include <QString>

#include <functional>

class CTrayWnd;

class CTestAccess {
public:
    // Runs run instead of showing the start-up logo.
    static void SetLogoRunner(CTrayWnd& tray, std::function<void()> run);
    static void SetClickInterval(CTrayWnd& tray, int ms);

    // The next file dialog answers with fileName (empty: Cancel), or with
    // what answer returns when it is asked (it may act while the dialog
    // would be open).
    static void QueueFileAnswer(const QString& fileName);
    static void QueueFileAnswer(std::function<QString()> answer);
    static int QueuedFileAnswers();
    static void ClearFileAnswers();

    // Whether a safe write may make its new file unnamed; off, it is named
    // from the first, as on a file system without unnamed files.
    static void SetUnnamedFiles(bool use);
};
