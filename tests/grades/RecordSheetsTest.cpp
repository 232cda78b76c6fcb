#include "grades/RecordSheets.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

ClassRecord Record(const char* title, int viewpoint, RecordKind kind, double full, double value)
{
    ClassRecord record;
    record.title = title;
    record.date = "2026/05/12";
    record.viewpoint = viewpoint;
    record.kind = kind;
    record.full = full;
    record.values[0] = value;
    return record;
}

// The manual's example on the sheet: 算数's third viewpoint from two tests
// and four records at 記録の割合 50 %, and 音楽 from its records alone.
TEST(StudentSheets, RecordsOnTheSheetAndTheSubjectsWithoutTests)
{
    auto book = testing::MakeClassOf(1);
    book->Evaluation.Mode = EvaluationMode::Criterion;
    const float points[2] = {8, 16}, full[2] = {10, 25};
    for (int t = 0; t < 2; ++t) {
        auto& slot = book->Scores[TestSlot(0, 2, t, 2)];
        slot[0] = points[t];
        slot[kFullMarksColumn] = full[t];
        slot[kAverageColumn] = 12;
    }
    const RecordKind M = RecordKind::Mark;
    ClassRecords& records = book->Evaluation.Records;
    records.Of(2, 0) = {Record("ノート", 2, M, 3, 3), Record("発表", 2, M, 3, 2), Record("ふりかえり", 2, M, 3, 3),
                        Record("提出物", 2, M, 3, kRecordAbsent)};
    records.extra[0].name = "音楽";
    records.Of(6, 0) = {Record("歌唱", 1, RecordKind::Points, 10, 7)};
    records.extra[1].name = "図画工作";  // named, nothing recorded yet

    const ClassSheets sheets = GatherStudentSheets(*book, {1}, 0);
    EXPECT_EQ(sheets.subjects, (std::vector<int>{2, 6}));
    EXPECT_NE(sheets.unrecorded.find("・図画工作"), std::string::npos);
    const StudentSheet& student = sheets.students.at(0);
    const SheetMark& math = student.subjects[2].viewpoints[2].marks[0];
    EXPECT_EQ(math.figure + math.letter, "*78.7B");
    EXPECT_EQ(student.subjects[2].records,
              (std::vector<SheetRecord>{{0, "2026/05/12", "ノート", 2, "◎"}, {0, "2026/05/12", "発表", 2, "○"},
                                        {0, "2026/05/12", "ふりかえり", 2, "◎"}, {0, "2026/05/12", "提出物", 2, "欠席"}}));
    const SheetSubject& music = student.subjects[6];
    EXPECT_EQ(music.name, "音楽");
    EXPECT_EQ(music.viewpoints[1].name, "思考・判断・表現");
    EXPECT_EQ(music.viewpoints[1].marks[0].figure + music.viewpoints[1].marks[0].letter, "70.0B");
    EXPECT_EQ(music.grade[0], "2");
    EXPECT_EQ(music.records, (std::vector<SheetRecord>{{0, "2026/05/12", "歌唱", 1, "7/10"}}));
    EXPECT_EQ(music.cuts, "評価の基準（記録の得点率）　A：80%以上　B：50%以上80%未満　C：50%未満");
    EXPECT_EQ(student.missing.back(), "音楽：知識・技能（一学期）・主体的に学習に取り組む態度（一学期）の記録がありません");

    // At 60 % the same evidence is an A.
    records.Weight(2, 2) = 60;
    const ClassSheets again = GatherStudentSheets(*book, {1}, 0);
    const SheetMark& weighted = again.students.at(0).subjects[2].viewpoints[2].marks[0];
    EXPECT_EQ(weighted.figure + weighted.letter, "*80.7A");
}

} // namespace
} // namespace miravel
