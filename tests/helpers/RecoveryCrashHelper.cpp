// A program for the crash test: opens the grade book named by its second
// argument with its recovery copies in its first (from arguments(): argv
// loses Japanese names on Windows), makes unsaved changes, says "ready" once
// their copy is written and then waits to be killed.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/RecoveryChanges.h"
#include "mainwindow/frmMain.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    miravel::ScriptedPlatform platform;
    const QStringList args = QCoreApplication::arguments();
    platform.dataFolder = args[1];
    miravel::frmMain window(platform);
    miravel::InitDefaults(miravel::Book());
    window.show();
    if (!window.openFile(args[2]))
        return 3;
    miravel::test::MakeUnsavedChanges(miravel::Book());
    miravel::Book().MarkChanged();
    QElapsedTimer waited;
    waited.start();
    while (window.Recovery().CopiesWritten() == 0) {
        if (waited.elapsed() > 20000)
            return 4;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
