#pragma once
// The program's command-line face: options that work without any display.

#include <optional>
#include <string>
#include <vector>

namespace miravel {

struct CommandLine {
    enum class Action { Window, Help, Check, ExportCsv, Error } action = Action::Window;
    std::string file;       // the grade book
    std::string output;     // --export-csv OUT
    std::string view;       // --view VIEW
    std::string error;      // what is wrong with the arguments
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Runs a headless action and returns its exit code; writes to the streams
// given so tests can read them.
int RunHeadless(const CommandLine& command, std::string& out, std::string& err);

extern const char* const kUsage;

} // namespace miravel
