#include "grades/LetterChecks.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

ClassRecord Mark(int viewpoint, double value)
{
    ClassRecord record;
    record.viewpoint = viewpoint;
    record.values[0] = value;
    return record;
}

// Subject 8 (図画工作), by its records in relative mode: the 評定 against
// its letters, and a changed letter named at its own place.
TEST(LetterChecks, SubjectsSevenToTenInTheRecordAndTheExtremes)
{
    auto book = testing::MakeClassOf(1);
    book->Evaluation.GradeA3 = 200;
    ClassRecords& records = book->Evaluation.Records;
    records.extra[1].name = "図画工作";
    records.extra[1].viewpoints[1] = "発想";
    records.Of(7, 1) = {Mark(0, 3), Mark(1, 3), Mark(2, 1)};

    const std::vector<std::string> before = RecordLetters(*book);
    ASSERT_EQ(before[0].size(), 4u * (24 + 16));
    // 二学期 (period 1) of subject 8: after the six's 96, one period of 16, then 4.
    EXPECT_EQ(before[0].substr(96 + 16 + 4, 4), "AAC3");
    EXPECT_EQ(before[0].substr(96 + 48 + 4, 4), "AAC3");  // 通年
    EXPECT_EQ(std::count(before[0].begin(), before[0].end(), '-'), 4 * 40 - 8);

    const std::vector<GradeFinding> extremes = CheckGradeExtremes(*book);
    ASSERT_EQ(extremes.size(), 2u);
    EXPECT_EQ(extremes[0].text, "図画工作　二学期：出席番号 1 生徒1の評定 3 に C があります");

    records.Of(7, 1)[1].values[0] = 2;
    const std::vector<GradeFinding> changed = CheckChangedLetters(*book, before, RecordLetters(*book));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].text, "出席番号 1 生徒1：前回の確認から変わりました（図画工作　二学期　発想 A→B、"
                               "図画工作　通年　発想 A→B）");
}

} // namespace
} // namespace miravel
