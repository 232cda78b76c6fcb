#include "core/EvaluationSettings.h"
#include "core/ReportNotes.h"

#include <gtest/gtest.h>

using namespace miravel;

TEST(ReportNotes, DerivedDaysFollowTheEnteredOnes)
{
    struct Case {
        std::optional<int> days;
        int excused, absent;
        std::optional<int> required, attended;
    };
    const Case cases[] = {
        {68, 0, 0, 68, 68},
        {68, 2, 3, 66, 63},
        {0, 0, 0, 0, 0},  // 0 days entered is a value, not "missing"
        {std::nullopt, 1, 1, std::nullopt, std::nullopt},
        {5, 7, 0, -2, -2},  // more excused than days stays visible to the checks
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysRequired(c.days, c.excused), c.required) << c.excused;
        EXPECT_EQ(DaysAttended(c.days, c.excused, c.absent), c.attended) << c.excused << "," << c.absent;
    }
}

TEST(ReportNotes, LengthCountsCharactersNotBytesAndSkipsLineBreaks)
{
    struct Case {
        const char* text;
        int length;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"友だち", 3},
        {"元気\nです", 4},
        {"元気\r\nです", 4},
        {"𠮷野", 2},        // four-byte character
        {"a\xE3\x81", 3},  // cut sequence: each byte one
        {"\x80x", 2},      // stray continuation byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(NoteLength(c.text), c.length) << c.text;
}

TEST(ReportNotes, EveryPartTakesPartInEquality)
{
    const EvaluationSettings plain;
    std::vector<EvaluationSettings> changed(6);
    changed[0].Notes.Periods[2].SchoolDays = 0;
    changed[1].Notes.Student(3, 40).Conduct[9] = true;
    changed[2].Notes.Student(1, 1).AttendanceNote = "かぜ";
    changed[3].Notes.ConductItems[0] = "あいさつ";
    changed[4].Notes.Limits[3] = 150;
    changed[5].Notes.Uses[static_cast<int>(NoteText::Foreign)] = true;
    for (const EvaluationSettings& s : changed) {
        EXPECT_NE(s, plain);
        EXPECT_FALSE(s.IsDefault());
    }
    EXPECT_TRUE(plain.IsDefault());
    EXPECT_EQ(plain.Notes.ConductItems[5], "思いやり・協力");
    EXPECT_EQ(plain.Notes.Limit(NoteText::Remarks), 200);
    EXPECT_EQ(plain.Notes.Limit(NoteText::Foreign), 100);
}
