// The notes editor's rules without a window: counts, periods, moving between
// students, the derived days, the class list and 登録.

#include "editors/notes/NotesRules.h"

#include "core/EvaluationRules.h"
#include "support/Books.h"

#include <gtest/gtest.h>

#include <vector>

namespace miravel {
namespace {

using test::ClassBook;

TEST(NotesRules, CountCaptionTurnsRedOnlyPastTheLimit)
{
    struct Case {
        int count, limit;
        const char* caption;
        bool over;
    };
    const Case cases[] = {
        {0, 200, "0／200字", false},
        {199, 200, "199／200字", false},
        {200, 200, "200／200字", false},
        {201, 200, "201／200字", true},
        {101, 100, "101／100字", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountCaption(c.count, c.limit), c.caption);
        EXPECT_EQ(CountOverLimit(c.count, c.limit), c.over) << c.count << "/" << c.limit;
    }
}

TEST(NotesRules, PeriodsFollowTheTermSystem)
{
    auto book = ClassBook({"青木"});
    EXPECT_EQ(PeriodNames(*book), (std::vector<std::string>{"一学期", "二学期", "三学期"}));
    book->Evaluation.Terms = 2;
    ApplyTerms(*book, 2);
    EXPECT_EQ(PeriodNames(*book), (std::vector<std::string>{"前期", "後期"}));
}

TEST(NotesRules, OpensOnTheSelectedSemesterWhenItIsShown)
{
    struct Case {
        int terms, semester, period;
    };
    const Case cases[] = {{3, 0, 1}, {3, 1, 2}, {3, 2, 3}, {2, 1, 2}, {2, 2, 1}, {3, -1, 1}};
    for (const Case& c : cases) {
        auto book = ClassBook({"青木"});
        book->Evaluation.Terms = c.terms;
        book->CurrentSemester = static_cast<Integer>(c.semester);
        EXPECT_EQ(OpeningPeriod(*book), c.period) << c.terms << " terms, semester " << c.semester;
    }
}

TEST(NotesRules, NextAndPreviousPassNumbersWithoutANameAndStopAtTheEnds)
{
    auto book = ClassBook({"青木", "", "", "江藤", "小野"});
    struct Case {
        int from, step, to;
    };
    const Case cases[] = {{1, +1, 4}, {4, +1, 5}, {5, +1, 5}, {5, -1, 4}, {4, -1, 1}, {1, -1, 1}, {2, +1, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(NextNamedStudent(*book, c.from, c.step), c.to) << c.from << " " << c.step;
    EXPECT_EQ(FirstNamedStudent(*ClassBook({"", "", "上田"})), 3);
    EXPECT_EQ(FirstNamedStudent(*ClassBook({})), 1);
}

TEST(NotesRules, RemarksAreAlwaysWrittenThenTheSubjectsTheClassUses)
{
    struct Case {
        bool moral, integrated, foreign;
        std::vector<NoteText> texts;
    };
    const Case cases[] = {
        {false, false, false, {NoteText::Remarks}},
        {true, true, false, {NoteText::Remarks, NoteText::Moral, NoteText::Integrated}},
        {false, true, true, {NoteText::Remarks, NoteText::Integrated, NoteText::Foreign}},
    };
    for (const Case& c : cases) {
        ReportNotes notes;
        notes.Uses[static_cast<int>(NoteText::Remarks)] = false;  // 所見 is written whatever this says
        notes.Uses[static_cast<int>(NoteText::Moral)] = c.moral;
        notes.Uses[static_cast<int>(NoteText::Integrated)] = c.integrated;
        notes.Uses[static_cast<int>(NoteText::Foreign)] = c.foreign;
        EXPECT_EQ(TextsInUse(notes), c.texts);
    }
}

TEST(NotesRules, DerivedDaysSubtractExcusedThenAbsent)
{
    struct Case {
        std::optional<int> days;
        int excused, absent;
        const char* caption;
    };
    const Case cases[] = {
        {std::nullopt, 0, 2, "授業日数が未入力です"},
        {68, 0, 2, "出席しなければならない日数 68日\n出席日数 66日"},
        {68, 3, 2, "出席しなければならない日数 65日\n出席日数 63日"},
        {0, 0, 0, "出席しなければならない日数 0日\n出席日数 0日"},
        {68, 68, 0, "出席しなければならない日数 0日\n出席日数 0日"},
        {5, 6, 0, "出席停止・忌引等の日数が授業日数より多くなっています"},
        {68, 3, 66, "欠席日数が出席しなければならない日数より多くなっています"},
    };
    for (const Case& c : cases) {
        PeriodNotes period;
        period.SchoolDays = c.days;
        StudentNotes student;
        student.Excused = c.excused;
        student.Absent = c.absent;
        EXPECT_EQ(DerivedDaysCaption(period, student), c.caption);
    }
}

TEST(NotesRules, FirstLineIsCutByCharactersNotBytes)
{
    struct Case {
        const char* text;
        int width;
        const char* line;
    };
    const Case cases[] = {
        {"", 5, ""},
        {"あいうえお", 5, "あいうえお"},
        {"あいうえおか", 5, "あいうえお…"},
        {"一行目\n二行目", 5, "一行目…"},
        {"ab\n", 5, "ab…"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstLineOf(c.text, c.width), c.line) << c.text;
}

TEST(NotesRules, ListShowsEveryNumberWithItsCountsAbsencesAndWhatIsMissing)
{
    auto book = ClassBook({"青木", "", "上田", "江藤"});
    ReportNotes notes;
    notes.Uses[static_cast<int>(NoteText::Integrated)] = false;  // 所見 and 道徳 only
    notes.Limits[static_cast<int>(NoteText::Remarks)] = 10;
    notes.Student(1, 1).Text(NoteText::Remarks) = "よく頑張りました。\n二行目";
    notes.Student(1, 3).Text(NoteText::Remarks) = "あいうえおかきくけこさ";
    notes.Student(1, 3).Text(NoteText::Moral) = "道徳文";
    notes.Student(1, 3).Absent = 2;
    notes.Student(2, 1).Absent = 5;  // another period's
    notes.Student(1, 4).Text(NoteText::Integrated) = "使わない科目の文";

    const std::vector<NotesListRow> expected = {
        {1, "青木", "よく頑張りました。…", {"12／10", "0／100"}, "", "道徳なし、字数超過"},
        {2, "", "", {}, "", ""},
        {3, "上田", "あいうえおかきくけこさ", {"11／10", "3／100"}, "2", "字数超過"},
        {4, "江藤", "", {"0／10", "0／100"}, "", "所見なし、道徳なし"},
    };
    EXPECT_EQ(NotesList(*book, notes, 1), expected);
    EXPECT_EQ(NotesList(*book, notes, 2)[0].absent, "5");
}

TEST(NotesRules, ClassSettingsRefuseAnItemWithoutAName)
{
    struct Case {
        int item;
        const char* name;
        const char* problem;
    };
    const Case cases[] = {
        {0, "基本的な生活習慣", ""},
        {2, "", "行動の記録の 3 番目の項目に名前を入れてください。"},
        {9, "  ", "行動の記録の 10 番目の項目に名前を入れてください。"},
        {9, "公共心,公徳心", ""},  // the settings file keeps a comma inside a name
    };
    for (const Case& c : cases) {
        ReportNotes notes;
        notes.ConductItems[c.item] = c.name;
        EXPECT_EQ(ClassSettingsProblem(notes), c.problem) << c.name;
    }
}

std::vector<std::string> steps;

TEST(NotesRules, RegistrationIsOneNamedStepAndNoneWithoutAChange)
{
    auto book = ClassBook({"青木"});
    steps.clear();
    SetDocumentChangedHook([](const std::string& step) { steps.push_back(step); });
    ReportNotes notes = book->Evaluation.Notes;
    EXPECT_FALSE(RegisterNotes(*book, notes));
    notes.Student(1, 1).Text(NoteText::Remarks) = "元気です。";
    notes.Student(1, 1).Conduct[3] = true;
    EXPECT_TRUE(RegisterNotes(*book, notes));
    SetDocumentChangedHook(nullptr);
    EXPECT_EQ(book->Evaluation.Notes, notes);
    EXPECT_TRUE(book->SavedState);
    EXPECT_EQ(steps, std::vector<std::string>{"所見と出欠の登録"});
}

} // namespace
} // namespace miravel
