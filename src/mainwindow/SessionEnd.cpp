#include "mainwindow/SessionEnd.h"

#include "file/SystemCalls.h"
#include "mainwindow/frmMain.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>

namespace miravel {

void EndWithTheSession(QGuiApplication& app, frmMain& window, bool& ended)
{
    const auto end = [&window, &ended] {
        ended = true;
        window.EndWithoutQuestions();
        // A message box left open has an event loop of its own: every loop
        // is ended, also one running before the program's own has started
        // (with none running, RunWindow sees `ended`).
        if (QThread::currentThread()->loopLevel() > 0)
            QCoreApplication::exit(0);
    };
    const int endRequests = EndRequestDescriptor();
    if (endRequests >= 0) {
        auto* notifier = new QSocketNotifier(static_cast<qintptr>(endRequests), QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [endRequests, end] {
            char drained[16];
            while (Sys().read(endRequests, drained, sizeof drained) > 0) {
            }
            end();
        });
    }
#ifdef Q_OS_WIN
    // Only on Windows: a Linux session manager also asks when it merely
    // saves the session.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [end](QSessionManager&) { end(); });
#else
    (void)app;
#endif
}

} // namespace miravel
