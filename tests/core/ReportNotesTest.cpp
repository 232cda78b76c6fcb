#include "core/EvaluationSettings.h"
#include "core/ReportNotes.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace miravel;

TEST(ReportNotes, DerivedDaysFollowTheEnteredOnes)
{
    const std::tuple<std::optional<int>, int, int, std::optional<int>, std::optional<int>> cases[] = {
        {68, 0, 0, 68, 68}, {68, 2, 3, 66, 63}, {0, 0, 0, 0, 0},  // 0 days entered is a value, not "missing"
        {std::nullopt, 1, 1, std::nullopt, std::nullopt},
        {5, 7, 0, -2, -2},  // more excused than days stays visible to the checks
    };
    for (const auto& [days, excused, absent, required, attended] : cases) {
        EXPECT_EQ(DaysRequired(days, excused), required) << excused;
        EXPECT_EQ(DaysAttended(days, excused, absent), attended) << excused << "," << absent;
    }
}

TEST(ReportNotes, LengthCountsCharactersNotBytesAndSkipsLineBreaks)
{
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"abc", 3}, {"友だち", 3}, {"元気\nです", 4}, {"元気\r\nです", 4},
        {"𠮷野", 2},        // a four-byte character
        {"a\xE3\x81", 3},  // a cut sequence: each byte one
        {"\x80x", 2},      // a stray continuation byte
    };
    for (const auto& [text, length] : cases)
        EXPECT_EQ(NoteLength(text), length) << text;
}

// Undo, saving and the settings file tell a change by comparing.
TEST(ReportNotes, EveryPartTakesPartInEquality)
{
    std::vector<EvaluationSettings> changed(6);
    changed[0].Notes.Periods[2].SchoolDays = 0, changed[1].Notes.Student(3, 40).Conduct[9] = true;
    changed[2].Notes.Student(1, 1).AttendanceNote = "かぜ", changed[3].Notes.ConductItems[0] = "あいさつ";
    changed[4].Notes.Limits[3] = 150, changed[5].Notes.Uses[static_cast<int>(NoteText::Foreign)] = true;
    for (const EvaluationSettings& s : changed)
        EXPECT_FALSE(s.IsDefault());
}
