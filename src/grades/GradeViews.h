#pragma once
// The grade tables of the main window. Each draws the table for the current
// selection of the book (CurrentSubject, CurrentSemester, CurrentTest,
// CurrentViewpoint) into the pane and sets ShownColumnCount.

#include "core/GradeBook.h"
#include "grades/TablePane.h"

#include <string>

namespace miravel {

void ShowTestView(GradeBook& book, TablePane& pane);
void ShowSemesterView(GradeBook& book, TablePane& pane);
void ShowYearRoundView(GradeBook& book, TablePane& pane);
void ShowViewpointView(GradeBook& book, TablePane& pane);

// Header of a test column in the viewpoint view: the title with pairs of
// blanks made single and every blank a line break ("\r"), then "\r" and
// the date text.
std::string TestColumnHeader(const std::string& title, const std::string& date);

} // namespace miravel
