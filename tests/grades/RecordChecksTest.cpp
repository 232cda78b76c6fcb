#include "grades/EvidenceChecks.h"
#include "grades/LetterChecks.h"
#include "ViewTestBook.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// Subject 8 (図画工作), by its records in relative mode: the 評定 against
// its letters, and a changed letter named at its own place.
TEST(LetterChecks, SubjectsSevenToTenInTheRecordAndTheExtremes)
{
    auto book = testing::MakeClassOf(1);
    book->Evaluation.GradeA3 = 200;
    ClassRecords& records = book->Evaluation.Records;
    records.extra[1].name = "図画工作";
    records.extra[1].viewpoints[1] = "発想";
    records.Of(7, 1) = {test::Marks(0, {3}), test::Marks(1, {3}), test::Marks(2, {1})};

    const std::vector<std::string> before = RecordLetters(*book);
    ASSERT_EQ(before[0].size(), 4u * (24 + 16));
    // 二学期 (period 1) of subject 8: after the six's 96, one period of 16, then 4.
    EXPECT_EQ(before[0].substr(96 + 16 + 4, 4), "AAC3");
    EXPECT_EQ(std::count(before[0].begin(), before[0].end(), '-'), 4 * 40 - 8);  // and 通年's

    const std::vector<GradeFinding> extremes = CheckGradeExtremes(*book);
    ASSERT_EQ(extremes.size(), 2u);
    EXPECT_EQ(extremes[0].text, "図画工作　二学期：出席番号 1 生徒1の評定 3 に C があります");

    records.Of(7, 1)[1].values[0] = 2;
    const std::vector<GradeFinding> changed = CheckChangedLetters(*book, before, RecordLetters(*book));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].text, "出席番号 1 生徒1：前回の確認から変わりました（図画工作　二学期　発想 A→B、"
                               "図画工作　通年　発想 A→B）");
}


TEST(LetterChecks, StudentsWithoutALetterInASubjectWithRecords)
{
    auto book = testing::MakeClassOf(3);
    book->Evaluation.Records.extra[3].name = "体育";
    book->Evaluation.Records.Of(9, 2) = {test::Marks(1, {3, kRecordAbsent})};  // number 3 not yet recorded
    const std::string reasons = "：評価のない生徒がいます（すべて欠席：出席番号 2、記録なし：出席番号 3）";
    const std::vector<GradeFinding> found = CheckUnevaluatedRecordSubjects(*book);
    EXPECT_EQ(found.size() == 2 ? found[0].text + found[1].text : "", "体育　三学期" + reasons + "体育　通年" + reasons);
}

TEST(IsThinEvidence, OneItemOrUnderAThird)
{
    const struct { int count; double full; int classCount; double classFull; bool thin; } cases[] = {
        {1, 10, 1, 10, false},   // the class had only that one
        {1, 50, 2, 60, true},  // one where the class had two, though most of the points
        {2, 20, 3, 60, false}, {2, 19.5, 3, 60, true},  // exactly a third, and just under
        {0, 0, 2, 60, false},    // no letter at all is another check's
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsThinEvidence(c.count, c.full, c.classCount, c.classFull), c.thin) << c.count << " " << c.full;
}

// 算数: two tests, number 2 absent from one, and a record. 音楽: two records, number 2 absent from one.
TEST(FindThinEvidence, RecordsCountByTheCriteriaAndTheNewSubjectsAlways)
{
    auto book = testing::MakeClassOf(2);
    test::Score(*book, 0, 1, 0, 0, {8, 9}, 10);
    test::Score(*book, 0, 1, 1, 0, {40, kAbsent}, 50);
    ClassRecords& records = book->Evaluation.Records;
    records.Of(1, 0) = {test::Marks(0, {3, 3})};
    records.extra[0].name = "音楽";
    records.Of(6, 1) = {test::Marks(2, {3, 2}), test::Marks(2, {2, kRecordAbsent})};
    // Relative: 算数 has no letters without its summaries; 音楽 is by its records.
    const std::vector<ThinEvidence> relative{{2, 6, 2, 1, 1, 2, 3, 6}, {2, 6, 2, 3, 1, 2, 3, 6}};
    EXPECT_EQ(FindThinEvidence(*book), relative);
    // By the criteria 算数's record counts: two items, but 13 of the class's 63 points.
    book->Evaluation.Mode = EvaluationMode::Criterion;
    const std::vector<ThinEvidence> criterion{{2, 1, 0, 0, 2, 3, 13, 63}, {2, 6, 2, 1, 1, 2, 3, 6},
                                              {2, 1, 0, 3, 2, 3, 13, 63}, {2, 6, 2, 3, 1, 2, 3, 6}};
    EXPECT_EQ(FindThinEvidence(*book), criterion);
    EXPECT_EQ(CheckThinEvidence(*book).at(1).text, "根拠が少ない評価：音楽　二学期　主体的に学習に取り組む態度："
                                                   "出席番号 2 生徒2（1件・満点 3、学級では 2件・満点 6）");
}

} // namespace
} // namespace miravel
