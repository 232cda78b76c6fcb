#include "editors/records/RecordBook.h"

namespace miravel {

RecordSheet SheetOf(const ClassRecords& records, int subject, int period)
{
    RecordSheet sheet;
    for (const ClassRecord& record : records.Of(subject, period)) {
        const bool points = record.kind == RecordKind::Points;
        RecordColumn column{{record.title, record.date, record.viewpoint, points, static_cast<int>(record.full)}, {}};
        for (int i = 0; i < kRecordStudents; ++i)
            column.values.push_back(RecordValueText(record.kind, record.values[i]));
        sheet.columns.push_back(std::move(column));
    }
    return sheet;
}

void StoreSheet(ClassRecords& records, int subject, int period, const RecordSheet& sheet)
{
    std::vector<ClassRecord> stored;
    for (const RecordColumn& column : sheet.columns) {
        ClassRecord record;
        record.title = column.heading.title;
        record.date = column.heading.date;
        record.viewpoint = column.heading.viewpoint;
        record.kind = column.heading.points ? RecordKind::Points : RecordKind::Mark;
        record.full = column.heading.points ? column.heading.full : kMarkFullPoints;
        for (std::size_t i = 0; i < column.values.size() && i < static_cast<std::size_t>(kRecordStudents); ++i) {
            double value = kRecordEmpty;
            // The grid let only readable values in.
            if (ReadRecordValue(record.kind, record.full, column.values[i], value))
                record.values[static_cast<int>(i)] = value;
        }
        stored.push_back(std::move(record));
    }
    records.Of(subject, period) = std::move(stored);
}

std::string RecordsPlaceName(const GradeDocument& book, int subject, int period)
{
    return RecordSubjectName(book, subject) + " " + book.SemesterNames[period] + "の平常の記録";
}

bool RegisterRecords(GradeBook& book, int subject, int period, const RecordSheet& sheet)
{
    ClassRecords records = book.Evaluation.Records;
    StoreSheet(records, subject, period, sheet);
    if (records == book.Evaluation.Records)
        return false;
    book.Evaluation.Records = std::move(records);
    book.MarkChanged(RecordsPlaceName(book, subject, period) + "の登録");
    return true;
}

} // namespace miravel
