#include "mainwindow/RunWindow.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/FileError.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/Pictures.h"
#include "mainwindow/SessionEnd.h"
#include "mainwindow/frmMain.h"
#include "platform/JapaneseFonts.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslations.h"

#include <QApplication>

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
    bool ended = false;
    EndWithTheSession(app, window, ended);
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
