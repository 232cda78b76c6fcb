#include "file/CompanionFile.h"
#include "file/ReportNotesSettings.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

EvaluationSettings ReadBack(const EvaluationSettings& settings)
{
    EvaluationSettings read;
    const FileResult error = ParseEvaluationSettings(EvaluationSettingsText(settings), read);
    EXPECT_FALSE(error) << (error ? error->Message() : "");
    return read;
}

TEST(ReportNotesSettings, EscapesKeepEveryCharacterOnOneLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"元気です。\n友だちと", "元気です。\\n友だちと"},
        {"C:\\n", "C:\\\\n"},  // a backslash before n is no line break
        {"番号 #3", "番号 \\#3"},  // " #" would start a comment
        {" 前後 ", "\\s前後\\s"},  // the reader trims blanks at both ends
        {"a\tb\r\n", "a\\tb\\r\\n"},
        {"x=y;z", "x=y;z"},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(EscapeNoteText(text), value) << text;
        EXPECT_EQ(UnescapeNoteText(value), std::optional<std::string>(text)) << value;
    }
    EXPECT_EQ(UnescapeNoteText("ab\\"), std::nullopt);
    EXPECT_EQ(UnescapeNoteText("\\q"), std::nullopt);
}

TEST(ReportNotesSettings, WrittenInTheKeysTeachersAndOtherToolsRead)
{
    EvaluationSettings s;
    ReportNotes& notes = s.Notes;
    notes.Periods[0].SchoolDays = 68;
    notes.Student(1, 1).Text(NoteText::Remarks) = "よく頑張りました。\n次も";
    notes.Student(1, 3).Text(NoteText::Foreign) = "Hello";
    notes.Student(1, 1).Absent = 2;
    notes.Student(1, 2).AttendanceNote = "かぜ 2, 通院 1";  // a comma in the 備考
    notes.Student(1, 40).Conduct[0] = notes.Student(1, 40).Conduct[9] = true;
    notes.Periods[1].SchoolDays = 0;
    notes.ConductItems[9] = "公共心,公徳心";
    notes.Limits[0] = 250;
    notes.Uses[static_cast<int>(NoteText::Integrated)] = false;
    notes.Uses[static_cast<int>(NoteText::Foreign)] = true;
    const std::string text = EvaluationSettingsText(s);
    const std::string expected = "\n[remarks.1]\nn1=よく頑張りました。\\n次も\n"
                                 "\n[foreign.1]\nn3=Hello\n"
                                 "\n[attendance.1]\ndays=68\nn1=0,2,\nn2=0,0,かぜ 2, 通院 1\n"
                                 "\n[conduct.1]\nn40=1,0,0,0,0,0,0,0,0,1\n"
                                 "\n[attendance.2]\ndays=0\n"
                                 "\n[conduct]\nitems=基本的な生活習慣,健康・体力の向上,自主・自律,責任感,創意工夫,"
                                 "思いやり・協力,生命尊重・自然愛護,勤労・奉仕,公正・公平,公共心\\,公徳心\n"
                                 "\n[limits]\nremarks=250\nmoral=100\nintegrated=100\nforeign=100\n"
                                 "\n[written]\nuses=moral,foreign\n";
    ASSERT_GE(text.size(), expected.size());
    EXPECT_EQ(text.substr(text.size() - expected.size()), expected);
    EXPECT_EQ(ReadBack(s), s);
    EXPECT_EQ(ReportNotesText(ReportNotes{}), "");
}

