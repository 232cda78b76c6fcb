// --grade-summary: the CSV of the books given, and nothing written when one
// of them cannot be read.

#include "app/CommandLine.h"
#include "core/EvaluationRules.h"
#include "file/CompanionFile.h"
#include "file/FileTestSupport.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "grades/SummaryBooks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#ifndef _WIN32
#include <sys/wait.h>
#endif

using namespace miravel;
using namespace miravel::test;
using namespace miravel::testing;

namespace {

// 1組: A, C, B on 表現; 2組: C, C; nobody has a letter on 理解 and 言語.
const char* const kExpected =
    "\xEF\xBB\xBF教科,観点,1組 A,1組 B,1組 C,1組 評価なし,2組 A,2組 B,2組 C,2組 評価なし,学年 A,学年 B,学年 C,学年 評価なし\r\n"
    "国語,表現,1,1,1,0,0,0,2,0,1,1,3,0\r\n"
    "国語,理解,0,0,0,3,0,0,0,2,0,0,0,5\r\n"
    "国語,言語,0,0,0,3,0,0,0,2,0,0,0,5\r\n"
    "国語,評定,1,1,1,0,0,0,2,0,1,1,3,0\r\n";

class GradeSummaryCommandTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<GradeBook> first = ClassWithShares("1組", 3, 1, 1);
    std::unique_ptr<GradeBook> second = ClassWithShares("2組", 2, 0, 2);
    std::string out, err;

    void write(const std::string& name, const GradeBook& book)
    {
        ASSERT_FALSE(WriteGradeBook(dir.file(name), book));
        ASSERT_FALSE(WriteCompanion(dir.file(name), book.Evaluation));
    }
    int run(const std::vector<std::string>& args) { return RunHeadless(ParseCommandLine(args), out, err); }
};

TEST_F(GradeSummaryCommandTest, WritesTheCountsOfTheBooksInTheirOrder)
{
    write("1.txt", *first);
    write("2.txt", *second);
    ASSERT_EQ(run({"--grade-summary", dir.file("集計.csv"), "--period", "1", dir.file("1.txt"), dir.file("2.txt")}), 0)
        << err;
    EXPECT_EQ(readBytes(dir.file("集計.csv")), kExpected);
    EXPECT_EQ(err, "");
}

TEST_F(GradeSummaryCommandTest, RefusesABookItCannotReadAndWritesNothing)
{
    write("1.txt", *first);
    writeBytes(dir.file("2.txt"), "not a grade book\r\n");
    writeBytes(dir.file("集計.csv"), "kept");
    EXPECT_EQ(run({"--grade-summary", dir.file("集計.csv"), "--period", "1", dir.file("1.txt"), dir.file("2.txt")}), 1);
    EXPECT_NE(err.find("成績ファイルとして読み込めません。" + dir.file("2.txt") + ": "), std::string::npos) << err;
    EXPECT_EQ(readBytes(dir.file("集計.csv")), "kept");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(dir.file("集計.csv.bak"))));

    err.clear();
    EXPECT_EQ(run({"--grade-summary", dir.file("集計.csv"), "--period", "1", dir.file("1.txt"), dir.file("./1.txt")}), 1);
    EXPECT_EQ(err, dir.file("./1.txt") + " は二度指定されています。成績ファイルは一度ずつ指定してください。\n");
    // A third semester the two-term book does not have: named, nothing written.
    write("2.txt", *second);
    ApplyTerms(*first, 2);
    first->Evaluation.Terms = 2;
    write("1.txt", *first);
    err.clear();
    EXPECT_EQ(run({"--grade-summary", dir.file("集計.csv"), "--period", "3", dir.file("1.txt"), dir.file("2.txt")}), 1);
    EXPECT_EQ(err, "1.txt は2学期制です。期間は 1、2 か 4（通年）を選んでください。\n");
    EXPECT_EQ(readBytes(dir.file("集計.csv")), "kept");
}

TEST(GradeSummaryOptions, WhatIsMissingIsSaid)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--grade-summary", "o.csv", "a.txt"}, "--period は 1 から 3（学期）か 4（通年）です。"},
        {{"--grade-summary", "o.csv", "--period", "5", "a.txt"}, "--period は 1 から 3（学期）か 4（通年）です。"},
        {{"--grade-summary", "o.csv", "--period", "4"}, "集計する成績ファイルを指定してください。"},
        {{"--grade-summary", "o.csv", "--period", "4", "--view", "class", "a.txt"},
         "--grade-summary には --view ではなく --period で期間を指定します。"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(ParseCommandLine(args).error, error) << args.back();
    const CommandLine ok = ParseCommandLine({"--grade-summary", "o.csv", "--period", "4", "b.txt", "a.txt"});
    EXPECT_EQ(ok.action, CommandLine::Action::GradeSummary);
    EXPECT_EQ(ok.books, (std::vector<std::string>{"b.txt", "a.txt"}));
}

#ifndef _WIN32 // the program is run through a POSIX shell
// The program itself: one password line per protected book, in the order the
// books are given.
int RunProgram(const std::string& arguments, const std::string& input, const std::string& said)
{
    const int status = std::system(("'" MIRAVEL_PROGRAM "' " + arguments + " <'" + input + "' 2>'" + said + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(GradeSummaryCommandTest, ProtectedBooksTakeOnePasswordLineEachInOrder)
{
    FileResult error;
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(dir.file("1.mrvl"), *first, *BookKey::Create("password1", LowestKdfCost(), error), report));
    ASSERT_FALSE(WriteProtectedBook(dir.file("2.mrvl"), *second, *BookKey::Create("password2", LowestKdfCost(), error), report));
    writeBytes(dir.file("in"), "password1\npassword2\n");
    writeBytes(dir.file("swapped"), "password2\npassword1\n");
    const std::string books = " --period 1 '" + dir.file("1.mrvl") + "' '" + dir.file("2.mrvl") + "' --password-stdin";
    const std::string said = dir.file("said");
    EXPECT_EQ(RunProgram("--grade-summary '" + dir.file("a.csv") + "'" + books, dir.file("in"), said), 0) << readBytes(said);
    EXPECT_EQ(readBytes(dir.file("a.csv")), kExpected);
    EXPECT_EQ(RunProgram("--grade-summary '" + dir.file("b.csv") + "'" + books, dir.file("swapped"), said), 1);
    EXPECT_EQ(readBytes(said), dir.file("1.mrvl") + ": パスワードが違います。\n学年の集計を書き出しませんでした。\n");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(dir.file("b.csv"))));
}

#endif

} // namespace
