#include "mainwindow/GuardedApplication.h"

#include "file/FileError.h"

#include <QMessageBox>
#include <exception>

namespace miravel {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    reporter_ = [](const std::string& what) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Miravel"),
                              QStringLiteral("内部エラーのため操作を中止しました。\n%1").arg(QString::fromStdString(what)));
    };
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reporter_(ExceptionText(error));
    } catch (...) {
        reporter_("不明なエラー");
    }
    return false;
}

} // namespace miravel
