#include "platform/ProgramArguments.h"

#ifdef _WIN32
#include <QString>

#include <windows.h>
#include <shellapi.h>
#endif

namespace miravel {

#ifdef _WIN32
// argv is in the ANSI code page there, where a name like 3年1組.txt may
// already be lost; the wide command line (the one QCoreApplication::arguments()
// reads) holds every character, and is there before any application object.
std::vector<std::string> ProgramArguments(int, char**)
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(QString::fromWCharArray(wide[i]).toStdString());
    ::LocalFree(wide);
    return args;
}
#else
std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

} // namespace miravel
