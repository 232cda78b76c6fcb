// The report notes' checks: the style and name rules on their own, then
// every check on a small class against its whole list of findings.

#include "core/EvaluationRules.h"
#include "grades/HandoffCheck.h"
#include "grades/LetterChecks.h"
#include "grades/NoteChecks.h"
#include "grades/ViewTestBook.h"

namespace miravel::testing {
namespace {

using Findings = std::vector<std::string>;

// The lines the teacher reads; each selects the class in the tree.
Findings Texts(const std::vector<GradeFinding>& findings)
{
    Findings texts;
    for (const GradeFinding& f : findings)
        texts.push_back(f.nodeKey == "HomeRoom" ? f.text : "not the class: " + f.text);
    return texts;
}

TEST(NoteChecks, StylesAndNameParts)
{
    const std::pair<const char*, WritingStyle> styles[] = {
        {"", WritingStyle::None}, {"元気に過ごしました。友だちが多いです。", WritingStyle::Polite},
        {"意欲的である。よく考えただろう。", WritingStyle::Plain}, {"元気に過ごしました。努力家である。", WritingStyle::Mixed},
        {"努力家だ\n頑張りました", WritingStyle::Mixed}, {"体育の時間。", WritingStyle::None},
        {"「がんばるのだ」と話していました。", WritingStyle::Polite}};  // a quoted ending is no sentence end
    for (const auto& [text, style] : styles)
        EXPECT_EQ(StyleOf(text), style) << text;
    const std::pair<const char*, std::vector<std::string>> names[] = {
        {"山田 花子", {"山田", "花子"}}, {"山田　花子", {"山田", "花子"}}, {"林 光", {}}, {"青木", {"青木"}}, {"  ", {}}};
    for (const auto& [name, parts] : names)
        EXPECT_EQ(NameParts(name), parts) << name;
}

// Four named students (number 3 has left) with 授業日数 and a plain 所見 each.
std::unique_ptr<GradeBook> NotedClass()
{
    auto book = test::ClassBook({"山田 花子", "田中 一郎", "", "小山田 健", "佐藤 美咲"});
    book->Evaluation.Notes.Periods[0].SchoolDays = 68;
    const char* remarks[] = {"音読を頑張りました。", "計算が速くなりました。", "", "小山田さんは絵が上手です。",
                             "友だちに優しいです。"};
    for (int n = 1; n <= 5; ++n)
        book->Evaluation.Notes.Student(1, n).Text(NoteText::Remarks) = remarks[n - 1];
    return book;
}

std::string& Remarks(GradeBook& b, int n, int period = 1) { return b.Evaluation.Notes.Student(period, n).Text(NoteText::Remarks); }

TEST(NoteChecks, EachCheckFindsItsCaseAndNothingElse)
{
    EXPECT_TRUE(CheckNotes(*NotedClass()).empty());
    EXPECT_TRUE(CheckGrades(*NotedClass()).empty());
    const std::string one = "出席番号 1 山田 花子：一学期の", two = "出席番号 2 田中 一郎：一学期の",
                      four = "出席番号 4 小山田 健：一学期の";
    struct Case {
        const char* name;
        void (*spoil)(GradeBook&);
        Findings found;
    };
    const Case cases[] = {
        {"no 所見; the unnamed number 3 needs none", [](GradeBook& b) { Remarks(b, 2).clear(); }, {two + "所見がありません"}},
        {"a later term with a note is checked whole", [](GradeBook& b) { b.Evaluation.Notes.Student(2, 5).Absent = 1; },
         {"出席番号 1 山田 花子：二学期の所見がありません", "出席番号 2 田中 一郎：二学期の所見がありません",
          "出席番号 4 小山田 健：二学期の所見がありません", "出席番号 5 佐藤 美咲：二学期の所見がありません",
          "二学期：授業日数がありません"}},
        {"a third term a two-term book does not show is not checked",
         [](GradeBook& b) { ApplyTerms(b, 2); b.Evaluation.Notes.Periods[2].SchoolDays = 1; }, {}},
        {"over the limit by one; at the limit is fine",
         [](GradeBook& b) {
             b.Evaluation.Notes.Limits[0] = 10;
             Remarks(b, 1) = "あいうえおかきくけ\nこさ";  // 11, the line break not counted
             Remarks(b, 2) = "あいうえおかきくけこ", Remarks(b, 4) = "絵が上手です。";
         },
         {one + "所見が 11 字で、上限の 10 字を超えています"}},
        {"each text has its own limit",
         [](GradeBook& b) {
             ReportNotes& n = b.Evaluation.Notes;
             n.Limits[3] = 2, n.Student(1, 4).Text(NoteText::Foreign) = n.Student(1, 5).Text(NoteText::Moral) = "abc";
             n.Student(1, 1).AttendanceNote = std::string(21, 'x'), n.Student(1, 2).AttendanceNote = std::string(20, 'x');
         },
         {one + "出欠の備考が 21 字で、上限の 20 字を超えています",
          four + "外国語活動が 3 字で、上限の 2 字を超えています"}},
        {"授業日数 missing", [](GradeBook& b) { b.Evaluation.Notes.Periods[0].SchoolDays.reset(); },
         {"一学期：授業日数がありません"}},
        {"days beyond 授業日数",
         [](GradeBook& b) {
             ReportNotes& n = b.Evaluation.Notes;
             n.Periods[0].SchoolDays = 10, n.Student(1, 1).Excused = n.Student(1, 2).Absent = 11;
             n.Student(1, 4).Excused = 6, n.Student(1, 4).Absent = 5;
             n.Student(1, 5).Excused = 5, n.Student(1, 5).Absent = 5;  // exactly all days: fine
             n.Student(1, 3).Absent = 99;                              // nobody
         },
         {one + "出席停止・忌引等の日数（11 日）が授業日数（10 日）を超えています",
          two + "欠席日数（11 日）が授業日数（10 日）を超えています",
          four + "出席停止・忌引等と欠席の日数の合計（11 日）が授業日数（10 日）を超えています"}},
        {"a sentence of 15 characters in two 所見; 14 is common enough",
         [](GradeBook& b) {
             Remarks(b, 1) = "元気です。一二三四五六七八九十一二三四五。", Remarks(b, 5) = "一二三四五六七八九十一二三四五！明るいです。";
             Remarks(b, 2) = "一二三四五六七八九十一二三四。", Remarks(b, 4) = "速いです。一二三四五六七八九十一二三四";
         },
         {"一学期の所見：同じ文が 出席番号 1 山田 花子、出席番号 5 佐藤 美咲 にあります（「一二三四五六七八九十一二三四五」）"}},
        {"です・ます and である in one 所見", [](GradeBook& b) { Remarks(b, 2) = "計算が速い。努力家である。丁寧です。"; },
         {two + "所見に「です・ます」と「である」が混じっています"}},
        {"another student's name; one's own, also inside a longer one, is fine",
         [](GradeBook& b) { Remarks(b, 1) = "一郎さんと美咲さんを助けました。", Remarks(b, 2) = "佐藤さんと遊びました。"; },
         {one + "所見に 出席番号 2 田中 一郎 の名前（一郎）があります",
          one + "所見に 出席番号 5 佐藤 美咲 の名前（美咲）があります",
          two + "所見に 出席番号 5 佐藤 美咲 の名前（佐藤）があります"}},
    };
    for (const Case& c : cases) {
        auto book = NotedClass();
        c.spoil(*book);
        EXPECT_EQ(Texts(CheckNotes(*book)), c.found) << c.name;
    }
    // 入力の確認, --check-grades and the hand-off all read this list.
    auto book = NotedClass();
    Remarks(*book, 2).clear();
    EXPECT_EQ(Texts(CheckGrades(*book)), (Findings{two + "所見がありません"}));
}

TEST(NoteChecks, ACodePage932HandoffNamesWhatItCannotHold)
{
    auto book = NotedClass();
    Remarks(*book, 1) = "𠮷野さんと遊びました。", Remarks(*book, 2) = "髙橋さんと①番〜。";  // 𠮷 alone has no cp932 form
    book->Evaluation.Notes.Student(1, 5).AttendanceNote = "🤧 3";
    HandoffProfile profile;
    EXPECT_TRUE(CheckBeforeHandoff(*book, profile).empty());
    profile.encoding = HandoffEncoding::Cp932;
    EXPECT_EQ(Texts(CheckBeforeHandoff(*book, profile)),
              (Findings{{"出席番号 1 山田 花子：一学期の所見の「𠮷」はシフトJIS（cp932）の書き出しファイルに書けません"},
                        {"出席番号 5 佐藤 美咲：一学期の出欠の備考の「🤧」はシフトJIS（cp932）の書き出しファイルに書けません"}}));
}

} // namespace
} // namespace miravel::testing
