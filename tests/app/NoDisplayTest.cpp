// The program started on a machine without a display: the window says so in
// one line, the headless options work as ever.

#include "app/CommandLine.h"
#include "file/FileTestSupport.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "grades/ViewTestBook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sys/wait.h>

using namespace miravel;
using namespace miravel::test;

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string output;  // stdout and stderr together
};

// Runs the program with every way of naming a display taken away, its
// standard input read from the file `input`.
ProgramRun RunWithoutDisplay(const std::string& arguments, const std::string& input = "/dev/null")
{
    const std::string command = "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY= '" MIRAVEL_PROGRAM "' " +
                                arguments + " 2>&1 <'" + input + "'";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

TEST(DisplayAvailable, NeedsANamedPlatformOrDisplay)
{
    EXPECT_FALSE(DisplayAvailable(nullptr, nullptr, nullptr));
    EXPECT_FALSE(DisplayAvailable("", "", ""));
    EXPECT_TRUE(DisplayAvailable("offscreen", nullptr, nullptr));
    EXPECT_TRUE(DisplayAvailable(nullptr, ":0", nullptr));
    EXPECT_TRUE(DisplayAvailable(nullptr, "", "wayland-0"));
}

TEST(NoDisplay, WindowSaysSoInOneLineAndExitsWithOne)
{
    const ProgramRun run = RunWithoutDisplay("");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, kNoDisplay);
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1);
}

TEST(NoDisplay, CheckAndExportStillWork)
{
    TempDir dir;
    const std::string book = dir.file("3年1組.txt");
    ASSERT_FALSE(WriteGradeBook(book, *ClassBook({"山田", "佐藤"}, {"2026", "3年", "1組", "山田"})));
    const ProgramRun check = RunWithoutDisplay("--check '" + book + "'");
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "OK: 2026 3年1組 山田 生徒数（ 2名）\n");

    const std::string csv = dir.file("名簿.csv");
    const ProgramRun exported = RunWithoutDisplay("--export-csv '" + csv + "' --view class '" + book + "'");
    EXPECT_EQ(exported.exitCode, 0) << exported.output;
    EXPECT_FALSE(readBytes(csv).empty());
}

TEST(NoDisplay, AProtectedBookGivesWhatThePlainOneGivesWithItsPasswordOnStandardInput)
{
    TempDir dir;
    const auto book = ClassBook({"山田", "佐藤"});
    ASSERT_FALSE(WriteGradeBook(dir.file("plain.txt"), *book));
    FileResult error;
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(dir.file("b.mrvl"), *book, *BookKey::Create("password1", LowestKdfCost(), error), report));
    writeBytes(dir.file("right"), "password1\nsecond line\n");
    writeBytes(dir.file("wrong"), "password2\n");
    const std::string view = " --view class '" + dir.file("b.mrvl") + "' --password-stdin";
    EXPECT_EQ(RunWithoutDisplay("--export-csv '" + dir.file("b.csv") + "'" + view, dir.file("right")).exitCode, 0);
    RunWithoutDisplay("--export-csv '" + dir.file("plain.csv") + "' --view class '" + dir.file("plain.txt") + "'");
    EXPECT_EQ(readBytes(dir.file("b.csv")), readBytes(dir.file("plain.csv")));
    EXPECT_EQ(RunWithoutDisplay("--check" + view, dir.file("wrong")).output, "パスワードが違います。\n" + std::string(kTamperedHintText) + "\n");
}
