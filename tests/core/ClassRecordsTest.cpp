#include "core/ClassRecords.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(ReadRecordValue, WhatATeacherTypesOrPastes)
{
    struct Case {
        RecordKind kind;
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {RecordKind::Mark, "◎", true, 3},      {RecordKind::Mark, "○", true, 2},
        {RecordKind::Mark, "△", true, 1},      {RecordKind::Mark, "a", true, 3},
        {RecordKind::Mark, "B", true, 2},      {RecordKind::Mark, "1", true, 1},
        {RecordKind::Mark, "4", false, 0},     {RecordKind::Mark, "欠", true, kRecordAbsent},
        {RecordKind::Mark, " * ", true, kRecordAbsent}, {RecordKind::Mark, "　", true, kRecordEmpty},
        {RecordKind::Points, "10", true, 10},  {RecordKind::Points, "7.5", true, 7.5},
        {RecordKind::Points, "10.5", false, 0}, {RecordKind::Points, "-1", false, 0},
        {RecordKind::Points, "1.", false, 0},  {RecordKind::Points, "◎", false, 0},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(ReadRecordValue(c.kind, 10, c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(RecordValueText, ReadsBackAsWritten)
{
    for (double v : {1.0, 2.0, 3.0, kRecordAbsent, kRecordEmpty}) {
        double back = 0;
        ASSERT_TRUE(ReadRecordValue(RecordKind::Mark, 3, RecordValueText(RecordKind::Mark, v), back));
        EXPECT_EQ(back, v);
    }
    EXPECT_EQ(RecordValueText(RecordKind::Points, 7.25), "7.25");
    EXPECT_EQ(RecordValueText(RecordKind::Points, 7.5), "7.5");
    EXPECT_EQ(RecordValueText(RecordKind::Points, 8), "8");
}

TEST(RecordTotals, SkipsAbsentAndEmptyAndOtherViewpoints)
{
    ClassRecords records;
    ClassRecord note;  // viewpoint 3, marks
    note.viewpoint = 2;
    note.values[0] = 3;
    note.values[1] = kRecordAbsent;
    ClassRecord quiz;  // viewpoint 3, points of 10, second semester
    quiz.viewpoint = 2;
    quiz.kind = RecordKind::Points;
    quiz.full = 10;
    quiz.values[0] = 4;
    quiz.values[1] = 6;
    ClassRecord other = note;  // another viewpoint
    other.viewpoint = 0;
    records.Of(7, 0) = {note, other};
    records.Of(7, 1) = {quiz};

    const RecordSums first = RecordTotals(records, 1, 7, 2, 0);
    EXPECT_EQ(first.points, 3);
    EXPECT_EQ(first.fullPoints, 3);
    EXPECT_EQ(first.count, 1);
    const RecordSums absent = RecordTotals(records, 2, 7, 2, 0);
    EXPECT_FALSE(absent.any());
    EXPECT_TRUE(absent.absent);
    const RecordSums year = RecordTotals(records, 1, 7, 2, 3);
    EXPECT_EQ(year.points, 7);
    EXPECT_EQ(year.fullPoints, 13);
    EXPECT_EQ(year.count, 2);
    EXPECT_FALSE(RecordTotals(records, 3, 7, 2, 3).any());  // student 3 has only empty values
}

TEST(RecordSubjectInUse, TheSixAlwaysTheFourWhenNamed)
{
    ClassRecords records;
    records.extra[1].name = "図画工作";
    const bool expected[kRecordSubjects] = {true, true, true, true, true, true, false, true, false, false};
    for (int s = 0; s < kRecordSubjects; ++s)
        EXPECT_EQ(RecordSubjectInUse(records, s), expected[s]) << s;
}

} // namespace
} // namespace miravel
