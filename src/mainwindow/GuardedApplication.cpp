#include "mainwindow/GuardedApplication.h"

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
        reporter_(error.what());
    } catch (...) {
        reporter_("unknown error");
    }
    return false;
}

} // namespace miravel
