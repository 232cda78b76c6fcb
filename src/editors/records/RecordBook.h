#pragma once
// Between the book's records and the grid's working copy: the copy a grid
// opens on, its registration as one undo step, and the heading it shows
// (the names of a subject 1..10 and its viewpoints are RecordEvaluation's).

#include "core/GradeBook.h"
#include "core/RecordEvaluation.h"
#include "editors/records/RecordSheet.h"

#include <string>

namespace miravel {

// The records of `subject` (0..9) in `period` (0..2) as the grid edits them,
// a value per 出席番号 1..40.
RecordSheet SheetOf(const ClassRecords& records, int subject, int period);

// The sheet in place of those records; nothing else changes.
void StoreSheet(ClassRecords& records, int subject, int period, const RecordSheet& sheet);

// 算数 一学期の平常の記録: the grid's heading and the undo step's name
// (with 「の登録」).
std::string RecordsPlaceName(const GradeDocument& book, int subject, int period);

// Writes the sheet into the book and marks the change as one undo step.
// False (and nothing written) when the sheet equals the stored records.
bool RegisterRecords(GradeBook& book, int subject, int period, const RecordSheet& sheet);

} // namespace miravel
