#include "app/CommandLine.h"
#include "file/CompanionFile.h"
#include "file/FileTestSupport.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "mainwindow/MainWindowTexts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <filesystem>

#ifndef _WIN32 // Windows has no permission bits to take
namespace miravel::test {
namespace {

// With `lines` as the password input (--password-stdin).
int RunCommand(std::vector<std::string> args, std::string& err, const std::string& lines = "")
{
    args.push_back("--password-stdin");
    CommandLine command = ParseCommandLine(args);
    command.passwordInput = std::tmpfile();
    std::fputs(lines.c_str(), command.passwordInput);
    std::rewind(command.passwordInput);
    std::string out;
    const int code = RunHeadless(command, out, err = "");
    std::fclose(command.passwordInput);
    return code;
}

// Every file made from a 0600 book is 0600 whatever the umask; --unprotect writes both files or neither.
TEST(ProtectionCommand, WritesWithTheBooksBitsAndBothFilesOrNeither)
{
    TempDir dir;
    const std::string book = dir.file("3年1組.txt"), sealed = dir.file("3年1組.mrvl"), profile = MIRAVEL_TEST_DATA "/../../share/profiles/abc.miravel-profile";
    ASSERT_FALSE(WriteGradeBook(book, *ClassBook({"山田", "", "佐藤"})));
    EvaluationSettings settings;  // so the plain book gets a settings file back
    settings.Mode = EvaluationMode::Criterion;
    ASSERT_FALSE(WriteCompanion(book, settings));
    ::chmod(book.c_str(), 0600);
    std::string err;
    const mode_t mask = ::umask(022);
    EXPECT_EQ(RunCommand({"--protect", sealed, book}, err, "password1\n") + RunCommand({"--unprotect", dir.file("戻し.txt"), sealed}, err, "password1\n") +
                  RunCommand({"--export-csv", dir.file("名簿.csv"), "--view", "class", book}, err) +
                  RunCommand({"--export-handoff", dir.file("提出.csv"), "--profile", profile, "--period", "1", book, "--force"}, err),
              0);
    ::umask(mask);
    for (const char* name : {"3年1組.mrvl", "戻し.txt", "戻し.miravel", "名簿.csv", "提出.csv"}) {
        struct stat info {};
        EXPECT_EQ(::stat(dir.file(name).c_str(), &info) == 0 ? info.st_mode & 0777 : 0, 0600u) << name;
    }
    std::filesystem::create_directory(std::filesystem::u8path(dir.file("out2.miravel")));
    EXPECT_EQ(RunCommand({"--unprotect", dir.file("out2.txt"), sealed}, err, "password1\n"), 1);
    EXPECT_NE(err.find("out2.txt: 評価の設定ファイル（out2.miravel）: 同じ名前のフォルダーがあります。"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(dir.file("out2.txt"))));

    // A wrong password names a rewritten file at once; a damaged magic line is said before any password.
    std::string bytes = readBytes(sealed), flipped = bytes;
    flipped[2] ^= 0x01;
    const struct { std::string file, password, said; } opened[] = {
        {bytes, "wrong\n", std::string(kWrongPasswordText) + "\n" + kTamperedHintText + "\n"},
        {flipped, "", texts::kNotAGradeBook + sealed + ": " + kDamagedProtectedText + "\n"}};
    for (const auto& c : opened) {
        writeBytes(sealed, c.file);
        EXPECT_EQ(RunCommand({"--check", sealed}, err, c.password), 1);
        EXPECT_EQ(err, c.said);
    }
}

} // namespace
} // namespace miravel::test
#endif
