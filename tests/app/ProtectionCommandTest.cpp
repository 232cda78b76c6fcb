#include "app/CommandLine.h"
#include "file/CompanionFile.h"
#include "file/FileTestSupport.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "mainwindow/MainWindowTexts.h"

#include <gtest/gtest.h>
#include <sodium.h>
#include <sys/stat.h>

#include <filesystem>

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

// Every file made from a 0600 book is 0600 whatever the umask; --unprotect
// writes both files or neither, never to a settings file's name.
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
    std::filesystem::create_symlink("out3.miravel", std::filesystem::u8path(dir.file("out3.txt")));
    const struct { const char* name; const char* said; } cases[] = {
        {"out.miravel", "の名前（.miravel）は評価の設定ファイルの名前です。"},
        {"out2.txt", "out2.txt: 評価の設定ファイル（out2.miravel）: 同じ名前のフォルダーがあります。"},
        {"out3.txt", "out3.txt: 「.miravel」は評価の設定ファイルの名前です。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunCommand({"--unprotect", dir.file(c.name), sealed}, err, "password1\n"), 1) << c.name;
        EXPECT_NE(err.find(c.said), std::string::npos) << err;
    }
    for (const char* name : {"out.miravel", "out2.txt", "out3.miravel"})
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(dir.file(name)))) << name;

    // A wrong password and a rewritten header are said together; a damaged magic line before any password.
    std::string bytes = readBytes(sealed), tampered = bytes, flipped = bytes;
    const std::string hint = std::string(kWrongPasswordText) + "\n" + kTamperedHintText + "\n";
    tampered[40] ^= 0x01;  // the salt, its sum made good
    crypto_generichash(reinterpret_cast<unsigned char*>(&tampered[93]), 16, reinterpret_cast<unsigned char*>(&tampered[0]), 93, nullptr, 0);
    flipped[2] ^= 0x01;
    const struct { std::string file, password, said; } opened[] = {{bytes, "wrong\n", hint}, {tampered, "password1\n", hint},
        {flipped, "", texts::kNotAGradeBook + sealed + ": " + kDamagedProtectedText + "\n"}};
    for (const auto& c : opened) {
        writeBytes(sealed, c.file);
        EXPECT_EQ(RunCommand({"--check", sealed}, err, c.password), 1);
        EXPECT_EQ(err, c.said);
    }
}

} // namespace
} // namespace miravel::test
