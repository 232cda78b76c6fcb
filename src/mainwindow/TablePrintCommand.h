#pragma once
// The main window's print command (画面の表を印刷): the printer dialog, then
// the shown table on the printer chosen there or in page setup.

#include "print/PageLayout.h"

#include <string>

namespace miravel {

class frmMain;

// Plugs the print command into the window's print menu item and button.
void RegisterTablePrinting(frmMain& window);

// Prints the table the window shows. A cancelled printer dialog prints
// nothing and says nothing; a failure is reported in a message box.
void PrintShownTable(frmMain& window);

// The end of every print command, after the printer dialog: the pages on the
// printer chosen, or through the safe writer when it prints to a PDF file
// (never over the open grade book or its backup). Failures are reported in
// a message box.
void PrintOnChosenPrinter(frmMain& window, const PageDocument& pages, const std::string& title);

} // namespace miravel
