#include "mainwindow/RunWindow.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/FileError.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/Pictures.h"
#include "mainwindow/frmMain.h"
#include "platform/JapaneseFonts.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslations.h"

#include "file/SystemCalls.h"

#include <QApplication>
#include <QSocketNotifier>

#include <exception>

namespace miravel {

int RunWindow(QApplication& app, const QString& fileToOpen, const std::function<void(frmMain&)>& plugIn)
{
    QApplication::setApplicationName(QStringLiteral("Miravel"));
    // Lets the desktop match the window to jp.example.Miravel.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.example.Miravel"));
    QApplication::setWindowIcon(ApplicationIcon());
    InstallJapaneseFonts(app);
    InstallJapaneseQtTexts(app);
    QtPlatform platform;
    frmMain window(platform);
    if (plugIn)
        plugIn(window);
    InitDefaults(Book());
    // A logout or a shutdown ends the program: nothing unsaved is lost, no
    // question waits for an answer nobody will give.
    // A message box left open has an event loop of its own: every loop is
    // ended, also one running before the program's own has started.
    bool ended = false;
    const int endRequests = EndRequestDescriptor();
    if (endRequests >= 0) {
        auto* notifier = new QSocketNotifier(static_cast<qintptr>(endRequests), QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, &ended, endRequests] {
            char drained[16];
            while (Sys().read(endRequests, drained, sizeof drained) > 0) {
            }
            ended = true;
            window.EndWithoutQuestions();
            QCoreApplication::exit(0);
        });
    }
    window.show();
    // The event loop's guard is not running yet: whatever goes wrong while
    // opening the file named at start is reported here, and the window stays.
    if (!fileToOpen.isEmpty()) {
        try {
            window.openFile(fileToOpen);
        } catch (const std::exception& error) {
            platform.ShowMessage(&window,
                                 QString::fromUtf8(texts::kNotAGradeBook) + QLatin1Char('\n') + fileToOpen +
                                     QLatin1Char('\n') + QString::fromStdString(ExceptionText(error)),
                                 QString::fromUtf8(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
        }
    } else {
        window.OfferRecovery();
    }
    return ended ? 0 : app.exec();
}

} // namespace miravel
