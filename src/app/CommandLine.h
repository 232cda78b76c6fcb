#pragma once
// The program's command-line face: options that work without any display.

#include "core/GradeBook.h"
#include "grades/TablePane.h"

#include <optional>
#include <string>
#include <vector>

namespace miravel {

struct CommandLine {
    enum class Action { Window, Help, Check, CheckGrades, ExportCsv, ExportHandoff, PrintPdf, Versions, Protect, Unprotect,
                        GradeSummary, Error } action = Action::Window;
    std::string file;       // the grade book
    std::string output;     // --export-csv OUT, --print-pdf OUT, --export-handoff OUT, --protect OUT, --unprotect OUT
    bool passwordStdin = false; // the password is the first line of standard input
    std::string view;       // --view VIEW
    std::string error;      // what is wrong with the arguments
    std::string dataFolder; // --versions: the per-user data folder, set by main
    std::string profile;    // --export-handoff: --profile PROFILE
    std::string period;     // --export-handoff: --period M
    bool force = false;     // --export-handoff: write despite the checks' findings
    std::vector<std::string> books; // --grade-summary: every book, in the order given
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Runs a headless action and returns its exit code; writes to the streams
// given so tests can read them. --print-pdf draws with Qt and runs through
// RunPrintPdf (app/PrintPdf.h) instead.
int RunHeadless(const CommandLine& command, std::string& out, std::string& err);

// True, with a message in `err`, when OUT would overwrite FILE or its backup.
bool RefuseOutputOntoBook(const CommandLine& command, std::string& err);

// The line that says OUT was written although its old content could not be
// kept as a backup; empty when the backup was made.
std::string BackupMissingNote(const std::string& output, bool backupMissing);

// Opens FILE as the window's Open does. False, with a message in `err`, for
// a file that is not a grade book.
bool OpenCommandBook(const CommandLine& command, GradeBook& book, std::string& err);

// Opens FILE and draws the table of VIEW into `pane`, as the window shows it
// after Open and a click on that node. False, with a message in `err`, for a
// bad FILE or VIEW.
bool DrawCommandView(const CommandLine& command, GradeBook& book, TablePane& pane, std::string& err);

extern const char* const kUsage;

// Said on stderr when the window is asked for on a machine without a display.
extern const char* const kNoDisplay;

// Whether the window can be shown: a platform named for Qt (QT_QPA_PLATFORM,
// offscreen for instance) is taken as it is, otherwise an X or Wayland display
// must be named. Null or empty values count as absent.
bool DisplayAvailable(const char* qtPlatform, const char* x11Display, const char* waylandDisplay);

} // namespace miravel
