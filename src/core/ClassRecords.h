#pragma once
// What a teacher observes beside the tests (平常の記録: ノート, 発表,
// 提出物 ...), the subjects that have no tests (7..10), and how much the
// records weigh against the tests in each viewpoint. Kept in the companion
// file; the book's own file has no room for any of it.

#include "core/CheckedArray.h"

#include <string>
#include <vector>

namespace miravel {

constexpr int kRecordSubjects = 10;   // the book's six, then four more
constexpr int kBookSubjects = 6;      // subjects 0..5 have tests
constexpr int kExtraSubjects = kRecordSubjects - kBookSubjects;
constexpr int kRecordViewpoints = 3;
constexpr int kRecordPeriods = 3;     // semesters; the year round sums them
constexpr int kRecordsPerPeriod = 20;
constexpr int kRecordStudents = 40;   // attendance number n at index n - 1
constexpr int kDefaultRecordWeight = 50;
constexpr int kMarkFullPoints = 3;    // ◎ ○ △ are 3, 2, 1 of 3

// A student's value in a record: points (a mark is 3, 2 or 1), or one of these.
constexpr double kRecordEmpty = -1.0;   // not yet recorded
constexpr double kRecordAbsent = -2.0;  // absent: counts in neither sum

enum class RecordKind { Mark, Points };

struct ClassRecord {
    ClassRecord() { values.fill(kRecordEmpty); }
    std::string title;
    std::string date;        // as typed, e.g. 2026/05/12
    int viewpoint = 0;       // 0..2
    RecordKind kind = RecordKind::Mark;
    double full = kMarkFullPoints;
    CheckedArray<double, kRecordStudents> values;

    bool operator==(const ClassRecord& o) const
    {
        return title == o.title && date == o.date && viewpoint == o.viewpoint && kind == o.kind && full == o.full &&
               values == o.values;
    }
    bool operator!=(const ClassRecord& o) const { return !(*this == o); }
};

// A subject 7..10: in use once it has a name.
struct ExtraSubject {
    ExtraSubject();
    std::string name;
    std::string viewpoints[kRecordViewpoints];

    bool InUse() const { return !name.empty(); }
    bool operator==(const ExtraSubject& o) const;
    bool operator!=(const ExtraSubject& o) const { return !(*this == o); }
};

struct ClassRecords {
    ClassRecords() { weights.fill(kDefaultRecordWeight); }
    // [subject * 3 + period], subject 0..9, period 0..2; at most 20 each.
    CheckedArray<std::vector<ClassRecord>, kRecordSubjects * kRecordPeriods> lists;
    CheckedArray<ExtraSubject, kExtraSubjects> extra;  // subjects 6..9
    // 記録の割合 in percent, [subject * 3 + viewpoint].
    CheckedArray<int, kRecordSubjects * kRecordViewpoints> weights;

    std::vector<ClassRecord>& Of(int subject, int period) { return lists[subject * kRecordPeriods + period]; }
    const std::vector<ClassRecord>& Of(int subject, int period) const
    {
        return lists[subject * kRecordPeriods + period];
    }
    int& Weight(int subject, int viewpoint) { return weights[subject * kRecordViewpoints + viewpoint]; }
    int Weight(int subject, int viewpoint) const { return weights[subject * kRecordViewpoints + viewpoint]; }

    bool operator==(const ClassRecords& o) const { return lists == o.lists && extra == o.extra && weights == o.weights; }
    bool operator!=(const ClassRecords& o) const { return !(*this == o); }
};

// The viewpoint names every subject starts with.
extern const char* const kDefaultViewpointNames[kRecordViewpoints];

// Subjects 0..5 are always in use; 6..9 when named.
bool RecordSubjectInUse(const ClassRecords& records, int subject);

// Whether a value counts in the sums: points or a mark, not absent or empty.
inline bool RecordValueCounts(double value) { return value >= 0; }

// Attendance number `student` (1-based)'s points in a record; negative
// (kRecordEmpty / kRecordAbsent) when it does not count.
double RecordPoints(const ClassRecord& record, int student);

// A student's records of one subject and viewpoint over a period (0..2, or
// 3 for all three): the points and full points of the records that count,
// how many counted, and whether the student was absent from one.
struct RecordSums {
    double points = 0;
    double fullPoints = 0;
    int count = 0;
    bool absent = false;
    bool any() const { return count > 0; }
};
RecordSums RecordTotals(const ClassRecords& records, int student, int subject, int viewpoint, int period);

// The text of a value in its kind: ◎ ○ △ for marks, the number for points,
// "*" for absent, empty for empty.
std::string RecordValueText(RecordKind kind, double value);

// Reads what a teacher typed or pasted into a cell: for marks ◎ ○ △, 3 2 1,
// a b c (either case); for points a number 0..full (decimals allowed);
// "*" or 欠 for absent; empty (or spaces) for empty. False when the text is
// none of these.
bool ReadRecordValue(RecordKind kind, double full, const std::string& text, double& value);

} // namespace miravel
