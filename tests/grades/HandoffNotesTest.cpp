// The report notes in a hand-off file: every column, the line breaks as
// newline= says, in each encoding.

#include "core/EvaluationRules.h"
#include "file/Cp932.h"
#include "grades/HandoffRows.h"
#include "grades/ViewTestBook.h"

namespace miravel::testing {
namespace {

HandoffProfile NotesProfile(std::vector<int> notes)
{
    HandoffProfile profile;
    profile.columns = {{HandoffField::Number, 0, 0, "", ""}};
    for (int c : notes)
        profile.columns.push_back({HandoffField::Note, 0, 0, "", "", c});
    return profile;
}

std::unique_ptr<GradeBook> NotedBook()
{
    auto book = MakeClassOfFive();  // 青木, 井上, (none), 江藤, 大野
    ReportNotes& notes = book->Evaluation.Notes;
    notes.Periods[0].SchoolDays = 68;
    StudentNotes& aoki = notes.Student(1, 1);
    aoki.Texts[0] = "明るく\r\n元気です。", aoki.Texts[1] = "考えを話せました。", aoki.Texts[2] = "調べ学習", aoki.Texts[3] = "Hello, 英語";
    aoki.Excused = 2, aoki.Absent = 3, aoki.AttendanceNote = "忌引 2", aoki.Conduct[9] = true;
    notes.Student(1, 2).Conduct[0] = true;
    notes.Student(2, 1).Text(NoteText::Remarks) = "二学期", notes.Student(3, 1).Text(NoteText::Remarks) = "三学期";
    return book;
}

TEST(HandoffNotes, EveryColumnOfTheChosenTerm)
{
    auto book = NotedBook();
    const HandoffProfile every = NotesProfile({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, kNoteColumns - 1});  // 行動1, 行動10
    const HandoffTable expected = {
        {"出席番号", "所見", "道徳", "総合", "外国語活動", "授業日数", "出席停止・忌引等の日数", "出席しなければならない日数",
         "欠席日数", "出席日数", "出欠の備考", "行動1", "行動10"},
        {"1", "明るく元気です。", "考えを話せました。", "調べ学習", "Hello, 英語", "68", "2", "66", "3", "63", "忌引 2", "", "○"},
        {"2", "", "", "", "", "68", "0", "68", "0", "68", "", "○", ""},
        {"4", "", "", "", "", "68", "0", "68", "0", "68", "", "", ""},
        {"5", "", "", "", "", "68", "0", "68", "0", "68", "", "", ""},
    };
    EXPECT_EQ(HandoffRows(*book, 0, every), expected);
    // No 授業日数 yet: the days that follow from it stay empty too.
    EXPECT_EQ(HandoffRows(*book, 1, every)[1],
              (std::vector<std::string>{"1", "二学期", "", "", "", "", "0", "", "0", "", "", "", ""}));
    // The year writes the last term the book shows.
    EXPECT_EQ(HandoffRows(*book, kYearRoundPeriod, every)[1][1], "三学期");
    ApplyTerms(*book, 2);
    EXPECT_EQ(HandoffRows(*book, kYearRoundPeriod, every)[1][1], "二学期");
}

TEST(HandoffNotes, LineBreaksAndMarksInEachEncoding)
{
    auto book = NotedBook();
    HandoffProfile profile = NotesProfile({0, kNoteColumns - 1});
    profile.header = false, profile.mark = "1", profile.newlineText = "／";
    const std::pair<HandoffNewline, std::string> cases[] = {
        {HandoffNewline::Remove, "1,明るく元気です。,1\r\n"},
        {HandoffNewline::Keep, "1,\"明るく\n元気です。\",1\r\n"},
        {HandoffNewline::Replace, "1,明るく／元気です。,1\r\n"}};
    for (const auto& [newline, first] : cases)
        for (HandoffEncoding encoding : {HandoffEncoding::Utf8Bom, HandoffEncoding::Utf8, HandoffEncoding::Cp932}) {
            const std::string text = first + "2,,\r\n4,,\r\n5,,\r\n";
            std::string bytes;
            profile.newline = newline;
            ASSERT_FALSE(EncodeHandoffRows(HandoffRows(*book, 0, profile), encoding, bytes));
            EXPECT_EQ(bytes, encoding == HandoffEncoding::Cp932     ? *Utf8ToCp932(text)
                             : encoding == HandoffEncoding::Utf8Bom ? "\xEF\xBB\xBF" + text
                                                                    : text)
                << first;
        }
}

} // namespace
} // namespace miravel::testing
