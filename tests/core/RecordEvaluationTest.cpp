#include "core/RecordEvaluation.h"
#include "support/Books.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(ReadRecordValue, WhatATeacherTypesOrPastes)
{
    const RecordKind M = RecordKind::Mark, P = RecordKind::Points;
    const struct { RecordKind kind; const char* text; bool ok; double value; } cases[] = {
        {M, "◎", true, 3}, {M, "○", true, 2}, {M, "△", true, 1}, {M, "a", true, 3}, {M, "B", true, 2}, {M, "1", true, 1},
        {M, "4", false, 0}, {M, "欠", true, kRecordAbsent}, {M, " * ", true, kRecordAbsent}, {M, "　", true, kRecordEmpty},
        {P, "10", true, 10}, {P, "7.5", true, 7.5}, {P, "10.5", false, 0}, {P, "1.", false, 0}, {P, "◎", false, 0},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_EQ(ReadRecordValue(c.kind, 10, c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
        // and a mark written reads back the same
        EXPECT_TRUE(c.kind != M || !c.ok || (ReadRecordValue(M, 3, RecordValueText(M, value), value) && value == c.value));
    }
}

struct TestScore { int semester; float points, full; };
struct RecordValue { int period; RecordKind kind; double full, value; };

TEST(CriterionLetter, TestsAndRecordsCombineByTheWeight)
{
    const RecordKind M = RecordKind::Mark, P = RecordKind::Points;
    struct Case {
        const char* what;
        int subject;
        std::vector<TestScore> tests;
        std::vector<RecordValue> records;
        int weight, period;
        const char* letter;
        const char* share;
    };
    const Case cases[] = {
        {"tests only, exactly 80 %", 1, {{0, 40, 50}}, {}, 50, 0, "A", "80.0"},
        {"records only", 1, {}, {{0, M, 3, 3}, {0, M, 3, 2}}, 50, 0, "A", "83.3"},
        {"w = 0: the tests alone", 1, {{0, 30, 50}}, {{0, M, 3, 3}}, 0, 0, "B", "60.0"},
        {"w = 50: halfway, exactly 80 % is A", 1, {{0, 30, 50}}, {{0, M, 3, 3}}, 50, 0, "A", "80.0"},
        {"w = 100: the records alone", 1, {{0, 50, 50}}, {{0, M, 3, 1}}, 100, 0, "C", "33.3"},
        {"shares, not pooled points", 1, {{0, 90, 100}}, {{0, M, 3, 1}}, 50, 0, "B", "61.6"},
        {"an absence counts in neither sum", 1, {{0, 40, 50}}, {{0, M, 3, kRecordAbsent}, {0, M, 3, 2}}, 50, 0, "B",
         "73.3"},
        {"absent from every record: tests alone", 1, {{0, 40, 50}}, {{0, M, 3, kRecordAbsent}}, 90, 0, "A", "80.0"},
        {"an empty value is not yet recorded", 1, {}, {{0, M, 3, kRecordEmpty}}, 50, 0, "", ""},
        {"another period does not count", 1, {{1, 50, 50}}, {{2, M, 3, 3}}, 50, 0, "", ""},
        {"通年 takes every period's tests and records", 1, {{0, 50, 50}, {2, 0, 50}}, {{1, P, 10, 10}, {2, M, 3, 1}},
         50, kYearRoundPeriod, "B", "67.3"},
        {"subject 7: records only, by its own cut", 6, {}, {{0, M, 3, 2}, {1, M, 3, 3}}, 50, 0, "C", "66.6"},
        {"the manual's example, 記録の割合 50 %", 1, {{0, 8, 10}, {0, 16, 25}},
         {{0, M, 3, 3}, {0, M, 3, 2}, {0, M, 3, 3}, {0, M, 3, kRecordAbsent}}, 50, 0, "B", "78.7"},
        {"the manual's example, 記録の割合 60 %", 1, {{0, 8, 10}, {0, 16, 25}},
         {{0, M, 3, 3}, {0, M, 3, 2}, {0, M, 3, 3}, {0, M, 3, kRecordAbsent}}, 60, 0, "A", "80.7"},
    };
    for (const Case& c : cases) {
        // Student 1's tests and records (算数 or subject 7) in the third viewpoint, each its own.
        auto book = test::ClassBook({"青木"});
        for (int t = 0; t < static_cast<int>(c.tests.size()); ++t)
            test::Score(*book, c.tests[t].semester, c.subject, t, 2, {c.tests[t].points}, c.tests[t].full);
        for (const RecordValue& r : c.records)
            book->Evaluation.Records.Of(c.subject, r.period).push_back(test::Marks(2, {r.value}, r.kind, r.full));
        book->Evaluation.Records.Weight(c.subject, 2) = c.weight;
        book->Evaluation.Records.extra[0].name = "音楽";
        book->Evaluation.CutOf(6, 2) = {90, 70};
        EXPECT_EQ(CriterionLetter(*book, 1, c.subject, 2, c.period), c.letter) << c.what;
        EXPECT_EQ(EvidenceShareText(EvidenceOf(*book, 1, c.subject, 2, c.period)), c.share) << c.what;
    }
}

} // namespace
} // namespace miravel
