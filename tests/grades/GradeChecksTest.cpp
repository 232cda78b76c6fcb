// The check before printing: each check finds its case, a clean book nothing.

#include "core/EvaluationRules.h"
#include "grades/LetterChecks.h"
#include "grades/TreeNodes.h"
#include "grades/ViewTestBook.h"

#include <utility>

namespace miravel::testing {
namespace {

// Registers test t of subject s in semester m for viewpoint v with full marks
// 50 and the scores of numbers 1..5 (number 3 has no name).
void Register(GradeBook& book, int s, int m, int t, int v, std::initializer_list<float> scores, float full = 50)
{
    StoreValues(book, TestSlot(m, s, t, v), scores, 40);
    book.Scores[TestSlot(m, s, t, v)][kFullMarksColumn] = full;
}

// Every viewpoint of 国語's first test in the first semester, all scored;
// graded by criteria, so the letters need no summaries.
std::unique_ptr<GradeBook> CleanBook()
{
    auto book = MakeClassOfFive();
    book->Evaluation.Mode = EvaluationMode::Criterion;
    for (int v = 0; v < kViewpoints; ++v)
        Register(*book, 0, 0, 0, v, {40, 30, -1, 20, 10});
    return book;
}

TEST(GradeChecks, EachCheckFindsItsCaseAndACleanBookNothing)
{
    EXPECT_TRUE(CheckGrades(*CleanBook()).empty());
    const std::string test = "国語　一学期　" + TestNodeText(*CleanBook(), 0, 0, 0) + "：";
    struct Case {
        const char* name;
        void (*spoil)(GradeBook&);
        std::vector<std::pair<std::string, std::string>> found;  // every finding: its node and text
    };
    const Case cases[] = {
        // Number 2 and 5 have no score; the absent number 4 and the unnamed 3 are fine.
        {"missing", [](GradeBook& b) { Register(b, 0, 0, 0, 1, {40, -1, -1, -2, -1}); },
         {{TestNodeKey(0, 0, 0), test + "出席番号 2：理解の得点がありません"},
          {TestNodeKey(0, 0, 0), test + "出席番号 5：理解の得点がありません"}}},
        // Number 2's 言語 is a letter of its own: an evaluation.
        {"a letter in the third viewpoint alone", [](GradeBook& b) { for (int v = 0; v < 2; ++v) b.Scores[TestSlot(0, 0, 0, v)][1] = -1; },
         {{TestNodeKey(0, 0, 0), test + "出席番号 2：表現、理解の得点がありません"}}},
        {"no evaluation, absent", [](GradeBook& b) { for (int v = 0; v < 3; ++v) b.Scores[TestSlot(0, 0, 0, v)][1] = -2; },
         {{SemesterNodeKey(0, 0), "国語　一学期：評価のない生徒がいます（すべて欠席：出席番号 2）"},
          {SubjectNodeKey(0), "国語　通年：評価のない生徒がいます（すべて欠席：出席番号 2）"}}},
        {"no evaluation, no score", [](GradeBook& b) { for (int v = 0; v < 3; ++v) b.Scores[TestSlot(0, 0, 0, v)][4] = -1; },
         {{TestNodeKey(0, 0, 0), test + "出席番号 5：表現、理解、言語の得点がありません"},
          {SemesterNodeKey(0, 0), "国語　一学期：評価のない生徒がいます（得点なし：出席番号 5）"},
          {SubjectNodeKey(0), "国語　通年：評価のない生徒がいます（得点なし：出席番号 5）"}}},
        {"評定 1 with an A", [](GradeBook& b) { b.Evaluation.GradeC1 = 200; Register(b, 0, 0, 0, 0, {40, 30, -1, 45, 10}); },
         {{EvaluationNodeKey(0), "国語　一学期：出席番号 4 江藤の評定 1 に A があります"},
          {EvaluationNodeKey(kYearRoundPeriod), "国語　通年：出席番号 4 江藤の評定 1 に A があります"}}},
        // Against the record saved with the book, not the letters just made.
        {"changed since saved", [](GradeBook& b) { b.Evaluation.CheckedLetters = RecordLetters(b); b.Scores[TestSlot(0, 0, 0, 2)][1] = 45; },
         {{EvaluationNodeKey(0), "出席番号 2 井上：前回の確認から変わりました（国語　一学期　言語 B→A、国語　通年　言語 B→A）"}}},
        {"no full marks", [](GradeBook& b) { b.Scores[TestSlot(0, 0, 0, 2)][kFullMarksColumn] = -1; },
         {{TestNodeKey(0, 0, 0), test + "言語の配点がありません"}}},
        {"above full marks", [](GradeBook& b) { Register(b, 0, 0, 0, 0, {40, 51, 99, 50, 0}); },
         {{TestNodeKey(0, 0, 0), test + "表現の得点が配点（50点）を超えています（出席番号 2）"}}},
        // A second-semester test of 算数 assesses its first viewpoint only.
        {"viewpoint without test", [](GradeBook& b) { Register(b, 1, 1, 4, 0, {1, 2, -1, 3, 4}); },
         {{SemesterNodeKey(1, 1), "算数　二学期：表・処の試験がありません"},
          {SemesterNodeKey(1, 1), "算数　二学期：知・理の試験がありません"}}},
        // A two-term class keeps its old third term's scores unseen.
        {"a hidden third term", [](GradeBook& b) { ApplyTerms(b, 2); Register(b, 0, 2, 0, 0, {40, -1, -1, 20, 10}); },
         {}},
    };
    for (const Case& c : cases) {
        auto book = CleanBook();
        c.spoil(*book);
        std::vector<std::pair<std::string, std::string>> found;
        for (const GradeFinding& f : CheckGrades(*book))
            found.emplace_back(f.nodeKey, f.text);
        EXPECT_EQ(found, c.found) << c.name;
    }
}

// Criterion mode with 評定 3 from a mean of 2.0: 国語's first test gives
// number 1 A, A and C (90 %, 90 %, 20 %).
TEST(GradeChecks, GradeAgainstItsLettersAndLettersChangedSinceTheRecord)
{
    auto book = CleanBook();
    book->Evaluation.Mode = EvaluationMode::Criterion;
    book->Evaluation.GradeA3 = 200;
    for (int v = 0; v < kViewpoints; ++v)
        book->Scores[TestSlot(0, 0, 0, v)][0] = v < 2 ? 45 : 10;
    const std::vector<GradeFinding> extremes = CheckGradeExtremes(*book);
    ASSERT_EQ(extremes.size(), 2u);  // the semester and the year
    EXPECT_EQ(extremes[0].nodeKey, EvaluationNodeKey(0));
    EXPECT_EQ(extremes[0].text, "国語　一学期：出席番号 1 青木の評定 3 に C があります");

    const std::vector<std::string> record = RecordLetters(*book);
    EXPECT_TRUE(CheckChangedLetters(*book, record, RecordLetters(*book)).empty());
    book->Scores[TestSlot(0, 0, 0, 2)][1] = 45;  // number 2: B to A in 言語 (評定 stays 3)
    const std::vector<GradeFinding> changed = CheckChangedLetters(*book, record, RecordLetters(*book));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].nodeKey, EvaluationNodeKey(0));
    EXPECT_EQ(changed[0].text, "出席番号 2 井上：前回の確認から変わりました（国語　一学期　言語 B→A、国語　通年　言語 B→A）");
}

} // namespace
} // namespace miravel::testing
