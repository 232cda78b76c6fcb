#include "app/CommandLine.h"
#include "core/Defaults.h"
#include "file/GradeBookFile.h"
#include "file/Cp932.h"
#include "file/FileTestSupport.h"
#include "grades/ViewTestBook.h"
#include "mainwindow/MainWindowTexts.h"

#include <gtest/gtest.h>

using namespace miravel;
using namespace miravel::test;
using Action = CommandLine::Action;

TEST(ParseCommandLine, RecognisesTheActions)
{
    EXPECT_EQ(ParseCommandLine({}).action, Action::Window);
    const auto open = ParseCommandLine({"/tmp/3年1組.txt"});
    EXPECT_EQ(open.action, Action::Window);
    EXPECT_EQ(open.file, "/tmp/3年1組.txt");
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    const auto check = ParseCommandLine({"--check", "a.txt"});
    EXPECT_EQ(check.action, Action::Check);
    EXPECT_EQ(check.file, "a.txt");
    const auto exportCsv = ParseCommandLine({"--export-csv", "out.csv", "--view", "test:1,2,3", "a.txt"});
    EXPECT_EQ(exportCsv.action, Action::ExportCsv);
    EXPECT_EQ(exportCsv.output, "out.csv");
    EXPECT_EQ(exportCsv.view, "test:1,2,3");
    EXPECT_EQ(exportCsv.file, "a.txt");
}

TEST(ParseCommandLine, EveryActionHasAUsageLineForTheManPagesSynopsis)
{
    const std::string usage(kUsage), lines = usage.substr(0, usage.find("\n\n"));
    for (const char* action : {"--check", "--check-grades", "--export-csv", "--print-pdf", "--export-handoff", "--versions",
                               "--protect", "--unprotect"})
        EXPECT_NE(lines.find(std::string("miravel ") + action + " "), std::string::npos) << action;
}

TEST(ParseCommandLine, RefusesIncompleteOrUnknownArguments)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--check"}, {"--export-csv"}, {"--export-csv", "o.csv", "a.txt"},
          {"--export-csv", "o.csv", "--view", "class"}, {"--frobnicate"}, {"a.txt", "b.txt"}, {"--view", "class", "a.txt"},
          // two actions: one of them would be dropped without a word
          {"--export-csv", "o.csv", "--view", "class", "--check", "a.txt"},
          {"--check", "--export-csv", "o.csv", "--view", "class", "a.txt"},
          {"--export-csv", "o.csv", "--export-csv", "p.csv", "--view", "class", "a.txt"},
          {"--export-csv", "o.csv", "--view", "class", "--view", "test:1,1,1", "a.txt"},
          {"--export-csv", "o.csv", "--view", "graphs:1", "a.txt"}}) { // graph pages are PDF only
        const auto command = ParseCommandLine(args);
        EXPECT_EQ(command.action, Action::Error) << args.front();
        EXPECT_FALSE(command.error.empty());
    }
}

class HeadlessTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string bookPath = dir.file("3年1組.txt");
    std::string out, err;

    void SetUp() override
    {
        auto book = ClassBook({"山田", "", "佐藤"}, {"2026", "3年", "1組", "山田"});
        ASSERT_FALSE(WriteGradeBook(bookPath, *book));
    }

    int run(const std::vector<std::string>& args) { return RunHeadless(ParseCommandLine(args), out, err); }
};

TEST_F(HeadlessTest, CheckPrintsTheClassCaption)
{
    EXPECT_EQ(run({"--check", bookPath}), 0);
    EXPECT_EQ(out, "OK: 2026 3年1組 山田 生徒数（ 2名）\n");
    EXPECT_EQ(err, "");
}

TEST_F(HeadlessTest, CheckRefusesAFileThatIsNotAGradeBook)
{
    writeBytes(bookPath, "2026\r\n3年\r\n");
    EXPECT_EQ(run({"--check", bookPath}), 1);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("成績ファイルとして読み込めません。"), std::string::npos);
    EXPECT_NE(err.find("3行目"), std::string::npos);
}

// x.miravel would be its own settings file: checked with the defaults, never written as one.
TEST_F(HeadlessTest, ABookNamedAsASettingsFileHasNone)
{
    writeBytes(dir.file("x.miravel"), readBytes(bookPath));
    EXPECT_EQ(run({"--check", dir.file("x.miravel")}) + run({"--protect", dir.file("y.miravel"), bookPath}), 1);
    EXPECT_EQ(out + err, "OK: 2026 3年1組 山田 生徒数（ 2名）\n注意: " + std::string(texts::kNamedAsSettingsFile) + "\n出力ファイル " +
                             dir.file("y.miravel") + " の名前（.miravel）は評価の設定ファイルの名前です。別の名前（.txt）を指定してください。\n");
}

