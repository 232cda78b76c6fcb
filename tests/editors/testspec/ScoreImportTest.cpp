// Scores from elsewhere: a spreadsheet block pasted, a score file matched to
// the students, and in the window a block pasted and registered and a file
// taken through its preview.

#include "editors/testspec/ScoreImport.h"
#include "editors/testspec/ScoreImportWindow.h"
#include "editors/testspec/ScorePaste.h"
#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestSpecWindowSupport.h"
#include "mainwindow/ImportPreview.h"
#include "support/Books.h"

#include <QClipboard>
#include <QFont>
#include <QLabel>
#include <QTimer>

namespace miravel::test {
namespace {

TEST(ScoreImport, PointsOfACell)
{
    const struct { const char* cell; const char* entry; int fullMarks; } cases[] = {
        {"8 / 10", "8", 10}, {"8/10", "8", 10}, {" 7 ", "7", -1}, {"*", "*", -1}, {" ／", "*", -1}, {"8 / x", "8 / x", -1}, {"", "", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(std::make_pair(PointsOfCell(c.cell).entry, PointsOfCell(c.cell).fullMarks.value_or(-1)),
                  std::make_pair(std::string(c.entry), c.fullMarks)) << c.cell;
}

TEST(ScoreImport, PasteGoesToFollowingNumbersAndAssessedViewpoints)
{
    auto book = ClassBook({"a", "b", "c", "d", ""});
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    const ViewpointChecks checks{true, false, true};  // viewpoint 2 not assessed
    const PasteResult result = PasteBlock(*book, grid, ClipboardBlock("30\t40\t9\r\n60\t\r\n欠\t120\n\t1\n"), 2, 0,
                                          checks, {"50", "", ""});
    EXPECT_EQ(result.pasted, 3);
    // Row 0 goes to number 2, its column 1 to viewpoint 3.
    EXPECT_EQ((std::array{grid.TextMatrix(2, 2), grid.TextMatrix(2, 4), grid.TextMatrix(2, 5), grid.TextMatrix(4, 2)}),
              (std::array<std::string, 4>{" 30", " 40", " 70", "*"}));
    const struct { int number, viewpoint; const char* reason; } refused[] = {
        {2, -1, "貼り付ける観点がありません"}, {3, 0, "得点が配点を超えています｡ "},
        {4, 2, "得点が100点を超えています｡ "}, {5, 2, "名前のない出席番号です"}};
    ASSERT_EQ(result.refused.size(), std::size(refused));
    for (std::size_t i = 0; i < std::size(refused); ++i)
        EXPECT_EQ(std::tie(result.refused[i].number, result.refused[i].viewpoint, result.refused[i].reason),
                  std::make_tuple(refused[i].number, refused[i].viewpoint, std::string(refused[i].reason))) << i;
    EXPECT_EQ(PasteBlock(*book, grid, ClipboardBlock("\n7"), 5, 0, checks, {}).refused[0].reason, "名簿にない出席番号です");
}

TEST(ScoreImport, RowsMatchByAccountNumberOrName)
{
    auto book = ClassBook({"山田　太郎", "田中 花子", "佐藤 一", "鈴木 二"});
    book->Evaluation.StudentAccounts[0] = "yamada@x.jp";
    book->Evaluation.StudentAccounts[3] = "suzuki@x.jp";
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    const auto rows = ParseCsv("メール,名前,スコア\nYamada@x.jp,別名,8 / 10\ntanaka@x.jp,田中花子,9 / 10\n"
                               "s@x.jp,佐藤 一,5 / 10\n,佐藤 一,6 / 10\nz@x.jp,鈴木 二,7 / 10\n,山本,3 / 10\n",
                               ',');
    const ScoreColumns columns = DetectScoreColumns(rows, {true, true, true});
    const ScoreImportPlan plan = PlanScoreImport(*book, grid, rows, columns, {true, true, true}, {"", "", ""});
    EXPECT_EQ(std::make_pair(columns.points[0], plan.offeredFullMarks[0].value_or(0)), std::make_pair(2, 10));
    const char* kPickOne = "同じ児童の行が複数あります。取り込む行を選んでください";
    const struct { int number; const char* refusal; const char* account; } expected[] = {
        {1, "", ""}, {2, "", "tanaka@x.jp"}, {3, kPickOne, "s@x.jp"}, {3, kPickOne, ""}, {4, "アカウントが名簿と違います", ""},
        {0, "名簿に該当する生徒がいません", ""}};
    ASSERT_EQ(plan.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(std::tie(plan.rows[i].number, plan.rows[i].refusal, plan.rows[i].newAccount),
                  std::make_tuple(expected[i].number, std::string(expected[i].refusal), std::string(expected[i].account)))
            << i;
    EXPECT_EQ(std::make_pair(plan.taken, ApplyScoreImport(*book, grid, plan, {})), std::make_pair(2, 2));
    EXPECT_EQ(grid.TextMatrix(2, 2), " 9");
}

// Numbers 10..31 with a gap at 13 and two students called 佐藤 一. Each row as
// "12": taken, "12+": taken of several, "12-": passed over, "12!": refused.
TEST(ScoreImport, ColumnsStudentsAndRowsTaken)
{
    auto book = ClassBook({"", "", "", "", "", "", "", "", "", "青木 一", "井上 二", "山田 太郎", "", "川口 花", "", "", "",
                           "", "", "佐藤 一", "", "", "", "", "佐藤 一", "", "", "", "", "", "森 一"});
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    const char* forms = "タイムスタンプ,スコア,出席番号\n2026/06/12 9:05:31,8,31\n2026/06/12 9:07:02,6,12\n2026/06/12 9:01:10,9,10\n"
                        "2026/06/12 9:07:40,7,12\n2026/6/12 9:03,5,11\n2026/06/12 9:00:00,4,11\n昨日,3,10\n";
    using Columns = std::tuple<int, int, int, std::array<int, 3>, bool>;  // number, name, stamp, points, header
    const ViewpointChecks all{true, true, true};
    const struct { const char* csv; ViewpointChecks checks; Columns columns; std::vector<std::string> rows;
                   std::vector<int> withoutRows; } cases[] = {
        {"出席番号,ポイント - Q1,ポイント - Q2\n31,1,2\n7,1,1\n12,2,2\n10,0,1\n", {false, true, true},
         {0, -1, -1, {-1, 1, 2}, true}, {"31", "0!", "12", "10"}, {11, 14, 20, 25}},
        {"12,山田 太郎,8\n10,青木 一,9\n", all, {0, 1, -1, {-1, -1, -1}, false}, {"12", "10"}, {11, 14, 20, 25, 31}},
        {"名前,スコア\n佐藤 一,5\n森 一,6\n", all, {-1, 0, -1, {1, -1, -1}, true}, {"0!", "31"}, {10, 11, 12, 14, 20, 25}},
        {"ID,開始時刻,完了時刻,メール,名前,合計点数\n1,6/12/26 9:00:00,6/12/26 9:05:31,,森 一,5\n", {true, false, false},
         {-1, 4, 2, {5, -1, -1}, true}, {"31"}, {10, 11, 12, 14, 20, 25}},
        {forms, all, {2, -1, 0, {1, -1, -1}, true}, {"31", "12-", "10!", "12+", "11+", "11-", "10!"}, {14, 20, 25}},
    };
    for (const auto& c : cases) {
        const auto rows = ParseCsv(c.csv, ',');
        const ScoreColumns found = DetectScoreColumns(rows, c.checks);
        const ScoreImportPlan plan = PlanScoreImport(*book, grid, rows, found, c.checks, {});
        std::vector<std::string> taken;
        for (const ScoreImportRow& row : plan.rows)
            taken.push_back(std::to_string(row.number) + (row.chosen ? "+" : row.passedOver ? "-" : row.refusal.empty() ? "" : "!"));
        EXPECT_EQ(std::make_tuple(Columns(found.number, found.name, found.stamp, found.points, found.header), taken,
                                  plan.withoutRows), std::make_tuple(c.columns, c.rows, c.withoutRows)) << c.csv;
    }
}

TEST_F(TestSpecWindow, PastedBlockIsRegistered)
{
    ASSERT_TRUE(openEditor({"a", "b", "c"}));
    QGuiApplication::clipboard()->setText(U("10\t20\t30\n40\t50\t60\n"));
    key(Qt::Key_Down);
    QTest::keySequence(focus(), QKeySequence::Paste);
    ASSERT_TRUE(!platform.messages.empty() && platform.messages[0].text.startsWith(U(" 6 個の得点を貼り付けました。")));
    EXPECT_EQ(entry(2)->text(), U(" 30"));
    platform.messageAnswers = {MessageAnswer::Yes};  // no 配点: one question, 100 each
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    settle();
    const auto& scores = Book().Scores;  // the block went to numbers 2 and 3
    EXPECT_EQ((std::array{scores[TestSlot(0, 0, 0, 3)][1], scores[TestSlot(0, 0, 0, 2)][2], scores[TestSlot(0, 0, 0, 0)][0]}),
              (std::array{60.0f, 60.0f, kNoValue}));
}

// 得点の読み込み goes through its preview: rows shown where the file has them,
// the file's 配点 into the editor's empty field, the scores into the table.
TEST_F(TestSpecWindow, ImportedScoresGoThroughThePreview)
{
    ASSERT_TRUE(openEditor({"山田 太郎", "田中 花子", "佐藤 一"}));
    platform.fileAnswers.push_back(writeCp932("scores.csv", "名前,スコア\n山本,3 / 10\n田中 花子,9 / 10\n"));
    QTimer::singleShot(0, [] {
        const ClosesDialog closes;
        auto* preview = qobject_cast<ScoreImportWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->RowsShown->index(1, 1).data().toString(), U("該当なし"));
        EXPECT_EQ(preview->RowsShown->index(2, 1).data().toString(), U("田中 花子"));
        EXPECT_TRUE(preview->Summary->text().startsWith(U("1人の得点を取り込みます。取り込まない行：1行。")));
        preview->Take->click();
    });
    editor->Command6->click();
    EXPECT_EQ(editor->FullMarks[0]->text(), U(" 10"));
    EXPECT_EQ(table(2, 2), U(" 9"));
    EXPECT_EQ(table(1, 2), U(""));
}

// The earlier of two submissions ticked is taken; students without a row named before and after.
TEST_F(TestSpecWindow, FormsRowPickedInThePreview)
{
    ASSERT_TRUE(openEditor({"山田 太郎", "田中 花子", "佐藤 一"}));
    platform.fileAnswers.push_back(writeCp932("forms.csv", "タイムスタンプ,名前,スコア\n2026/06/12 9:07:40,田中 花子,7\n2026/06/12 9:07:02,田中 花子,6\n"));
    const QString missing = U("\n提出のない児童：1 山田 太郎、3 佐藤 一");
    QTimer::singleShot(0, [missing] {
        const ClosesDialog closes;
        auto* preview = qobject_cast<ScoreImportWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        const auto shown = [preview, missing] { return std::make_tuple(preview->RowsShown->index(1, 0).data(Qt::FontRole).value<QFont>().strikeOut(),
            preview->RowsShown->index(2, 0).data(Qt::FontRole).value<QFont>().strikeOut(), preview->RowsShown->index(1, 3).data().toString(), preview->RowsShown->index(2, 3).data().toString(),
            preview->Summary->text().endsWith(missing)); };
        EXPECT_EQ(shown(), std::make_tuple(false, true, U("いちばん新しい提出を取り込みます"), U("同じ児童のより新しい提出があります"), true));
        preview->RowsShown->setData(preview->RowsShown->index(2, 2), Qt::Checked, Qt::CheckStateRole);
        QCoreApplication::processEvents();
        EXPECT_EQ(shown(), std::make_tuple(true, false, U("同じ児童の別の行を選んでいます"), U("選んだ行を取り込みます"), true));
        preview->Take->click();
    });
    editor->Command6->click();
    EXPECT_EQ(std::make_pair(table(2, 2), lastMessage()),
              std::make_pair(U(" 6"), U("1人の得点を取り込みました。") + missing + U("\n「登録」を押すまで成績ファイルには入りません。")));
}

} // namespace
} // namespace miravel::test
