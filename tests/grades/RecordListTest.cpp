#include "grades/EvaluationList.h"
#include "grades/RecordSheets.h"
#include "ViewTestBook.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// Each student's letters and 評定, subject by subject: "ABC2|----|...".
std::vector<std::string> Letters(const std::vector<StudentEvaluation>& list)
{
    std::vector<std::string> texts;
    for (const StudentEvaluation& e : list) {
        texts.emplace_back();
        for (int s = 0; s < kRecordSubjects; ++s)
            for (int k = 0; k <= kViewpoints; ++k) {
                const std::string& x = k < kViewpoints ? e.letters[s][k] : e.grades[s];
                texts.back() += (x.empty() ? "-" : x) + (k == kViewpoints && s + 1 < kRecordSubjects ? "|" : "");
            }
    }
    return texts;
}

// 国語's records count only by the criteria; subject 8 by its records in
// either mode; subject 7 has records but no name: not in use.
TEST(EvaluatePeriod, RecordsCountByCriteriaAndTheNewSubjectsAlways)
{
    auto book = testing::MakeClassOf(2);
    ClassRecords& records = book->Evaluation.Records;
    records.Of(0, 0) = {test::Marks(0, {3, 1})};
    records.extra[1].name = "図画工作";
    records.Of(7, 0) = {test::Marks(0, {3, 2}), test::Marks(1, {2, 1}), test::Marks(2, {1, kRecordAbsent})};
    records.Of(6, 0) = {test::Marks(0, {3, 3})};

    const std::string none = "----|----|----|----|----|----|----|";
    const std::vector<std::string> relative{none + "ABC2|----|----", none + "BC-2|----|----"};
    EXPECT_EQ(Letters(EvaluatePeriod(*book, 0)), relative);
    book->Evaluation.Mode = EvaluationMode::Criterion;
    EXPECT_EQ(Letters(EvaluatePeriod(*book, 0)), (std::vector<std::string>{"A--3|" + none.substr(5) + "ABC2|----|----",
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

// The manual's example on the sheet: 算数's third viewpoint from two tests
// and four records at 記録の割合 50 %, and 音楽 from its records alone.
TEST(StudentSheets, RecordsOnTheSheetAndTheSubjectsWithoutTests)
{
    auto book = testing::MakeClassOf(1);
    book->Evaluation.Mode = EvaluationMode::Criterion;
    test::Score(*book, 0, 1, 0, 2, {8}, 10);
    test::Score(*book, 0, 1, 1, 2, {16}, 25);
    const RecordKind M = RecordKind::Mark;
    ClassRecords& records = book->Evaluation.Records;
    records.Of(1, 0) = {test::Marks(2, {3}, M, 3, "ノート"), test::Marks(2, {2}, M, 3, "発表"),
                        test::Marks(2, {3}, M, 3, "ふりかえり"), test::Marks(2, {kRecordAbsent}, M, 3, "提出物")};
    records.extra[0].name = "音楽";
    records.Of(6, 0) = {test::Marks(1, {7}, RecordKind::Points, 10, "歌唱")};
    records.Of(6, 0)[0].date = "2026/05/12";
    records.extra[1].name = "図画工作";  // nothing recorded yet
    records.Of(0, 0) = {test::Marks(0, {2})};  // 国語: a record, no test

    const ClassSheets sheets = GatherStudentSheets(*book, {1}, 0);
    EXPECT_EQ(sheets.subjects, (std::vector<int>{0, 1, 6}));
    EXPECT_EQ(sheets.unrecorded, "記録のない教科：理科・社会・家庭・体育・図画工作");
    const StudentSheet& student = sheets.students.at(0);
    const SheetMark& math = student.subjects[1].viewpoints[2].marks[0];
    EXPECT_EQ(math.figure + math.letter, "*78.7B");
    EXPECT_EQ(student.subjects[1].records,
              (std::vector<SheetRecord>{{0, "", "ノート", 2, "◎"}, {0, "", "発表", 2, "○"}, {0, "", "ふりかえり", 2, "◎"},
                                        {0, "", "提出物", 2, "欠席"}}));
    const SheetSubject& music = student.subjects[6];
    EXPECT_EQ(music.name, "音楽");
    EXPECT_EQ(music.viewpoints[1].name, "思考・判断・表現");
    EXPECT_EQ(music.viewpoints[1].marks[0].figure + music.viewpoints[1].marks[0].letter, "70.0B");
    EXPECT_EQ(music.grade[0], "2");
    EXPECT_EQ(music.records, (std::vector<SheetRecord>{{0, "2026/05/12", "歌唱", 1, "7/10"}}));
    EXPECT_EQ(music.cuts, "評価の基準（記録の得点率）　A：80%以上　B：50%以上80%未満　C：50%未満");
    EXPECT_EQ(student.missing.back(), "音楽：知識・技能（一学期）・主体的に学習に取り組む態度（一学期）の記録がありません");
}

} // namespace
} // namespace miravel