TEST(ReportNotesSettings, AFullClassOfThreePeriodsRoundTrips)
{
    EvaluationSettings s;
    s.OtherSettings = "\n[future]\nkey=kept\n";
    for (int p = 1; p <= kNotePeriods; ++p) {
        s.Notes.Periods[p - 1].SchoolDays = 60 + p;
        for (int n = 1; n <= kNoteStudents; ++n) {
            StudentNotes& st = s.Notes.Student(p, n);
            for (int t = 0; t < kNoteTexts; ++t)
                st.Texts[t] = std::to_string(p) + "学期 " + std::to_string(n) + "番 #" + std::to_string(t) +
                              (n % 2 ? "\n\\二行目 " : "");
            st.Excused = (n + p) % 3;
            st.Absent = n % 5;
            st.AttendanceNote = n % 4 ? "" : ",かぜ,";
            for (int i = 0; i < kConductItems; ++i)
                st.Conduct[i] = (n + i + p) % 2;
        }
    }
    s.Notes.Student(2, 7).Texts[0].clear();  // one empty text among full ones
    EXPECT_EQ(ReadBack(s), s);
}

TEST(ReportNotesSettings, UnknownKeysOfItsSectionsAndOtherPeriodsAreKept)
{
    EvaluationSettings s;
    ASSERT_FALSE(ParseEvaluationSettings("[remarks.1]\nn2=a\nauthor=me\n[remarks.4]\nn1=b\n", s));
    EXPECT_EQ(s.Notes.Student(1, 2).Text(NoteText::Remarks), "a");
    EXPECT_EQ(s.OtherSettings, "\n[remarks.1]\nauthor=me\n\n[remarks.4]\nn1=b\n");
    EXPECT_EQ(ReadBack(s), s);
}

TEST(ReportNotesSettings, DamagedValuesNameTheirPlaceAndLeaveTheDefaults)
{
    const std::pair<const char*, const char*> damaged[] = {
        {"[remarks.1]\nn41=x\n", "[remarks.1] の n41 の番号は 1 から 40 までです。"},
        {"[moral.2]\nn07=x\n", "[moral.2] の n07 の番号は 1 から 40 までです。"},
        {"[foreign.3]\nn1=a\\b\n", "[foreign.3] の n1 に読めない「\\」の並びがあります（\\n は改行、\\\\ は「\\」）。"},
        {"[attendance.1]\ndays=-1\n", "[attendance.1] の days は授業日数（0〜999）です。"},
        {"[attendance.1]\ndays=\n", "[attendance.1] の days は授業日数（0〜999）です。"},
        {"[attendance.1]\nn1=2\n", "[attendance.1] の n1 は「停止等の日数,欠席日数,備考」の形です（日数は 0〜999）。"},
        {"[attendance.1]\nn1=1,x,\n", "[attendance.1] の n1 は「停止等の日数,欠席日数,備考」の形です（日数は 0〜999）。"},
        {"[conduct.1]\nn1=1,0,1\n", "[conduct.1] の n1 は行動の記録の十項目の 1（○）か 0 をコンマで区切ったものです。"},
        {"[conduct.1]\nn1=1,0,1,1,0,0,1,0,0,2\n",
         "[conduct.1] の n1 は行動の記録の十項目の 1（○）か 0 をコンマで区切ったものです。"},
        {"[conduct]\nitems=a,b\n", "[conduct] の items は行動の記録の十項目の名前をコンマで区切ったものです。"},
        {"[limits]\nremarks=0\n", "[limits] の remarks は字数の上限（1〜9999）です。"},
        {"[written]\nuses=moral,art\n", "[written] の uses は moral, integrated, foreign をコンマで区切ったものです。"},
    };
    for (const auto& [text, reason] : damaged) {
        EvaluationSettings settings;
        const FileResult error = ParseEvaluationSettings(text, settings);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->line, 2) << text;
        EXPECT_EQ(error->reason, reason);
        EXPECT_TRUE(settings.IsDefault()) << text;
    }
    // Short forms a hand edit may leave: a 備考 left out, no subject used.
    EvaluationSettings s;
    ASSERT_FALSE(ParseEvaluationSettings("[attendance.3]\nn5=1,2\n[written]\nuses=\n", s));
    EXPECT_EQ(s.Notes.Student(3, 5).Excused, 1);
    EXPECT_EQ(s.Notes.Student(3, 5).Absent, 2);
    CheckedArray<bool, kNoteTexts> only;
    only[0] = true;
    EXPECT_EQ(s.Notes.Uses, only);
}

} // namespace
} // namespace miravel
