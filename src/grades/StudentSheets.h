#pragma once
// What a student's sheet (個人成績表) shows, gathered from the tables the main
// window draws: per subject and viewpoint the averages and letters of every
// period exactly as the semester and year-round views write them, with the
// class averages beside them. Plain data; the printed page is laid out from
// it (print/StudentSheetPage.h).

#include "core/GradeBook.h"

#include <array>
#include <string>
#include <vector>

namespace miravel {

// Periods on the sheet: the semesters, then the year (通年).
constexpr int kSheetPeriods = kPeriods;

struct SheetViewpoint {
    std::string name;
    std::array<std::string, kSheetPeriods> average;       // as the view shows it ("72.5", "*70.0", "")
    std::array<std::string, kSheetPeriods> letter;        // "A", "B", "C" or ""
    std::array<std::string, kSheetPeriods> classAverage;  // the view's class-average row
};

struct SheetSubject {
    std::string name;
    std::array<SheetViewpoint, kViewpoints> viewpoints;
    std::array<std::string, kSheetPeriods> grade;  // 評定 "1".."3", or ""
};

struct StudentSheet {
    int number = 0;  // attendance number
    std::string name;
    std::array<SheetSubject, kSubjects> subjects;
};

struct ClassSheets {
    std::string caption;  // the class caption line
    std::array<std::string, kSheetPeriods> periodNames;
    std::array<bool, kSheetPeriods> periodShown{};  // a hidden semester leaves its columns out
    std::vector<StudentSheet> students;
};

// The sheets of the attendance numbers given (only those with a name, in
// the order given). Draws the views on a scratch table; the selection of
// the book is left as it was.
ClassSheets GatherStudentSheets(GradeBook& book, const std::vector<int>& numbers);

// Every named student, in number order.
std::vector<int> NamedStudents(const GradeBook& book);

} // namespace miravel
