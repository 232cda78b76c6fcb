#include "app/CommandLine.h"
#include "app/PrintPdf.h"
#include "editors/Editors.h"
#include "file/FileError.h"
#include "mainwindow/GuardedApplication.h"
#include "mainwindow/RunWindow.h"
#include "mainwindow/StudentSheetPrintCommand.h"
#include "platform/FileLayerPath.h"
#include "platform/ParentConsole.h"
#include "platform/ProgramArguments.h"
#include "platform/QtPlatform.h"
#include "mainwindow/TablePrintCommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

namespace {

// A script reading the output must not be told "done" when the output was
// lost (a full disk, a closed pipe).
bool writeStandardOutput(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written && !std::ferror(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> args = miravel::ProgramArguments(argc, argv);
        miravel::CommandLine command = miravel::ParseCommandLine(args);
        if (command.action == miravel::CommandLine::Action::Versions ||
            command.action == miravel::CommandLine::Action::Protect) {
            QCoreApplication::setApplicationName(QStringLiteral("Miravel"));
            command.dataFolder = miravel::FileLayerPath(miravel::StandardDataFolder());
        }
        if (command.action != miravel::CommandLine::Action::Window)
            miravel::UseParentConsole();
        if (command.action == miravel::CommandLine::Action::PrintPdf)
            return miravel::PrintPdfWithoutDisplay(argc, argv, command);
        if (command.action != miravel::CommandLine::Action::Window) {
            std::string out, err;
            int code = miravel::RunHeadless(command, out, err);
            if (!writeStandardOutput(out)) {
                err += "標準出力に書き込めません。\n";
                code = 1;
            }
            std::cerr << err;
            return code;
        }
#ifndef _WIN32
        // Qt would abort with a message of its own; say it plainly instead.
        // (Windows always has its desktop.)
        if (!miravel::DisplayAvailable(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                       std::getenv("WAYLAND_DISPLAY"))) {
            std::cerr << miravel::kNoDisplay;
            return 1;
        }
#endif
        miravel::GuardedApplication app(argc, argv);
        return miravel::RunWindow(app, QString::fromStdString(command.file), [](miravel::frmMain& window) {
            miravel::RegisterEditors(window);
            miravel::RegisterTablePrinting(window);
            miravel::RegisterSheetPrinting(window);
        });
    } catch (const std::exception& error) {
        std::cerr << "内部エラーのため終了します（" << miravel::ExceptionText(error) << "）。\n";
    } catch (...) {
        std::cerr << "内部エラーのため終了します。\n";
    }
    return 1;
}
