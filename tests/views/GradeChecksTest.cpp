// The check before printing: each check finds its case, a clean book nothing.

#include "mainwindow/views/GradeChecks.h"
#include "mainwindow/views/TreeNodes.h"
#include "views/ViewTestBook.h"

namespace miravel::testing {
namespace {

// Registers test t of subject s in semester m for viewpoint v with full marks
// 50 and the scores of numbers 1..5 (number 3 has no name).
void Register(GradeBook& book, int s, int m, int t, int v, std::initializer_list<float> scores, float full = 50)
{
    StoreValues(book, TestSlot(m, s, t, v), scores, 40);
    book.Scores[TestSlot(m, s, t, v)][kFullMarksColumn] = full;
}

// Every viewpoint of 国語's first test in the first semester, all scored.
std::unique_ptr<GradeBook> CleanBook()
{
    auto book = MakeClassOfFive();
    for (int v = 0; v < kViewpoints; ++v)
        Register(*book, 0, 0, 0, v, {40, 30, -1, 20, 10});
    return book;
}

TEST(GradeChecks, CleanBookHasNothing) { EXPECT_TRUE(CheckScores(*CleanBook()).empty()); }

TEST(GradeChecks, EachCheckFindsItsCase)
{
    struct Case {
        const char* name;
        void (*spoil)(GradeBook&);
        std::string key;
        std::string text;
    };
    const Case cases[] = {
        // Number 2 and 5 have no score; the absent number 4 and the unnamed 3 are fine.
        {"missing", [](GradeBook& b) { Register(b, 0, 0, 0, 1, {40, -1, -1, -2, -1}); }, TestNodeKey(0, 0, 0),
         "得点のない生徒がいます（出席番号 2, 5）"},
        {"no full marks", [](GradeBook& b) { b.Scores[TestSlot(0, 0, 0, 2)][kFullMarksColumn] = -1; },
         TestNodeKey(0, 0, 0), "言語の配点がありません"},
        {"above full marks", [](GradeBook& b) { Register(b, 0, 0, 0, 0, {40, 51, 99, 50, 0}); }, TestNodeKey(0, 0, 0),
         "表現の得点が配点（50点）を超えています（出席番号 2）"},
        // A second-semester test of 算数 assesses its first viewpoint only.
        {"viewpoint without test", [](GradeBook& b) { Register(b, 1, 1, 4, 0, {1, 2, -1, 3, 4}); },
         SemesterNodeKey(1, 1), "算数　二学期：表・処の試験がありません"},
    };
    for (const Case& c : cases) {
        auto book = CleanBook();
        c.spoil(*book);
        const std::vector<GradeFinding> found = CheckScores(*book);
        ASSERT_FALSE(found.empty()) << c.name;
        EXPECT_EQ(found.front().nodeKey, c.key) << c.name;
        EXPECT_NE(found.front().text.find(c.text), std::string::npos) << c.name << ": " << found.front().text;
    }
}

} // namespace
} // namespace miravel::testing
