#include "grades/EvaluationList.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// A student's letters and 評定, subject by subject: "ABC2" or "----".
std::string Letters(const StudentEvaluation& e)
{
    std::string text;
    for (int s = 0; s < kRecordSubjects; ++s) {
        for (int k = 0; k <= kViewpoints; ++k) {
            const std::string& x = k < kViewpoints ? e.letters[s][k] : e.grades[s];
            text += x.empty() ? "-" : x;
        }
        text += s + 1 < kRecordSubjects ? "|" : "";
    }
    return text;
}

ClassRecord Marks(int viewpoint, std::initializer_list<double> values)
{
    ClassRecord record;
    record.viewpoint = viewpoint;
    int n = 0;
    for (double v : values)
        record.values[n++] = v;
    return record;
}

// 国語's records count only by the criteria; subject 8 (the second of the
// four) is evaluated from its records in either mode, and subject 7 has
// records but no name, so it is not in use.
TEST(EvaluatePeriod, RecordsCountByCriteriaAndTheNewSubjectsAlways)
{
    auto book = testing::MakeClassOf(2);
    ClassRecords& records = book->Evaluation.Records;
    records.Of(0, 0) = {Marks(0, {3, 1})};
    records.extra[1].name = "図画工作";
    records.Of(7, 0) = {Marks(0, {3, 2}), Marks(1, {2, 1}), Marks(2, {1, kRecordAbsent})};
    records.Of(6, 0) = {Marks(0, {3, 3})};

    const std::string none = "----|----|----|----|----|----|----|";
    const std::vector<std::string> relative{none + "ABC2|----|----", none + "BC-2|----|----"};
    std::vector<std::string> got;
    for (const StudentEvaluation& e : EvaluatePeriod(*book, 0))
        got.push_back(Letters(e));
    EXPECT_EQ(got, relative);

    book->Evaluation.Mode = EvaluationMode::Criterion;
    got.clear();
    for (const StudentEvaluation& e : EvaluatePeriod(*book, 0))
        got.push_back(Letters(e));
    EXPECT_EQ(got, (std::vector<std::string>{"A--3|" + none.substr(5) + "ABC2|----|----",
                                             "C--1|" + none.substr(5) + "BC-2|----|----"}));

    // The list shows it after the six, four columns, under its own names.
    TablePane pane;
    ShowEvaluationListView(*book, pane, 0);
    EXPECT_EQ(pane.Grid.Cols(), 30);
    EXPECT_EQ(book->ShownColumnCount, 30);
    const std::vector<std::string> header{pane.Grid.TextMatrix(0, 26), pane.Grid.TextMatrix(1, 26),
                                          pane.Grid.TextMatrix(1, 29), pane.Grid.TextMatrix(2, 26),
                                          pane.Grid.TextMatrix(3, 29)};
    EXPECT_EQ(header, (std::vector<std::string>{"図画工作", "知識・技能", "評定", "A", "2"}));
}

} // namespace
} // namespace miravel
