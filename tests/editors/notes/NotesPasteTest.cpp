// 所見 from a pasted column or a file: the clipboard's cells, the columns
// found, and the plan the preview shows, compared whole.

#include "editors/notes/NotesPaste.h"

#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

using test::ClassBook;

TEST(NotesPaste, ClipboardColumnKeepsEmptyCellsAndQuotedLineBreaks)
{
    struct Case {
        const char* text;
        ClipboardColumn column;
    };
    const Case cases[] = {
        {"", {{}, false}},
        {"a\nb\n", {{"a", "b"}, false}},
        {"a\r\n\r\nc", {{"a", "", "c"}, false}},
        {"a\rb\r", {{"a", "b"}, false}},
        {"\"一行目\r\n二行目\"\nb\n", {{"一行目\n二行目", "b"}, false}},
        {"\"言った\"\"こと\"\"\"\n", {{"言った\"こと\""}, false}},
        {"\"a\tb\"\n", {{"a\tb"}, false}},
        {"1\tよい\n", {{"1\tよい"}, true}},
        {" 前後の空白　\n", {{"前後の空白"}, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnOfClipboard(c.text), c.column) << c.text;
}

TEST(NotesPaste, TextColumnFromTheHeaderElseTheLongestCells)
{
    const std::vector<CsvRow> header = {{"出席番号", "氏名", "ふりがな", "所見"}, {"1", "青木", "あおき", "文"}};
    EXPECT_EQ(DetectTextColumns(header), (TextColumns{0, -1, 1, 3, true}));
    const std::vector<CsvRow> coded = {{"児童コード", "コメント"}, {"S1", "文"}};
    EXPECT_EQ(DetectTextColumns(coded), (TextColumns{-1, 0, -1, 1, true}));
    const std::vector<CsvRow> memo = {{"番号", "氏名", "メモ", "備考"}, {"1", "青木", "長めの文です。", "短い"}};
    EXPECT_EQ(DetectTextColumns(memo), (TextColumns{0, -1, 1, 2, true}));
    const std::vector<CsvRow> bare = {{"1", "青木", "とても長い文章です。"}, {"2", "井上", "元気です。"}};
    EXPECT_EQ(DetectTextColumns(bare), (TextColumns{0, -1, 1, 2, false}));
}

TEST(NotesPaste, PastedCellsGoToNumbersFromTheFirstOn)
{
    auto book = ClassBook({"青木", "", "上田", "江藤"});
    StudentTexts current;
    current[2] = "前の文";
    current[3] = "江藤の文";
    const std::vector<std::string> cells = {"あいうえ", "x", "前の文", "", ""};
    const TextImportPlan plan = PlanTextPaste(*book, current, cells, 1, 3);
    const std::vector<TextImportRow> expected = {
        {1, 1, "", "あいうえ", "3字を超えています（4字）", true},
        {2, 2, "", "x", "名前のない出席番号です", false},
        {3, 3, "前の文", "前の文", "今の文と同じです", false},
        {4, 4, "江藤の文", "", "空欄です（今の文のまま）", false},
    };
    EXPECT_EQ(plan.rows, expected);  // the empty cell of number 5 (no name) is left out
    EXPECT_EQ(plan.taken, 1);

    const TextImportPlan end = PlanTextPaste(*ClassBook(std::vector<std::string>(40, "名")), current, {"a", "b", "c"}, 39, 200);
    const std::vector<TextImportRow> last = {
        {1, 39, "", "a", "", true}, {2, 40, "", "b", "", true}, {3, 0, "", "c", "名簿にない出席番号です", false}};
    EXPECT_EQ(end.rows, last);
}

TEST(NotesPaste, FileRowsFindTheirStudentByCodeThenNumberThenName)
{
    auto book = ClassBook({"青木", "井上", "上田 一", "江藤", "小野"});
    book->Evaluation.StudentCodes[2] = "S3";
    const std::vector<CsvRow> rows = {
        {"児童コード", "出席番号", "氏名", "所見"},
        {"S3", "1", "", "上田の文"},    // the code wins over the number
        {"", "", "上田一", "x"},        // the name, blanks ignored: 上田 again
        {"", "2", "", "井上の文"},
        {"", "", "佐藤", "誰の文"},
        {"", "9", "", "9番の文"},
        {"", "4", "", ""},
    };
    StudentTexts current;
    current[1] = "井上の前";
    const TextImportPlan plan = PlanTextImport(*book, current, rows, {1, 0, 2, 3, true}, 200);
    const std::vector<TextImportRow> expected = {
        {2, 3, "", "上田の文", "同じ児童の行がほかにもあります", false},
        {3, 3, "", "x", "同じ児童の行がほかにもあります", false},
        {4, 2, "井上の前", "井上の文", "", true},
        {5, 0, "", "誰の文", "該当する児童がいません", false},
        {6, 9, "", "9番の文", "名前のない出席番号です", false},
        {7, 4, "", "", "空欄です（今の文のまま）", false},
    };
    EXPECT_EQ(plan.rows, expected);
    EXPECT_EQ(plan.withoutRows, (std::vector<int>{1, 5}));
    EXPECT_EQ(TextImportSummary(*book, plan), "1 人の文を入れます。入れない行：5 行。\n行のない児童：1 青木、5 小野\n"
                                              "「登録」を押すまで成績ファイルには入りません。");
    StudentTexts texts = current;
    EXPECT_EQ(ApplyTextImport(plan, texts), 1);
    StudentTexts after = current;
    after[1] = "井上の文";
    EXPECT_EQ(texts, after);
}

TEST(NotesPaste, TextsOfOnePeriodAndKindGoBackWhereTheyCameFrom)
{
    ReportNotes notes;
    notes.Student(2, 1).Text(NoteText::Remarks) = "二学期の所見";
    notes.Student(2, 40).Text(NoteText::Remarks) = "40番の所見";
    notes.Student(2, 1).Text(NoteText::Moral) = "二学期の道徳";
    notes.Student(1, 1).Text(NoteText::Remarks) = "一学期の所見";
    StudentTexts texts = TextsOf(notes, 2, NoteText::Remarks);
    StudentTexts expected;
    expected[0] = "二学期の所見";
    expected[39] = "40番の所見";
    EXPECT_EQ(texts, expected);

    texts[1] = "2番の新しい所見";
    ReportNotes after = notes;
    SetTexts(after, 2, NoteText::Remarks, texts);
    ReportNotes wanted = notes;
    wanted.Student(2, 2).Text(NoteText::Remarks) = "2番の新しい所見";
    EXPECT_EQ(after, wanted);  // the other period and the 道徳 stay
}

TEST(NotesPaste, SummaryNamesTwelveStudentsWithoutARowThenCountsTheRest)
{
    std::vector<std::string> names;
    for (int n = 1; n <= 15; ++n)
        names.push_back("児童" + std::to_string(n));
    auto book = ClassBook(names);
    const TextImportPlan plan = PlanTextImport(*book, {}, {{"15", "文"}}, {0, -1, -1, 1, false}, 200);
    EXPECT_EQ(TextImportSummary(*book, plan),
              "1 人の文を入れます。入れない行：0 行。\n行のない児童：1 児童1、2 児童2、3 児童3、4 児童4、5 児童5、"
              "6 児童6、7 児童7、8 児童8、9 児童9、10 児童10、11 児童11、12 児童12 ほか 2 人\n"
              "「登録」を押すまで成績ファイルには入りません。");
}

TEST(NotesPaste, WithoutATextColumnEveryRowIsEmpty)
{
    auto book = ClassBook({"青木"});
    const TextImportPlan plan = PlanTextImport(*book, {}, {{"1", "文"}}, {0, -1, -1, -1, false}, 200);
    const std::vector<TextImportRow> expected = {{1, 1, "", "", "空欄です（今の文のまま）", false}};
    EXPECT_EQ(plan.rows, expected);
}

TEST(NotesPaste, ANameTwoStudentsShareFindsNeither)
{
    auto book = ClassBook({"青木", "青木"});
    const TextImportPlan plan = PlanTextImport(*book, {}, {{"青木", "文"}}, {-1, -1, 0, 1, false}, 200);
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(plan.rows[0], (TextImportRow{1, 0, "", "文", "該当する児童がいません", false}));
}

} // namespace
} // namespace miravel
