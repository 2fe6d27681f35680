// Orrindale: one copy per user runs in the tray; a later copy passes its
// command line to it and ends.
#include "shell/CalendarApp.h"
#include "shell/CommandLine.h"
#include "shell/PlatformChoice.h"
#include "shell/SingleInstance.h"
#include "shell/StartupLog.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    CStartupLog::Mark("main");
    const CCommandLine commandLine(argc, argv);
    CSingleInstance instance(CSingleInstance::DefaultName());
    if (!instance.TryLock()) {
        // A later copy needs no display: it only talks to the running one.
        QCoreApplication app(argc, argv);
        return instance.Notify(QString::fromStdString(commandLine.Text())) ? 0 : 1;
    }
    // Chosen before the application exists: it connects to the window system.
    CPlatformArguments qtArguments(argc, argv, CPlatformChoice::FromEnvironment());
    CCalendarApp app(qtArguments.Count(), qtArguments.Values());
    if (!app.InitInstance(commandLine, instance)) return 1;
    const int result = CCalendarApp::exec();
    // Saved by now: later copies waiting on "exit" may go.
    instance.Release();
    return result;
}
