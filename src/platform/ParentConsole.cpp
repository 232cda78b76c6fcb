#include "platform/ParentConsole.h"

#ifdef _WIN32
#include <cstdio>
#include <windows.h>
#endif

namespace miravel {

void UseParentConsole()
{
#ifdef _WIN32
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        return; // a file or a pipe: the caller reads it
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started without a console: nowhere to write
    ::SetConsoleOutputCP(CP_UTF8);
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
#endif
}

} // namespace miravel
