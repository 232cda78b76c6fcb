#include "mainwindow/RunWindow.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "mainwindow/Pictures.h"
#include "mainwindow/frmMain.h"
#include "platform/JapaneseFonts.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslations.h"

#include <QApplication>

namespace miravel {

int RunWindow(QApplication& app, const QString& fileToOpen, const std::function<void(frmMain&)>& plugIn)
{
    QApplication::setApplicationName(QStringLiteral("Miravel"));
    // Lets the desktop match the window to miravel.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("miravel"));
    QApplication::setWindowIcon(ApplicationIcon());
    InstallJapaneseFonts(app);
    InstallJapaneseQtTexts(app);
    QtPlatform platform;
    frmMain window(platform);
    if (plugIn)
        plugIn(window);
    InitDefaults(Book());
    window.show();
    if (!fileToOpen.isEmpty())
        window.openFile(fileToOpen);
    return app.exec();
}

} // namespace miravel
