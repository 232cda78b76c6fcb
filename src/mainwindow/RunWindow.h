#pragma once
// Starts the window side of the program: the main window, its defaults and,
// when given, the file to open at start. Returns the program's exit code.

#include <QApplication>
#include <QString>

#include <functional>

namespace miravel {

class frmMain;

// `plugIn` adds the editors and printing to the main window before it is shown.
int RunWindow(QApplication& app, const QString& fileToOpen, const std::function<void(frmMain&)>& plugIn = {});

} // namespace miravel
