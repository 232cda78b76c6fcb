#pragma once
// 学年の集計 on A4 landscape: the table (counts and shares, marked cells,
// the lines saying why) a page per run of subjects that fits; or the list of
// students the meeting talks about. Only the students' pages carry names.

#include "grades/GradeSummary.h"
#include "print/PageLayout.h"
#include "print/TablePage.h"

#include <string>
#include <vector>

namespace miravel {

// Light yellow behind a marked cell; the share also gets a "◆".
constexpr Rgb kMarkTint = 0xFFF0A0;

// The rows [first, end) each page of the table holds: a subject moves to
// the next page whole when it does not fit, unless it is taller than a page
// by itself; then it breaks between rows.
struct SummaryPageRows {
    int first = 0;
    int end = 0;
    bool operator==(const SummaryPageRows& o) const { return first == o.first && end == o.end; }
};
std::vector<SummaryPageRows> SummaryPageRowRanges(const GradeSummary& summary, const PrintArea& area);

// The table: the title, each book's method and the warnings on the first
// page, the header on every page, a subject's rows never split unless the
// subject alone is taller than a page, then the lines saying why.
PageDocument LayoutGradeSummaryPages(const GradeSummary& summary, const PrintArea& area, const std::string& date);

// The students: 組, 出席番号, 氏名, 教科 and what is talked about, a line each.
PageDocument LayoutSummaryStudentPages(const GradeSummary& summary, const PrintArea& area, const std::string& date);

} // namespace miravel
