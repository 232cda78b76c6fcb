// The report notes at the foot of the student's sheet: wrapping, the 出欠
// and 行動 tables, and a long 所見 that keeps its type size.

#include "print/SheetFoot.h"
#include "print/StudentSheetPage.h"
#include "print/TablePage.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

const PrintArea kA4Portrait{11186, 16118};

TEST(SheetFoot, WrapsAtTheRoomAndAtLineBreaks)
{
    const int four = 4 * 2 * 9 * 10;  // four full-width characters at 9 pt
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {}}, {"あいうえ", {"あいうえ"}}, {"あいうえお", {"あいうえ", "お"}},
        {"あいうえ。か", {"あいうえ。", "か"}},  // a closing mark never starts a line
        {"あい\nう\n\nえ\n", {"あい", "う", "", "え"}}, {"ab\r\ncdefghij", {"ab", "cdefghij"}},
        {"abcdefghi", {"abcdefgh", "i"}}};  // half-width letters take half the room
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(WrapSheetText(text, 9, four), lines) << text;
}

// A long 所見 wraps in the left column at a readable size, the box grows for
// it, and the page stays one; 出欠 and 行動 stand on the right.
TEST(SheetFoot, TheTermsNotesFillTheFootOfTheSheet)
{
    std::string remarks;
    for (int i = 0; i < 20; ++i)
        remarks += "毎日の音読を続けました。";  // 240 characters
    auto book = ClassBook({"青木 一郎", "井上 花"});
    ReportNotes& entered = book->Evaluation.Notes;
    StudentNotes& s = entered.Student(1, 1);
    s.Text(NoteText::Remarks) = remarks, s.Text(NoteText::Moral) = "友だちの考えを聞き、自分の考えを深めました。";
    s.Excused = 2, s.Absent = 3, s.AttendanceNote = "かぜ 3", s.Conduct[0] = s.Conduct[6] = true;
    entered.Periods[0].SchoolDays = 68, entered.ConductItems[6] = "いのちを大切に";
    entered.Uses[static_cast<int>(NoteText::Integrated)] = false;
    EXPECT_FALSE(GatherStudentSheets(*book, {1}, 1).students[0].notes.shown);  // nothing in the second term
    const ClassSheets sheets = GatherStudentSheets(*book, {1}, 0);
    const SheetNotes& notes = sheets.students[0].notes;
    EXPECT_EQ(notes.attendance, (std::vector<std::pair<std::string, std::string>>{
                                    {"授業日数", "68"}, {"出席停止・忌引等", "2"}, {"出席しなければならない日数", "66"},
                                    {"欠席日数", "3"}, {"出席日数", "63"}, {"備考", "かぜ 3"}}));
    const PageDocument pages = LayoutStudentSheets(sheets, "", kA4Portrait);
    ASSERT_EQ(pages.size(), 1u);
    const int right = kA4Portrait.width - 200, split = 200 + (right - 200) * 64 / 100;
    const int boxTop = kA4Portrait.height - SheetFootHeight(notes, 200, right);
    std::string left, all;
    for (const PageItem& item : pages[0].items) {
        const auto* t = std::get_if<PageText>(&item);
        if (!t || t->y <= boxTop)
            continue;
        all += t->text + "|";
        if (t->x > split)
            continue;
        // Readable, inside its column and on the page: the box grew for it.
        EXPECT_TRUE(t->points >= 8 && t->x + HalfWidthUnits(t->text) * t->points * 10 <= split &&
                    t->y + 180 < kA4Portrait.height)
            << t->text;
        left += t->text;
    }
    EXPECT_EQ(left, "所見（一学期）" + remarks + "道徳友だちの考えを聞き、自分の考えを深めました。");  // no 総合
    for (const char* part : {"|出欠|授業日数|68|出席停止・忌引等|2|", "|出席日数|63|備考|かぜ 3|行動の記録|基本的な生活習慣|○|",
                             "|いのちを大切に|○|勤労・奉仕|"})
        EXPECT_NE(all.find(part), std::string::npos) << part << "\n" << all;
}

} // namespace
} // namespace miravel::test
