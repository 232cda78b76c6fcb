#pragma once
// The grade tables of the main window. Each draws the table for the current
// selection of the book (CurrentSubject, CurrentSemester, CurrentTest,
// CurrentViewpoint) into the pane and sets ShownColumnCount.

#include "core/GradeBook.h"
#include "mainwindow/views/TablePane.h"

namespace miravel {

void ShowTestView(GradeBook& book, TablePane& pane);
void ShowSemesterView(GradeBook& book, TablePane& pane);
void ShowYearRoundView(GradeBook& book, TablePane& pane);
void ShowViewpointView(GradeBook& book, TablePane& pane);

} // namespace miravel
