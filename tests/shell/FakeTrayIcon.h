#pragma once
// A notification area for tests: it can be there or not, records when the
// icon comes and goes, and lets the test click the icon.

#include "shell/TrayIconHost.h"

#include <functional>
#include <string>
#include <vector>

class CFakeTrayIcon : public CTrayIconHost {
    Q_OBJECT
public:
    CFakeTrayIcon(std::vector<std::string>& log, bool available)
        : m_log(log), m_bAvailable(available) {}

    bool IsAvailable() const override { return m_bAvailable; }
    bool Add(const QIcon& icon, const QString& tip) override {
        m_log.push_back("icon added");
        m_bShown = m_bAvailable && !icon.isNull();
        m_strTip = tip;
        return m_bShown;
    }
    void Remove() override {
        if (m_bShown) m_log.push_back("icon removed");
        m_bShown = false;
    }
    bool IsShown() const override { return m_bShown; }
    void WaitUntilDrawn(int) override {
        m_log.push_back("icon drawn");
        if (whileDrawing) whileDrawing();
    }

    // Runs while the tray waits for the icon to reach the screen.
    std::function<void()> whileDrawing;

    void SetAvailable(bool available) { m_bAvailable = available; }
    QString Tip() const { return m_strTip; }

private:
    std::vector<std::string>& m_log;
    bool m_bAvailable;
    bool m_bShown = false;
    QString m_strTip;
};
