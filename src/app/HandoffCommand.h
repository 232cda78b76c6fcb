#pragma once
// --export-handoff OUT --profile PROFILE --period M BOOK [--force]: the
// hand-off file of a period, written as the window's 提出用に書き出す does.

#include "app/CommandLine.h"

#include <string>
#include <vector>

namespace miravel {

// Reads the option at args[i] (--export-handoff, --profile, --period or
// --force) and its value, moving i past it; the reason when it cannot.
std::string ReadHandoffOption(const std::vector<std::string>& args, std::size_t& i, CommandLine& command);

// What is missing or out of place among the hand-off options; empty when
// nothing is.
std::string HandoffOptionsError(const CommandLine& command);

// Refuses with exit code 1 when the profile or the book cannot be read, the
// period is not the book's, or the checks find a problem (unless --force).
int ExportHandoffCommand(const CommandLine& command, std::string& out, std::string& err);

} // namespace miravel
