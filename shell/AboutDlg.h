#pragma once
// The about box: the program's icon, its name and its version.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString NameText();
    static QString VersionText();
};
