#pragma once
// The records in a sheet's list of tests (試験の記録): after a subject's
// tests, each record is a row with its value under its viewpoint.

#include "grades/StudentSheets.h"

namespace miravel {

// The title a record's row carries, so a parent tells it from a test.
extern const char* const kRecordRowMark;  // "記録："

// The student's sheet with every subject's records appended to its tests.
StudentSheet WithRecordRows(const StudentSheet& student);

} // namespace miravel
