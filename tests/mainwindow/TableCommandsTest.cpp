// The shown table saved as CSV, and the roster read from a name file.

#include "WindowTestSupport.h"

#include "mainwindow/ImportPreview.h"
#include "mainwindow/RosterImportWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace miravel::test {
namespace {

class TableCommands : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }

    void importNames(const std::string& utf8)
    {
        platform.fileAnswers.push_back(writeCp932("names.csv", utf8));
        window->mnuEditNameBook->trigger();
    }
};

TEST_F(TableCommands, CsvHoldsTheShownRosterRowByRow)
{
    open(writeBook("class.txt", {"佐藤", "鈴木", "高橋"}));
    clickKey("HomeRoom");
    platform.fileAnswers = {path("roster.csv")};
    window->mnuCSVSaveAs->trigger();
    ASSERT_EQ(platform.dialogs.size(), 2u);
    EXPECT_EQ(platform.dialogs[1].kind, DialogKind::Save);
    EXPECT_EQ(platform.dialogs[1].title, U("名前をつけて保存する"));
    EXPECT_EQ(platform.dialogs[1].filter, U("ﾃｷｽﾄﾌｧｲﾙ (*.csv)|*.csv"));

    const std::string text = Cp932ToUtf8(readAll(path("roster.csv")).toStdString()).value();
    const QStringList lines = QString::fromStdString(text).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);  // 6 rows and the end after the last line break
    EXPECT_TRUE(lines[0].startsWith(U(",生徒氏名,")));
    EXPECT_TRUE(lines[2].startsWith(U(" 2,鈴木,")));
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(lines[r].count(','), 15) << r;
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableCommands, CsvWriteErrorIsReportedAndTheOldFileKept)
{
    open(writeBook("class.txt", {"佐藤"}));
    const QString target = writeCp932("roster.csv", "old");
    clickKey("HomeRoom");
    // A text the file's code page cannot hold makes the export fail.
    window->Pane().Grid.SetTextMatrix(1, 1, "佐藤\U0001F600");
    window->ShowPane();
    platform.fileAnswers = {target};
    window->mnuCSVSaveAs->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(U(texts::kCannotSaveCsv)));
    EXPECT_EQ(readAll(target), QByteArray("old"));
}

TEST_F(TableCommands, ImportedNamesFillTheRosterAndTheGrid)
{
    open(writeBook("class.txt", {}));
    window->mnuFileSave->trigger();
    ASSERT_FALSE(Book().SavedState);

    importNames("山田,田中;佐藤\r\n\r\n 鈴木\r\n");
    EXPECT_EQ(platform.dialogs.back().kind, DialogKind::Open);
    EXPECT_EQ(platform.dialogs.back().title, U("開く"));
    EXPECT_EQ(platform.dialogs.back().filter, U(texts::kRosterFilter));
    GradeBook& book = Book();
    EXPECT_EQ(book.StudentCount, 3);
    EXPECT_EQ(book.StudentNames[0], "山田,田中");
    EXPECT_EQ(book.StudentNames[2], " 鈴木");
    EXPECT_EQ(window->MSFlexGrid1->rowCount(), 6);
    EXPECT_EQ(cell(0, 1), U("生徒氏名"));
    EXPECT_EQ(cell(3, 0), QStringLiteral(" 3"));
    EXPECT_EQ(cell(2, 1), U("佐藤"));
    EXPECT_TRUE(window->mnuEditNameBook->isEnabled());  // for the empty numbers
    EXPECT_TRUE(window->mnuFilePrint->isEnabled());
    EXPECT_TRUE(button(texts::kKeyPrint)->isEnabled());
    EXPECT_TRUE(book.SavedState) << "an imported roster must not be lost without asking";
    EXPECT_TRUE(platform.messages.empty());
}

// A roster table goes through its preview; the column chosen there is the one stored.
TEST_F(TableCommands, ARosterTableIsStoredAsItsPreviewPlacesIt)
{
    platform.now = QDateTime(QDate(2027, 3, 31), QTime(9, 0));
    window->mnuFileNew->trigger();
    QTimer::singleShot(0, [] {
        const ClosesDialog closes;
        auto* preview = qobject_cast<RosterImportWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->RowsShown->index(1, 1).data().toString(), U("山田"));
        ChooseColumn(preview->NameColumn, 2);
        EXPECT_EQ(preview->RowsShown->index(1, 1).data().toString(), U("やまだ"));
        EXPECT_EQ(preview->ClassFields->text(), U("学級の年度・学年・組に入れる(&G)：2026年（令和8年） 5年2組"));
        EXPECT_EQ(preview->Summary->text(), U("入れるもの：氏名 2人、アカウント 2人、学級（2026年（令和8年） 5年2組）。"));
        preview->Import->click();
    });
    importNames("番号,氏名,よみ,学年,組,メール\r\n2,山田,やまだ,5,2,b@x.jp\r\n1,田中,たなか,5,2,a@x.jp\r\n");
    const GradeBook& b = Book();
    EXPECT_EQ((std::vector{b.StudentNames[0], b.StudentNames[1], b.Evaluation.StudentAccounts[0], b.SchoolYear + b.GradeLevel + b.ClassName}),
              (std::vector<std::string>{"たなか", "やまだ", "a@x.jp", "2026年（令和8年）5年2組"}));
}

TEST_F(TableCommands, MoreThanFortyNamesImportsFortyAndSaysHowManyWereLeftOut)
{
    window->mnuFileNew->trigger();
    std::string names;
    for (int i = 1; i <= 43; ++i)
        names += "生徒" + std::to_string(i) + "\r\n";
    importNames(names);
    EXPECT_EQ(Book().StudentCount, 40);
    EXPECT_EQ(Book().StudentNames[39], "生徒40");
    EXPECT_EQ(window->MSFlexGrid1->rowCount(), 43);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), U(texts::kTooManyNames) + "3" + U(texts::kTooManyNamesEnd));
    EXPECT_EQ(platform.messages[0].title, U("Miravel"));
}

TEST_F(TableCommands, FileWithoutNamesKeepsTheImportOnOffer)
{
    window->mnuFileNew->trigger();
    importNames(";;\r\n,\r\n");
    EXPECT_EQ(Book().StudentCount, 0);
    EXPECT_EQ(window->MSFlexGrid1->rowCount(), 3);
    EXPECT_TRUE(window->mnuEditNameBook->isEnabled());
    EXPECT_FALSE(window->mnuFilePrint->isEnabled());
}

TEST(RefusedRowsText, ListsTenRowsAndCountsTheRest)
{
    const QStringList rows = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12").split(QLatin1Char(','));
    const QString ten = QStringLiteral("1、2、3、4、5、6、7、8、9、10");
    EXPECT_EQ(RefusedRowsText({}) + QLatin1Char('|') + RefusedRowsText(rows.mid(0, 10)) + QLatin1Char('|') + RefusedRowsText(rows),
              QStringLiteral("|読み込めない行（10行）：") + ten + QStringLiteral("|読み込めない行（12行）：") + ten + QStringLiteral("、…ほか2行"));
}

} // namespace
} // namespace miravel::test
