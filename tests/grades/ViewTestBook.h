#pragma once
// A small class used by the view tests: attendance numbers 1..5 where number 3
// has transferred out, so 4 students are enrolled.

#include "support/Books.h"
#include "grades/GridBase.h"
#include "grades/TablePane.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace miravel::testing {

inline std::unique_ptr<GradeBook> MakeClassOfFive()
{
    return test::ClassBook({"青木", "井上", "", "江藤", "大野"}, {"2024", "5年", "2組", "山田"});
}

// A roster of n named students, numbers 1..n.
inline std::unique_ptr<GradeBook> MakeClassOf(int n)
{
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i)
        names.push_back("生徒" + std::to_string(i + 1));
    return test::ClassBook(names);
}

// Stores values for attendance numbers 1, 2, ... and the class average.
inline void StoreValues(GradeBook& book, int slot, std::initializer_list<float> values, float average)
{
    int column = 0;
    for (float value : values)
        book.Scores[slot][column++] = value;
    book.Scores[slot][kAverageColumn] = average;
}

inline void SetCounts(GradeBook& book, int period, int subject, int viewpoint, int countA, int countC)
{
    book.RankCountA[period][subject * kViewpoints + viewpoint] = static_cast<Integer>(countA);
    book.RankCountC[period][subject * kViewpoints + viewpoint] = static_cast<Integer>(countC);
}

// The class of five with the first semester of 国語 summed up: flagged
// values, an absence, averages that differ only beyond the shown decimal,
// and A/C counts for two viewpoints (the table of semester_view.csv).
inline std::unique_ptr<GradeBook> SemesterTableBook()
{
    auto book = MakeClassOfFive();
    StoreValues(*book, SemesterSummarySlot(0, 0, 0), {80, 10072.5f, 99, -2, 72.5f}, 75);
    StoreValues(*book, SemesterSummarySlot(0, 0, 1), {72.33f, 72.34f, 99, 90, -1}, 78.2f);
    StoreValues(*book, SemesterSummarySlot(0, 0, 2), {50, 60, 99, 70, 80}, 65);
    StoreValues(*book, SemesterSummarySlot(0, 0, 3), {10072.3f, 72.3f, 99, -2, 65}, 68.33f);
    SetCounts(*book, 0, 0, 0, 1, 2);
    SetCounts(*book, 0, 0, 2, 0, 1);
    return book;
}

// As the main window does it: base set-up first, then the view.
template <class View>
void Draw(View view, GradeBook& book, TablePane& pane)
{
    MSFlexGrid1_init(book, pane.Grid);
    view(book, pane);
}

// Column `col` of rows 1..StudentCount, joined with "|".
inline std::string ColumnTexts(const GradeBook& book, const TextGrid& grid, int col)
{
    std::string out;
    for (int row = 1; row <= book.StudentCount; ++row)
        out += (row > 1 ? "|" : "") + grid.TextMatrix(row, col);
    return out;
}

} // namespace miravel::testing
