#pragma once
// --print-pdf: the pages the print command would print, as a PDF file,
// drawn without any display.

#include "app/CommandLine.h"

#include <string>

namespace miravel {

// Lays out the table of VIEW with `dateText` as the printed date and writes
// the PDF to OUT. Needs a QGuiApplication with the font substitutions (see
// PrintPdfWithoutDisplay). Nothing is written for a bad FILE or VIEW.
int RunPrintPdf(const CommandLine& command, const std::string& dateText, std::string& out, std::string& err);

// The whole command as main runs it: a QGuiApplication on the offscreen
// platform for fonts and drawing, today's date in the user's short format,
// messages to stdout and stderr. Returns the exit code.
int PrintPdfWithoutDisplay(int& argc, char** argv, const CommandLine& command);

} // namespace miravel
