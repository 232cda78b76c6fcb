#include "app/CommandLine.h"
#include "file/CompanionFile.h"
#include "file/Cp932.h"
#include "file/GradeBookFile.h"
#include "file/FileTestSupport.h"
#include "grades/ViewTestBook.h"

#include <gtest/gtest.h>

using namespace miravel;
using namespace miravel::test;

namespace {

// Points and full marks of one test part, for numbers 1 and 3 (2 has no name).
void Scores(GradeBook& book, int subject, int test, int viewpoint, float first, float third, float fullMarks)
{
    auto& slot = book.Scores[TestSlot(0, subject, test, viewpoint)];
    slot[0] = first;
    slot[2] = third;
    slot[kFullMarksColumn] = fullMarks;
}

class EvaluationListTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string bookPath = dir.file("3年1組.txt");
    std::unique_ptr<GradeBook> book = ClassBook({"山田", "", "佐藤"}, {"2026", "3年", "1組", "山田"});
    std::string out, err;

    void SetUp() override
    {
        Scores(*book, 0, 0, 0, 38, 22, 50);    // 76 % and 44 % against the companion's 75/45
        Scores(*book, 0, 0, 1, 50, -2, -1);    // no full marks count as 100; absent: no letter
        Scores(*book, 0, 0, 2, 90, -1, 100);   // 160 of 200 over two tests
        Scores(*book, 0, 1, 2, 70, -1, 100);
        Scores(*book, 1, 0, 0, 49.5f, 100, 100);
        book->Evaluation.Mode = EvaluationMode::Criterion;
        book->Evaluation.Cuts[0] = {75, 45};
        ASSERT_FALSE(WriteGradeBook(bookPath, *book));
        ASSERT_FALSE(WriteCompanion(bookPath, book->Evaluation));
    }

    std::string exportView(const std::string& view)
    {
        const std::string csv = dir.file("out.csv");
        std::filesystem::remove(csv);
        EXPECT_EQ(RunHeadless(ParseCommandLine({"--export-csv", csv, "--view", view, bookPath}), out, err), 0) << err;
        return readBytes(csv);
    }
};

TEST_F(EvaluationListTest, CriterionListAgainstAHandWrittenCsv)
{
    EXPECT_EQ(exportView("evaluations:1"), *Utf8ToCp932(dataFile("grades/evaluation_list.csv")));
    // The semester view's letter column follows the same percentages.
    const std::string semester = *Cp932ToUtf8(exportView("semester:1,1"));
    EXPECT_NE(semester.find("\r\n 1,山田,,,A,,,B,,,A,"), std::string::npos) << semester;
}

TEST_F(EvaluationListTest, RelativeListHasTheViewsLetters)
{
    std::filesystem::remove(std::filesystem::u8path(CompanionPath(bookPath)));
    using namespace miravel::testing;
    StoreValues(*book, SemesterSummarySlot(0, 0, 0), {90, -1, 60}, 75);
    SetCounts(*book, 0, 0, 0, 1, 1);
    ASSERT_FALSE(WriteGradeBook(bookPath, *book));
    const std::string list = *Cp932ToUtf8(exportView("evaluations:1"));
    EXPECT_NE(list.find("\r\n 1,山田,A,,,3,"), std::string::npos) << list;
    EXPECT_NE(list.find("\r\n 3,佐藤,C,,,1,"), std::string::npos) << list;
}

} // namespace

// The hand-off files of the first semester through the shipped profiles (and
// a school's own in UTF-8 without BOM), in both modes, against files written
// by hand from the list above.
class HandoffExportTest : public EvaluationListTest {
protected:
    const std::string shipped = MIRAVEL_TEST_DATA "/../../share/profiles/";
    const std::string output = dir.file("提出.csv");

    int exportHandoff(const std::string& profile, bool force, const char* period = "1")
    {
        std::vector<std::string> args = {"--export-handoff", output, "--profile", profile, "--period", period, bookPath};
        if (force)
            args.push_back("--force");
        return RunHeadless(ParseCommandLine(args), out, err);
    }
};

TEST_F(HandoffExportTest, EachProfileSpellsTheListsLetters)
{
    book->Evaluation.StudentCodes[0] = "S001";
    book->Evaluation.StudentCodes[2] = "A,3";  // quoted as the CSV export does
    book->GradeLevel = "３年";                  // 3
    book->ClassName = "さくら";                 // no number: as it is
    using namespace miravel::testing;
    StoreValues(*book, SemesterSummarySlot(0, 0, 0), {90, -1, 60}, 75);  // the relative list: A and C
    SetCounts(*book, 0, 0, 0, 1, 1);
    ASSERT_FALSE(WriteGradeBook(bookPath, *book));
    const struct { std::string profile; EvaluationMode mode; const char* expected; } cases[] = {
        {shipped + "abc.miravel-profile", EvaluationMode::Criterion, "abc_criterion.csv"},
        {shipped + "numbers.miravel-profile", EvaluationMode::Criterion, "numbers_criterion.csv"},
        {shipped + "marks.miravel-profile", EvaluationMode::Relative, "marks_relative.csv"},
        {MIRAVEL_TEST_DATA "/handoff/plain.miravel-profile", EvaluationMode::Criterion, "plain_criterion.csv"},
    };
    for (const auto& c : cases) {
        book->Evaluation.Mode = c.mode;
        ASSERT_FALSE(WriteCompanion(bookPath, book->Evaluation));
        EXPECT_EQ(exportHandoff(c.profile, true), 0) << err;
        EXPECT_EQ(readBytes(output), dataFile(std::string("handoff/") + c.expected)) << c.expected;
    }
}

TEST_F(HandoffExportTest, RefusedWhileTheCheckFindsAProblem)
{
    book->Evaluation.StudentCodes[0] = "S001";  // 佐藤 has none
    ASSERT_FALSE(WriteCompanion(bookPath, book->Evaluation));
    EXPECT_EQ(exportHandoff(shipped + "abc.miravel-profile", false), 1);
    EXPECT_NE(err.find("出席番号 3 佐藤：コードがありません"), std::string::npos) << err;
    EXPECT_NE(err.find("確認で 1 件の問題があります。"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(output)));
    EXPECT_EQ(exportHandoff(shipped + "abc.miravel-profile", true), 0) << err;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(output)));
}

TEST_F(HandoffExportTest, NoThirdTermInATwoTermBook)
{
    book->Evaluation.Terms = 2;
    ASSERT_FALSE(WriteCompanion(bookPath, book->Evaluation));
    EXPECT_EQ(exportHandoff(shipped + "abc.miravel-profile", true, "3"), 1);
    EXPECT_NE(err.find("この学級は2学期制です。"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(output)));
}
