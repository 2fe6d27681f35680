#pragma once
// The program's window on desktops without a notification area: the tray
// menu's commands as buttons, so the program is never running out of reach.
// Closing it ends the program, unless a tray icon has appeared meanwhile,
// which then is the way back in.

#include <QWidget>

#include <functional>

class CTrayCommands;

class CCommandWnd : public QWidget {
    Q_OBJECT
public:
    // hasIcon tells whether closing may merely hide the window; exit ends the program.
    CCommandWnd(const CTrayCommands& commands, std::function<bool()> hasIcon,
                std::function<void()> exit);

    // Shows the window in front of the others.
    void BringForward();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> m_hasIcon;
    std::function<void()> m_exit;
};
