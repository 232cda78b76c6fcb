// A protected book read by the command line with its password on standard input.

#include "file/FileTestSupport.h"
#include "file/ProtectedBook.h"
#include "grades/GridBase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace miravel::test {
namespace {

// The program's exit code and its stdout and stderr together.
std::pair<int, std::string> RunWithInput(const std::string& input, const std::string& arguments)
{
    const std::string command = "printf '%s\\n' '" + input + "' | '" MIRAVEL_PROGRAM "' " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (const std::size_t got = pipe ? std::fread(buffer, 1, sizeof buffer, pipe) : 0)
        output.append(buffer, got);
    const int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(PasswordStdin, TheFirstLineOpensTheBookAsThePlainOneOpens)
{
    TempDir dir;
    const auto book = ClassBook({"山田 花子"});
    FileResult error;
    const auto key = BookKey::Create("password1", LowestKdfCost(), error);
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(dir.file("b.mrvl"), *book, *key, report));
    const std::string check = "--check --password-stdin '" + dir.file("b.mrvl") + "'";
    EXPECT_EQ(RunWithInput("password1", check), std::make_pair(0, "OK: " + CaptionLine(*book) + "\n"));
    EXPECT_EQ(RunWithInput("password2", check), std::make_pair(1, std::string("パスワードが違います。\n")));
}

} // namespace
} // namespace miravel::test
