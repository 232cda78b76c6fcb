// The report notes in a hand-off file: every column, the line breaks as
// newline= says, in each encoding.

#include "core/EvaluationRules.h"
#include "file/Cp932.h"
#include "grades/HandoffNoteFields.h"
#include "grades/HandoffRows.h"
#include "grades/ViewTestBook.h"

namespace miravel::testing {
namespace {

HandoffProfile NotesProfile()
{
    HandoffProfile profile;
    profile.columns.push_back({HandoffField::Number, 0, 0, "", ""});
    for (int c = 0; c < kNoteColumns; ++c)
        if (c <= 10 || c == kNoteColumns - 1)  // 行動1 and 行動10 of the ten
            profile.columns.push_back({HandoffField::Note, 0, 0, "", "", c});
    return profile;
}

std::unique_ptr<GradeBook> NotedBook()
{
    auto book = MakeClassOfFive();  // 青木, 井上, (none), 江藤, 大野
    ReportNotes& notes = book->Evaluation.Notes;
    notes.Periods[0].SchoolDays = 68;
    StudentNotes& aoki = notes.Student(1, 1);
    aoki.Text(NoteText::Remarks) = "明るく\r\n元気です。";
    aoki.Text(NoteText::Moral) = "考えを話せました。";
    aoki.Text(NoteText::Integrated) = "調べ学習";
    aoki.Text(NoteText::Foreign) = "Hello, 英語";
    aoki.Excused = 2, aoki.Absent = 3, aoki.AttendanceNote = "忌引 2";
    aoki.Conduct[9] = true;
    notes.Student(1, 2).Conduct[0] = true;
    notes.Student(2, 1).Text(NoteText::Remarks) = "二学期";
    notes.Student(3, 1).Text(NoteText::Remarks) = "三学期";
    return book;
}

TEST(HandoffNotes, EveryColumnOfTheChosenTerm)
{
    auto book = NotedBook();
    const HandoffTable rows = HandoffRows(*book, 0, NotesProfile());
    const HandoffTable expected = {
        {"出席番号", "所見", "道徳", "総合", "外国語活動", "授業日数", "出席停止・忌引等の日数", "出席しなければならない日数",
         "欠席日数", "出席日数", "出欠の備考", "行動1", "行動10"},
        {"1", "明るく元気です。", "考えを話せました。", "調べ学習", "Hello, 英語", "68", "2", "66", "3", "63", "忌引 2", "", "○"},
        {"2", "", "", "", "", "68", "0", "68", "0", "68", "", "○", ""},
        {"4", "", "", "", "", "68", "0", "68", "0", "68", "", "", ""},
        {"5", "", "", "", "", "68", "0", "68", "0", "68", "", "", ""},
    };
    EXPECT_EQ(rows, expected);
    // No 授業日数 yet: the days that follow from it stay empty too.
    const HandoffTable second = HandoffRows(*book, 1, NotesProfile());
    EXPECT_EQ(second[1], (std::vector<std::string>{"1", "二学期", "", "", "", "", "0", "", "0", "", "", "", ""}));
}

TEST(HandoffNotes, TheYearWritesTheLastTermShown)
{
    auto book = NotedBook();
    EXPECT_EQ(NotesPeriodOf(*book, 1), 2);
    EXPECT_EQ(NotesPeriodOf(*book, kYearRoundPeriod), 3);
    EXPECT_EQ(HandoffRows(*book, kYearRoundPeriod, NotesProfile())[1][1], "三学期");
    ApplyTerms(*book, 2);
    EXPECT_EQ(NotesPeriodOf(*book, kYearRoundPeriod), 2);
    EXPECT_EQ(HandoffRows(*book, kYearRoundPeriod, NotesProfile())[1][1], "二学期");
}

TEST(HandoffNotes, LineBreaksAndMarksInEachEncoding)
{
    auto book = NotedBook();
    HandoffProfile profile;
    profile.header = false;
    profile.columns = {{HandoffField::Number, 0, 0, "", ""},
                       {HandoffField::Note, 0, 0, "", "", static_cast<int>(NoteColumn::Remarks)},
                       {HandoffField::Note, 0, 0, "", "", static_cast<int>(NoteColumn::Conduct1) + 9}};
    profile.mark = "1";
    struct Case {
        HandoffNewline newline;
        const char* replacement;
        std::string first;  // number 1's line
    };
    const Case cases[] = {
        {HandoffNewline::Remove, "", "1,明るく元気です。,1\r\n"},
        {HandoffNewline::Keep, "", "1,\"明るく\n元気です。\",1\r\n"},
        {HandoffNewline::Replace, "／", "1,明るく／元気です。,1\r\n"},
    };
    for (const Case& c : cases) {
        profile.newline = c.newline;
        profile.newlineText = c.replacement;
        const std::string text = c.first + "2,,\r\n4,,\r\n5,,\r\n";
        for (HandoffEncoding encoding : {HandoffEncoding::Utf8Bom, HandoffEncoding::Utf8, HandoffEncoding::Cp932}) {
            profile.encoding = encoding;
            std::string bytes;
            ASSERT_FALSE(EncodeHandoffRows(HandoffRows(*book, 0, profile), encoding, bytes));
            const std::string expected = encoding == HandoffEncoding::Cp932 ? *Utf8ToCp932(text)
                                         : encoding == HandoffEncoding::Utf8Bom ? "\xEF\xBB\xBF" + text
                                                                                : text;
            EXPECT_EQ(bytes, expected) << static_cast<int>(encoding) << " " << c.first;
        }
    }
}

} // namespace
} // namespace miravel::testing
