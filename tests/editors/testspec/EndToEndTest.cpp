// A teacher's term through the window with keys: a class of 30, three tests
// of 国語 over two semesters entered student by student, registered, saved
// and opened again; the semester and year-round tables must then export
// exactly the CSV worked out from the rules (tests/data/testspec).

#include "TestSpecWindowSupport.h"

#include "file/CsvExport.h"
#include "platform/FileLayerPath.h"

#include <QFile>
#include <QLabel>

#include <functional>

namespace miravel::test {
namespace {

constexpr int kClass = 30;

std::string Name(int n) { return std::string("生徒") + (n < 10 ? "0" : "") + std::to_string(n); }

QString ReadExpected(const char* name)
{
    QFile file(QStringLiteral(MIRAVEL_TEST_DATA "/testspec/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class EndToEnd : public TestSpecWindow {
protected:
    // What the teacher types for student n: one text per assessed viewpoint,
    // "*" for 欠席, nothing at all for a student without scores.
    using Scores = std::function<std::vector<int>(int n)>;

    void enterTest(const char* node, const Scores& scores, const std::vector<const char*>& fullMarks = {},
                   int notAssessed = -1)
    {
        clickKey(node);
        ASSERT_TRUE(edit()) << node;
        for (std::size_t k = 0; k < fullMarks.size(); ++k)
            QTest::keyClicks(editor->FullMarks[k], U(fullMarks[k]));
        if (notAssessed >= 0)
            QTest::mouseClick(editor->Checks[static_cast<std::size_t>(notAssessed)], Qt::LeftButton);
        entry(0)->setFocus();
        for (int n = 1; n <= kClass; ++n) {
            ASSERT_EQ(editor->Label3->text(), QString::fromStdString(Name(n)));
            const std::vector<int> typed = scores(n);
            if (!typed.empty() && typed[0] == -2) {
                QTest::mouseClick(editor->Command5, Qt::LeftButton);
            } else {
                for (std::size_t k = 0; k < typed.size(); ++k) {
                    if (k > 0)
                        key(Qt::Key_Tab);
                    type(QString::number(typed[k]));
                }
            }
            key(Qt::Key_Return);
        }
        ASSERT_TRUE(platform.messages.empty()) << lastMessage().toStdString();
        QTest::mouseClick(editor->Command1, Qt::LeftButton);
        settle();
        ASSERT_FALSE(editor) << node;
    }

    QString exportView(const char* node, const char* file)
    {
        clickKey(node);
        platform.fileAnswers.push_back(path(U(file)));
        window->mnuCSVSaveAs->trigger();
        const QByteArray bytes = readAll(path(U(file)));
        return QString::fromStdString(Cp932ToUtf8(bytes.toStdString()).value_or(""));
    }
};

TEST_F(EndToEnd, ThreeTestsOverTwoSemestersSavedAndReadBack)
{
    std::vector<std::string> names;
    for (int n = 1; n <= kClass; ++n)
        names.push_back(Name(n));
    auto book = ClassBook(names);
    for (int p = 0; p < kPeriods; ++p) {
        book->RankCountA[p].fill(9);
        book->RankCountC[p].fill(3);
    }
    const QString classFile = path(U("class30.txt"));
    ASSERT_FALSE(WriteGradeBook(FileLayerPath(classFile), *book).has_value());
    start();
    RegisterTestSpecEditor(*window);
    open(classFile);

    // 一学期 第1回: all three viewpoints, number 5 absent; a title typed in.
    clickKey("2 0 0 0");
    ASSERT_TRUE(edit());
    QTest::mouseClick(editor->Text1, Qt::LeftButton);
    editor->Text1->setText(U("漢字と読解"));  // typed through the input method
    platform.messageAnswers = {MessageAnswer::Yes};  // leave without registering
    editor->Command2->click();  // first a cancelled try: nothing stays
    settle();
    platform.messages.clear();
    enterTest("2 0 0 0", [](int n) { return n == 5 ? std::vector<int>{-2} : std::vector<int>{20 + n, 50 - n, 40 + 2 * n}; },
              {"50", "50", "100"});
    // 一学期 第2回: 理解 not assessed (Tab passes over it), number 10 without scores.
    enterTest("2 0 0 1", [](int n) { return n == 10 ? std::vector<int>{} : std::vector<int>{30, 60 + n}; }, {"100", "", "100"}, 1);
    // 二学期 第1回.
    enterTest("2 0 1 0", [](int n) { return std::vector<int>{40 + 2 * n, 40, 70}; }, {"100", "100", "100"});

    EXPECT_EQ(Book().SlotTitles[TestSlot(0, 0, 0, 0)][1], " 1回目試験");
    EXPECT_FLOAT_EQ(Book().Scores[TestSlot(0, 0, 0, 0)][kFullMarksColumn], 50.0f);
    EXPECT_FLOAT_EQ(Book().Scores[TestSlot(0, 0, 1, 3)][kExamineeColumn], 29.0f);
    EXPECT_TRUE(Book().SavedState);

    const QString saved = path(U("saved.txt"));
    platform.fileAnswers.push_back(saved);
    window->mnuFileSaveAs->trigger();
    window->mnuFileClose->trigger();
    open(saved);
    EXPECT_EQ(NavigationTree::NodeImage(window->TreeView1->NodeByKey(U("2 0 1 0"))), U("lighton"));
    EXPECT_EQ(NavigationTree::NodeImage(window->TreeView1->NodeByKey(U("2 0 1 1"))), U("lightoff"));

    EXPECT_EQ(exportView("1 0 0", "semester.csv"), ReadExpected("semester_view.csv"));
    EXPECT_EQ(exportView("0 0", "yearround.csv"), ReadExpected("year_round_view.csv"));
    EXPECT_TRUE(platform.messages.empty()) << lastMessage().toStdString();
}

} // namespace
} // namespace miravel::test
