#pragma once
// 個人成績表を印刷: the teacher chooses one student or the whole class, then
// the printer dialog; the sheets go to the printer (or a PDF) chosen there.

namespace miravel {

class frmMain;

// Plugs the command into the window's menu item.
void RegisterSheetPrinting(frmMain& window);

// Asks whose sheets to print, then prints them. Cancelling either dialog
// prints nothing and says nothing.
void PrintStudentSheets(frmMain& window);

} // namespace miravel
