#include "core/RecordEvaluation.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

struct TestScore {
    int semester;
    float points, full;
};
struct RecordValue {
    int period;
    RecordKind kind;
    double full, value;
};

// Student 1's tests and records in one viewpoint (算数 or subject 7, the
// third viewpoint), each test and record its own.
std::unique_ptr<GradeBook> Book(int subject, const std::vector<TestScore>& tests,
                                const std::vector<RecordValue>& records, int weight)
{
    auto book = test::ClassBook({"青木"});
    for (int t = 0; t < static_cast<int>(tests.size()); ++t) {
        auto& slot = book->Scores[TestSlot(tests[t].semester, subject, t, 2)];
        slot[0] = tests[t].points;
        slot[kFullMarksColumn] = tests[t].full;
    }
    for (const RecordValue& r : records) {
        ClassRecord record;
        record.viewpoint = 2;
        record.kind = r.kind;
        record.full = r.full;
        record.values[0] = r.value;
        book->Evaluation.Records.Of(subject, r.period).push_back(record);
    }
    book->Evaluation.Records.Weight(subject, 2) = weight;
    book->Evaluation.Records.extra[0].name = "音楽";
    return book;
}

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
        {"tests only, exactly 80 %", 2, {{0, 40, 50}}, {}, 50, 0, "A", "80.0"},
        {"tests only, just below", 2, {{0, 39.5f, 50}}, {}, 50, 0, "B", "79.0"},
        {"records only", 2, {}, {{0, M, 3, 3}, {0, M, 3, 2}}, 50, 0, "A", "83.3"},
        {"records only, exactly 50 % is B", 2, {}, {{0, P, 10, 5}}, 0, 0, "B", "50.0"},
        {"w = 0: the tests alone", 2, {{0, 30, 50}}, {{0, M, 3, 3}}, 0, 0, "B", "60.0"},
        {"w = 50: halfway, exactly 80 % is A", 2, {{0, 30, 50}}, {{0, M, 3, 3}}, 50, 0, "A", "80.0"},
        {"w = 100: the records alone", 2, {{0, 50, 50}}, {{0, M, 3, 1}}, 100, 0, "C", "33.3"},
        {"shares, not pooled points", 2, {{0, 90, 100}}, {{0, M, 3, 1}}, 50, 0, "B", "61.6"},
        {"an absence counts in neither sum", 2, {{0, 40, 50}}, {{0, M, 3, kRecordAbsent}, {0, M, 3, 2}}, 50, 0, "B",
         "73.3"},
        {"absent from every record: tests alone", 2, {{0, 40, 50}}, {{0, M, 3, kRecordAbsent}}, 90, 0, "A", "80.0"},
        {"an empty value is not yet recorded", 2, {}, {{0, M, 3, kRecordEmpty}}, 50, 0, "", ""},
        {"another period does not count", 2, {{1, 50, 50}}, {{2, M, 3, 3}}, 50, 0, "", ""},
        {"通年 takes every period's tests and records", 2, {{0, 50, 50}, {2, 0, 50}}, {{1, P, 10, 10}, {2, M, 3, 1}},
         50, kYearRoundPeriod, "B", "67.3"},
        {"subject 7: records only, by its own cut", 6, {}, {{0, M, 3, 2}, {1, M, 3, 3}}, 50, 0, "C", "66.6"},
        {"the manual's example, 記録の割合 50 %", 2, {{0, 8, 10}, {0, 16, 25}},
         {{0, M, 3, 3}, {0, M, 3, 2}, {0, M, 3, 3}, {0, M, 3, kRecordAbsent}}, 50, 0, "B", "78.7"},
        {"the manual's example, 記録の割合 60 %", 2, {{0, 8, 10}, {0, 16, 25}},
         {{0, M, 3, 3}, {0, M, 3, 2}, {0, M, 3, 3}, {0, M, 3, kRecordAbsent}}, 60, 0, "A", "80.7"},
    };
    for (const Case& c : cases) {
        auto book = Book(c.subject, c.tests, c.records, c.weight);
        book->Evaluation.CutOf(6, 2) = {90, 70};
        EXPECT_EQ(CriterionLetter(*book, 1, c.subject, 2, c.period), c.letter) << c.what;
        EXPECT_EQ(EvidenceShareText(EvidenceOf(*book, 1, c.subject, 2, c.period)), c.share) << c.what;
    }
}

} // namespace
} // namespace miravel