TEST_F(HeadlessTest, CheckGradesListsWhatLooksWrongAndFailsThen)
{
    EXPECT_EQ(run({"--check-grades", bookPath}), 0);
    EXPECT_EQ(out, "問題はありません\n");
    auto book = ClassBook({"山田", "", "佐藤"});
    book->Scores[TestSlot(0, 0, 0, 0)][0] = 40;
    book->Scores[TestSlot(0, 0, 0, 0)][kAverageColumn] = 40;
    ASSERT_FALSE(WriteGradeBook(bookPath, *book));
    out.clear();
    EXPECT_EQ(run({"--check-grades", bookPath}), 1);
    EXPECT_NE(out.find("：出席番号 3：表現の得点がありません\n"), std::string::npos) << out;
}

TEST_F(HeadlessTest, ExportsTheRosterAsTheWindowWould)
{
    const std::string csv = dir.file("名簿.csv");
    ASSERT_EQ(run({"--export-csv", csv, "--view", "class", bookPath}), 0) << err;
    EXPECT_EQ(readBytes(csv), dataFile("export_class.csv"));
}

TEST_F(HeadlessTest, BadViewsWriteNothing)
{
    const std::string csv = dir.file("out.csv");
    for (const std::string view : {"test:1,2", "test:0,1,1", "subject:7", "semester:1,4", "viewpoint:1,1,1,4",
                                   "test:1,1,11", "grade", "class:1", "subject:1,1", "semester:a,1", "semester:1,1,",
                                   "semester:", "subject:,1", "test:1,,1", "viewpoint:1,1,1,1,"}) {
        err.clear();
        EXPECT_EQ(run({"--export-csv", csv, "--view", view, bookPath}), 1) << view;
        EXPECT_FALSE(err.empty()) << view;
        EXPECT_FALSE(std::filesystem::exists(csv)) << view;
    }
    EXPECT_EQ(run({"--export-csv", csv, "--view", "class", dir.file("missing.txt")}), 1);
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(HeadlessTest, GradeViewsNeedARegisteredRoster)
{
    auto book = FreshBook();
    book->SchoolYear = "未登録です";
    ASSERT_FALSE(WriteGradeBook(bookPath, *book));
    const std::string csv = dir.file("out.csv");
    EXPECT_EQ(run({"--export-csv", csv, "--view", "subject:1", bookPath}), 1);
    EXPECT_NE(err.find("学級の編集（生徒の登録）がまだです。"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(csv));
}

// The exported bytes are those of the table the window shows, after the book
// went through its file: averages stored with one decimal rank the same.
TEST_F(HeadlessTest, ExportsGradeTablesThroughTheFile)
{
    using namespace miravel::testing;
    auto book = SemesterTableBook();
    ASSERT_FALSE(WriteGradeBook(bookPath, *book));

    const std::string csv = dir.file("国語.csv");
    ASSERT_EQ(run({"--export-csv", csv, "--view", "semester:1,1", bookPath}), 0) << err;
    EXPECT_EQ(readBytes(csv), *Utf8ToCp932(dataFile("grades/semester_view.csv")));
}

// The grade book and its backup are never the export's target, however the
// target is spelled.
TEST_F(HeadlessTest, ExportNeverReplacesTheBookOrItsBackup)
{
    const std::string book = readBytes(bookPath);
    writeBytes(dir.file("3年1組.bak"), "backup");
    std::filesystem::create_directory(dir.file("sub"));
    std::vector<std::string> outputs = {bookPath, dir.file("./3年1組.txt"), dir.file("sub/../3年1組.txt"),
                                        dir.file("3年1組.bak")};
#ifndef _WIN32 // symbolic links need administrator rights there
    std::filesystem::create_symlink("3年1組.txt", dir.file("link.txt"));
    outputs.push_back(dir.file("link.txt"));
#endif
    for (const std::string& output : outputs) {
        err.clear();
        EXPECT_EQ(run({"--export-csv", output, "--view", "class", bookPath}), 1) << output;
        EXPECT_NE(err.find("成績ファイル（またはそのバックアップ）と同じファイルです"), std::string::npos) << err;
    }
#ifndef _WIN32 // also when the book is named through the link and the output plainly
    EXPECT_EQ(run({"--export-csv", bookPath, "--view", "class", dir.file("link.txt")}), 1);
#endif
    EXPECT_EQ(readBytes(bookPath), book);
    EXPECT_EQ(readBytes(dir.file("3年1組.bak")), "backup");
}

TEST_F(HeadlessTest, AnExportWithoutItsBackupSaysSo)
{
    const std::string csv = dir.file("名簿.csv");
    writeBytes(csv, "old export");
    std::filesystem::create_directory(std::filesystem::u8path(dir.file("名簿.csv.bak"))); // the backup cannot be put there
    EXPECT_EQ(run({"--export-csv", csv, "--view", "class", bookPath}), 0) << err;
    EXPECT_NE(err.find("バックアップ"), std::string::npos);
    EXPECT_EQ(readBytes(csv), dataFile("export_class.csv"));
}
