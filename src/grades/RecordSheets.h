#pragma once
// The records' part of a student's sheet: each subject's records with the
// student's values, the figures that count them, and subjects 7..10.

#include "grades/StudentSheets.h"

#include <string>

namespace miravel {

// The share a criterion letter compares, tests and records combined
// ("78.7", "*66.6" when the student missed one); empty without evidence.
std::string RecordSheetFigure(const GradeDocument& book, int number, int subject, int viewpoint, int period);

// The student's value in a record as the sheet shows it: "◎", "7/10",
// "欠席", or "" when not yet recorded.
std::string SheetRecordValue(const ClassRecord& record, int number);

// Fills every sheet's records, then adds the subjects that have records
// but no test in the periods shown: 7..10, and by the criteria the book's
// own (the others are named with the subjects without records). Letters
// and 評定 are already the evaluation list's.
void AddRecordSheets(const GradeBook& book, ClassSheets& sheets);

} // namespace miravel
