#pragma once
// What a student's sheet (個人成績表) shows, as plain data: per subject and
// viewpoint the figure and letter of every period up to the one chosen, the
// tests of those periods with the student's points, and the texts that
// explain them to a parent. Letters and 評定 are the evaluation list's; the
// printed page is laid out from this (print/StudentSheetPage.h).

#include "core/GradeBook.h"

#include <array>
#include <string>
#include <vector>

namespace miravel {

// Periods on the sheet: the semesters, then the year (通年).
constexpr int kSheetPeriods = kPeriods;

// One viewpoint in one period.
struct SheetMark {
    // Criterion mode: the share of the full marks ("85.0"); relative mode:
    // the average as the view shows it ("72.5"). A leading "*" marks a test
    // the student missed.
    std::string figure;
    std::string rank;          // relative mode: the view's rank
    std::string letter;        // "A", "B", "C", or "" (no evaluation)
    std::string classAverage;  // relative mode: the view's class average
};

struct SheetViewpoint {
    std::string name;
    std::array<SheetMark, kSheetPeriods> marks;
};

// One viewpoint of a test: the points over the full marks ("26/30"),
// "欠席", "－" for a test without the student's points, or "" where the
// test does not assess the viewpoint; the class average beside them.
struct SheetTestPart {
    std::string points;
    std::string classAverage;
};

struct SheetTest {
    int semester = 0;
    std::string date;   // "6月19日", or the date text as typed
    std::string title;
    std::array<SheetTestPart, kViewpoints> parts;
};

// One record (平常の記録) of the periods shown: its value for the student
// ("◎", "7/10", "欠席", or "" when not yet recorded).
struct SheetRecord {
    int period = 0;
    std::string date;
    std::string title;
    int viewpoint = 0;
    std::string value;
    bool operator==(const SheetRecord& o) const
    {
        return period == o.period && date == o.date && title == o.title && viewpoint == o.viewpoint && value == o.value;
    }
};

struct SheetSubject {
    std::string name;
    std::array<SheetViewpoint, kViewpoints> viewpoints;
    std::array<std::string, kSheetPeriods> grade;  // 評定 "1".."3", or ""
    std::string cuts;  // criterion mode: its cut percentages
    std::vector<SheetTest> tests;  // of the periods shown, by semester and date
    std::vector<SheetRecord> records;  // of the periods shown, in the teacher's order
};

struct StudentSheet {
    int number = 0;  // attendance number
    std::string name;
    std::array<SheetSubject, kRecordSubjects> subjects;  // 6..9: those without tests
    // Why an evaluation is missing: "算数：前期の試験をすべて欠席".
    std::vector<std::string> missing;
};

struct ClassSheets {
    std::string caption;    // the class caption line
    std::string title;      // "個人成績表（二学期まで）"
    std::string className;  // year, grade and class
    std::string teacher;
    bool criterion = false;
    bool grades = true;     // grades 1 and 2 get no 評定
    std::array<std::string, kSheetPeriods> periodNames;
    std::vector<int> periods;  // the period columns, in order
    std::vector<int> subjects; // those with a test in these periods, then 7..10 with records
    std::string unrecorded;    // "記録のない教科：家庭", or ""
    std::vector<std::string> legend;
    std::vector<StudentSheet> students;
};

// Period argument meaning "the latest with data".
constexpr int kLatestSheetPeriod = -1;

// The sheets of the attendance numbers given (only those with a name, in
// the order given), up to `lastPeriod` (0..2 a semester, 3 通年). Draws the
// views on a scratch table; the selection of the book is left as it was.
ClassSheets GatherStudentSheets(GradeBook& book, const std::vector<int>& numbers,
                                int lastPeriod = kLatestSheetPeriod);

// The period columns of a sheet up to `lastPeriod`: the book's semesters up
// to it, then 通年 when it is 3.
std::vector<int> SheetPeriods(const GradeDocument& book, int lastPeriod);

// The latest semester with a test, or 通年 once the last one has one (or
// when there is none at all).
int LatestSheetPeriod(const GradeDocument& book);

// Every named student, in number order.
std::vector<int> NamedStudents(const GradeBook& book);

// A date in the Japanese era: 令和8年12月7日 for 2026-12-07, 令和元年 for
// 2019, 平成 before May 2019.
std::string EraDate(int year, int month, int day);

} // namespace miravel
