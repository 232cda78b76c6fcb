#pragma once
// 学年の集計: the classes of one grade side by side for one period. The
// letters and 評定 are each book's own evaluation list (EvaluatePeriod), so
// every count here equals what that class's 評価の一覧 shows.

#include "core/GradeBook.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace miravel {

// One class's book as read, in the order the teacher gave the books.
struct SummaryBook {
    std::string fileName;  // names the class where its class name is empty or shared
    const GradeBook* book = nullptr;
};

// Counts of named students: A, B, C and 評価なし on a viewpoint row; 3, 2, 1
// and なし on a 評定 row.
struct Tally {
    std::array<int, 4> counts{};
    int Named() const { return counts[0] + counts[1] + counts[2] + counts[3]; }
    bool operator==(const Tally& o) const { return counts == o.counts; }
};
constexpr int kTallyNone = 3;  // the column of 評価なし / なし

struct SummaryRow {
    std::string subject;
    std::string viewpoint;  // "評定" on a subject's 評定 row
    bool gradeRow = false;
    std::vector<std::optional<Tally>> classes;  // per book; empty where the book has no such row
    Tally grade;                                // the sum over the classes
    bool operator==(const SummaryRow& o) const;
};

// A class whose share of A (letter 0) or C (letter 2) on a viewpoint row is
// more than the margin away from the others' pooled share: the counts of all
// named students of the other classes on that row taken together. A class
// whose row has no letter at all (nothing evaluated yet) is neither marked
// nor counted among the others.
struct SummaryMark {
    int row = 0;
    int book = 0;
    int letter = 0;
    int count = 0, named = 0;             // the class
    int othersCount = 0, othersNamed = 0; // the other classes together
    bool operator==(const SummaryMark& o) const;
};

enum class StudentConcern {
    GradeOne,      // 評定 1 in a subject
    NoEvaluation,  // one or more viewpoints of a subject without a letter
    ThinEvidence,  // a letter resting on too little (根拠が少ない評価)
};

struct SummaryStudent {
    int book = 0;
    int number = 0;  // 出席番号; 0 for the whole class (a viewpoint nobody has a letter on yet)
    std::string name;
    std::string subject;
    StudentConcern concern = StudentConcern::GradeOne;
    std::string detail;  // the viewpoints without a letter joined with "、", or the thin letter's viewpoint
    bool operator==(const SummaryStudent& o) const;
};

struct GradeSummary {
    std::string periodName;               // "一学期", or "一学期／前期" when the books name it differently
    std::vector<std::string> classNames;  // per book
    std::vector<std::string> methodLines; // per book: its mode and cut points
    std::vector<std::string> warnings;    // books in different modes, grades or years
    std::vector<SummaryRow> rows;         // per subject: its viewpoints, then its 評定
    std::vector<SummaryMark> marks;       // in row order, then book order, A before C
    std::vector<SummaryStudent> students; // by book: the whole class first, then by number and subject
};

constexpr int kDefaultMarginPoints = 20;

// The summary of `period` (0..2 a semester, 3 通年). Rows follow the
// subjects in the order they first appear; a subject is matched by its name
// and a viewpoint within it by its name, so a renamed one gets its own row.
GradeSummary SummarizeGrade(const std::vector<SummaryBook>& books, int period,
                            int marginPoints = kDefaultMarginPoints);

// The period a book cannot give (the third semester of a two-term book),
// naming the book; empty when every book has it.
std::string PeriodProblem(const std::vector<SummaryBook>& books, int period);

} // namespace miravel
