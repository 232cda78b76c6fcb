#pragma once
// The words of 学年の集計: class names, each book's method, the warnings,
// why a class is marked, counts with their shares, and the table as CSV.

#include "grades/GradeSummary.h"

#include <string>
#include <vector>

namespace miravel {

// Per book: its class name; the file name beside it when the name is empty
// or another book's too ("1組（3年1組.txt）").
std::vector<std::string> ClassNames(const std::vector<SummaryBook>& books);

// The period's name in every book, joined with "／" when they differ.
std::string SummaryPeriodName(const std::vector<SummaryBook>& books, int period);

// "相対評価、評定 3 は 2.50 以上・1 は 1.50 未満" or
// "目標準拠評価（A 80%以上・C 50%未満）、評定 ..."; cut points that differ
// between viewpoints are given as their range.
std::string MethodText(const GradeBook& book);

// A line for each thing the books do not share: mode, 評定 cut points,
// grade and school year, naming the classes of each kind.
std::vector<std::string> SummaryWarnings(const std::vector<SummaryBook>& books,
                                         const std::vector<std::string>& classNames);

// Why a class is marked: "算数 思考・判断・表現：2組の A 70.0%（40人中28人）は
// ほかの組の 30.0%（120人中36人）より 40.0ポイント多い".
std::string MarkLine(const GradeSummary& summary, const SummaryMark& mark);

// A share of `named` in percent with one decimal, rounded half up: "30.0%";
// "－" when nobody is named.
std::string ShareText(int count, int named);

// The table as CSV: UTF-8 with a byte-order mark, CR LF line ends; counts
// only, no student names.
std::string SummaryCsv(const GradeSummary& summary);

// The 観点 column as the window and the page show it: a 評定 row names
// what its four columns count, "評定（3・2・1・なし）".
std::string RowLabel(const SummaryRow& row);

// Whether book `book`'s column `column` (0 A, 2 C) on row `row` is marked.
bool IsMarked(const GradeSummary& summary, int row, int book, int column);

// What the meeting talks about: "評定 1" or "評価なし（理解、言語）".
std::string ConcernText(const SummaryStudent& student);

// The 出席番号 column: the number, or "全員" for a line about the whole class.
std::string NumberText(const SummaryStudent& student);

// The four column names of a row: A, B, C, 評価なし or 3, 2, 1, なし.
const std::vector<std::string>& TallyHeads(bool gradeRow);

} // namespace miravel
