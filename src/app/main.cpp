#include "app/CommandLine.h"
#include "editors/Editors.h"
#include "mainwindow/GuardedApplication.h"
#include "mainwindow/RunWindow.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const miravel::CommandLine command = miravel::ParseCommandLine(args);
    if (command.action != miravel::CommandLine::Action::Window) {
        std::string out, err;
        const int code = miravel::RunHeadless(command, out, err);
        std::cout << out;
        std::cerr << err;
        return code;
    }
    // Qt would abort with a message of its own; say it plainly instead.
    if (!miravel::DisplayAvailable(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                   std::getenv("WAYLAND_DISPLAY"))) {
        std::cerr << miravel::kNoDisplay;
        return 1;
    }
    miravel::GuardedApplication app(argc, argv);
    return miravel::RunWindow(app, QString::fromStdString(command.file), miravel::RegisterEditors);
}
