#pragma once
// --grade-summary OUT --period M BOOK...: 学年の集計 of several class books
// as CSV, the table the window's first tab shows.

#include "app/CommandLine.h"

#include <string>

namespace miravel {

// What is missing among the options; empty when nothing is.
std::string GradeSummaryOptionsError(const CommandLine& command);

// Reads every book (protected ones take one password line each from
// standard input with --password-stdin, in the order given) and writes OUT
// through the safe writer. Exit code 1, naming the book, when one cannot be
// read; nothing is written then.
int GradeSummaryCommand(const CommandLine& command, std::string& out, std::string& err);

} // namespace miravel
