#include "grades/EvidenceChecks.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(IsThinEvidence, OneItemOrUnderAThird)
{
    struct Case {
        int count;
        double full;
        int classCount;
        double classFull;
        bool thin;
    };
    const Case cases[] = {
        {1, 10, 1, 10, false},   // the class had only that one
        {1, 50, 2, 60, true},    // one where the class had two, though most of the points
        {2, 20, 3, 60, false},   // exactly a third
        {2, 19.5, 3, 60, true},  // just under a third
        {3, 30, 3, 30, false},
        {0, 0, 2, 60, false},    // no letter at all is another check's
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsThinEvidence(c.count, c.full, c.classCount, c.classFull), c.thin)
            << c.count << " " << c.full << " " << c.classCount << " " << c.classFull;
}

ClassRecord Marks(int viewpoint, double first, double second)
{
    ClassRecord record;
    record.viewpoint = viewpoint;
    record.values[0] = first;
    record.values[1] = second;
    return record;
}

// 算数's first viewpoint in the first semester: two tests, number 2 absent
// from the 50-point one; a record beside them. 音楽 (subject 7): two
// records of its third viewpoint in the second semester, number 2 absent
// from one.
std::unique_ptr<GradeBook> Book()
{
    auto book = testing::MakeClassOf(2);
    const float scores[2][2] = {{8, 40}, {9, kAbsent}};
    const float full[2] = {10, 50};
    for (int t = 0; t < 2; ++t) {
        auto& slot = book->Scores[TestSlot(0, 2, t, 0)];
        slot[0] = scores[0][t];
        slot[1] = scores[1][t];
        slot[kFullMarksColumn] = full[t];
        slot[kAverageColumn] = 30;
    }
    ClassRecords& records = book->Evaluation.Records;
    records.Of(2, 0) = {Marks(0, 3, 3)};
    records.extra[0].name = "音楽";
    records.Of(6, 1) = {Marks(2, 3, 2), Marks(2, 2, kRecordAbsent)};
    return book;
}

TEST(FindThinEvidence, RecordsCountByTheCriteriaAndTheNewSubjectsAlways)
{
    auto book = Book();
    // Relative: 算数 has no letters without its summaries; 音楽 is by its records.
    const std::vector<ThinEvidence> relative{{2, 6, 2, 1, 1, 2, 3, 6}, {2, 6, 2, 3, 1, 2, 3, 6}};
    EXPECT_EQ(FindThinEvidence(*book), relative);

    // By the criteria 算数's record counts: number 2 has two items, but 13
    // of the class's 63 points.
    book->Evaluation.Mode = EvaluationMode::Criterion;
    const std::vector<ThinEvidence> criterion{{2, 2, 0, 0, 2, 3, 13, 63}, {2, 6, 2, 1, 1, 2, 3, 6},
                                              {2, 2, 0, 3, 2, 3, 13, 63}, {2, 6, 2, 3, 1, 2, 3, 6}};
    EXPECT_EQ(FindThinEvidence(*book), criterion);

    const std::vector<GradeFinding> findings = CheckThinEvidence(*book);
    ASSERT_EQ(findings.size(), 4u);
    EXPECT_EQ(findings[1].text, "根拠が少ない評価：音楽　二学期　主体的に学習に取り組む態度：出席番号 2 生徒2"
                                "（1件・満点 3、学級では 2件・満点 6）");
}

} // namespace
} // namespace miravel
