#pragma once
// Starts the window side of the program: the main window, its defaults and,
// when given, the file to open at start. Returns the program's exit code.

#include <QApplication>
#include <QString>

namespace miravel {

int RunWindow(QApplication& app, const QString& fileToOpen);

} // namespace miravel
