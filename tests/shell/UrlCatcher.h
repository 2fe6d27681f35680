#pragma once
// Takes the addresses the program asks the desktop to open, instead of a
// browser, while it lives.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class CUrlCatcher : public QObject {
    Q_OBJECT
public:
    CUrlCatcher() {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
    }
    ~CUrlCatcher() override {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};
