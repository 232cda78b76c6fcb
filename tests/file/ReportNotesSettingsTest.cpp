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

// " #" would start a comment, blanks at the ends would be trimmed.
TEST(ReportNotesSettings, EscapesKeepEveryCharacterOnOneLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\n", "C:\\\\n"}, {"番号 #3", "番号 \\#3"}, {" 前後 ", "\\s前後\\s"}, {"a\tb\r\n", "a\\tb\\r\\n"}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(EscapeNoteText(text), value) << text;
        EXPECT_EQ(UnescapeNoteText(value), std::optional<std::string>(text)) << value;
    }
    EXPECT_EQ(UnescapeNoteText("ab\\"), std::nullopt);
}

TEST(ReportNotesSettings, WrittenInTheKeysTeachersAndOtherToolsRead)
{
    EvaluationSettings s;
    ReportNotes& notes = s.Notes;
    notes.Periods[0].SchoolDays = 68, notes.Periods[1].SchoolDays = 0;
    notes.Student(1, 1).Text(NoteText::Remarks) = "よく頑張りました。\n次も", notes.Student(1, 1).Absent = 2;
    notes.Student(1, 3).Text(NoteText::Foreign) = "Hello";
    notes.Student(1, 2).AttendanceNote = "かぜ 2, 通院 1";  // a comma in the 備考
    notes.Student(1, 40).Conduct[0] = notes.Student(1, 40).Conduct[9] = true;
    notes.ConductItems[9] = "公共心,公徳心", notes.Limits[0] = 250;
    notes.Uses[static_cast<int>(NoteText::Integrated)] = false, notes.Uses[static_cast<int>(NoteText::Foreign)] = true;
    const std::string text = EvaluationSettingsText(s);
    const std::string expected = "\n[remarks.1]\nn1=よく頑張りました。\\n次も\n\n[foreign.1]\nn3=Hello\n"
                                 "\n[attendance.1]\ndays=68\nn1=0,2,\nn2=0,0,かぜ 2, 通院 1\n"
                                 "\n[conduct.1]\nn40=1,0,0,0,0,0,0,0,0,1\n\n[attendance.2]\ndays=0\n"
                                 "\n[conduct]\nitems=基本的な生活習慣,健康・体力の向上,自主・自律,責任感,創意工夫,"
                                 "思いやり・協力,生命尊重・自然愛護,勤労・奉仕,公正・公平,公共心\\,公徳心\n"
                                 "\n[limits]\nremarks=250\nmoral=100\nintegrated=100\nforeign=100\n"
                                 "\n[written]\nuses=moral,foreign\n";
    EXPECT_EQ(text, EvaluationSettingsText(EvaluationSettings{}) + expected);
    EXPECT_EQ(ReadBack(s), s);
    EXPECT_EQ(ReportNotesText(ReportNotes{}), "");
}

TEST(ReportNotesSettings, AFullClassOfThreePeriodsRoundTripsAndUnknownKeysStay)
{
    EvaluationSettings s;
    ASSERT_FALSE(ParseEvaluationSettings("[remarks.1]\nauthor=me\n[remarks.4]\nn1=b\n[attendance.3]\nn5=1,2\n", s));
    EXPECT_EQ(s.OtherSettings, "\n[remarks.1]\nauthor=me\n\n[remarks.4]\nn1=b\n");
    EXPECT_EQ(s.Notes.Student(3, 5).Excused + s.Notes.Student(3, 5).Absent, 3);  // a 備考 left out
    for (int p = 1; p <= kNotePeriods; ++p) {
        s.Notes.Periods[p - 1].SchoolDays = 60 + p;
        for (int n = 1; n <= kNoteStudents; ++n) {
            StudentNotes& st = s.Notes.Student(p, n);
            for (int t = 0; t < kNoteTexts; ++t)
                st.Texts[t] = std::to_string(p * n) + "番 #" + std::to_string(t) + (n % 2 ? "\n\\二行目 " : "");
            st.Excused = (n + p) % 3, st.Absent = n % 5, st.AttendanceNote = n % 4 ? "" : ",かぜ,";
            for (int i = 0; i < kConductItems; ++i)
                st.Conduct[i] = (n + i + p) % 2;
        }
    }
    s.Notes.Student(2, 7).Texts[0].clear();  // one empty text among full ones
    s.Notes.Uses.fill(false), s.Notes.Uses[0] = true;  // "uses=" with nothing after it
    EXPECT_EQ(ReadBack(s), s);
}

TEST(ReportNotesSettings, DamagedValuesNameTheirPlaceAndLeaveTheDefaults)
{
    const std::string days = "」の形です（日数は 0〜999）。", ten = "十項目の 1（○）か 0 をコンマで区切ったものです。";
    const std::pair<std::string, std::string> damaged[] = {
        {"[remarks.1]\nn41=x", "[remarks.1] の n41 の番号は 1 から 40 までです。"},
        {"[moral.2]\nn07=x", "[moral.2] の n07 の番号は 1 から 40 までです。"},
        {"[foreign.3]\nn1=a\\b", "[foreign.3] の n1 に読めない「\\」の並びがあります（\\n は改行、\\\\ は「\\」）。"},
        {"[attendance.1]\ndays=-1", "[attendance.1] の days は授業日数（0〜999）です。"},
        {"[attendance.1]\nn1=2", "[attendance.1] の n1 は「停止等の日数,欠席日数,備考" + days},
        {"[conduct.1]\nn1=1,0,1,1,0,0,1,0,0,2", "[conduct.1] の n1 は行動の記録の" + ten},
        {"[conduct]\nitems=a,b", "[conduct] の items は行動の記録の十項目の名前をコンマで区切ったものです。"},
        {"[limits]\nremarks=0", "[limits] の remarks は字数の上限（1〜9999）です。"},
        {"[written]\nuses=moral,art", "[written] の uses は moral, integrated, foreign をコンマで区切ったものです。"},
    };
    for (const auto& [text, reason] : damaged) {
        EvaluationSettings settings;
        EXPECT_EQ(ParseEvaluationSettings(text, settings).value_or(FileError{}).Message(), "2行目: " + reason);
        EXPECT_TRUE(settings.IsDefault()) << text;
    }
}

} // namespace
} // namespace miravel
