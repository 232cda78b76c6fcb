#pragma once
// The program's arguments (without its own name) as UTF-8, for the command
// line and the headless commands alike.

#include <string>
#include <vector>

namespace miravel {

std::vector<std::string> ProgramArguments(int argc, char** argv);

} // namespace miravel
