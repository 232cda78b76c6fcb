#pragma once
// Miravel.exe is a window program, so Windows gives it no console. A
// headless command started from a command prompt writes to that prompt's
// console instead (UTF-8, as everywhere); output into a file or a pipe is
// left as it is. Nothing to do on other systems.

namespace miravel {

void UseParentConsole();

} // namespace miravel
