#include "print/SheetRecordRows.h"

#include "grades/SheetTexts.h"

namespace miravel {

const char* const kRecordRowMark = "記録：";

StudentSheet WithRecordRows(const StudentSheet& student)
{
    StudentSheet rows = student;
    for (SheetSubject& subject : rows.subjects)
        for (const SheetRecord& record : subject.records) {
            SheetTest row;
            row.semester = record.period;
            row.date = SheetTestDate(record.date);
            row.title = kRecordRowMark + (record.title.empty() ? std::string("（題名なし）") : record.title);
            // An empty value is a record not yet made: "－" as for a test without points.
            row.parts[record.viewpoint].points = record.value.empty() ? std::string("－") : record.value;
            subject.tests.push_back(row);
        }
    return rows;
}

} // namespace miravel
