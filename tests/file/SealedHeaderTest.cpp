#include "file/BookSave.h"
#include "file/ClassSettingsRecord.h"
#include "file/FileTestSupport.h"

#include <gtest/gtest.h>
#include <sodium.h>
#include <chrono>
#ifndef _WIN32
#include "file/TerminalPassword.h"
#include <pty.h>
#include <sys/wait.h>
#endif

namespace miravel::test {
namespace {

// Header: magic 0-22, version 23, passes 25-28, memory 29-36, salt 37-52, nonce 53-76, key check 77-92, sum 93-108.
std::string WithField(std::string bytes, std::size_t at, std::uint64_t value, int size, bool fixSum = true)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    if (fixSum)
        crypto_generichash(reinterpret_cast<unsigned char*>(&bytes[93]), 16, reinterpret_cast<unsigned char*>(&bytes[0]), 93, nullptr, 0);
    return bytes;
}

TEST(SealedHeader, CraftedFilesGetTheMessageTheirDamageCallsAtOnce)
{
    TempDir dir;
    const std::string path = dir.file("3年1組.mrvl");
    FileResult error;
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(path, *ClassBook({"山田"}), *BookKey::Create("pass", LowestKdfCost(), error), report));
    const std::string bytes = readBytes(path), damaged = kDamagedProtectedText, wrong = kWrongPasswordText;
    const struct { const char* what; std::string file; std::string reason; bool headerRefused; } cases[] = {
        {"passes above the cap", WithField(bytes, 25, 4 * DefaultKdfCost().operations + 1, 4), damaged, true},
        {"memory above the cap", WithField(bytes, 29, 4 * DefaultKdfCost().memoryBytes + 1024, 8), damaged, true},
        {"another allowed cost", WithField(bytes, 25, LowestKdfCost().operations + 1, 4), wrong, false},
        {"salt", WithField(bytes, 40, 0x5A, 1), wrong, false},
        {"nonce", WithField(bytes, 60, 0x5A, 1), damaged, false},
        {"one bit of the magic", WithField(bytes, 8, 'p' ^ 0x04, 1, false), damaged, true},
        {"four bytes of the magic", WithField(bytes, 0, 0x3F3F3F3F, 4, false), damaged, true},
        {"binary first line", WithField(bytes, 0, 0x0102030405060708, 8, false), damaged, true},
        {"five bytes of the magic: text", WithField(bytes, 0, 0x3F3F3F3F3F, 5, false), "パスワード付き成績ファイルではありません。", true},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.file);
        auto read = FreshBook();
        std::unique_ptr<BookKey> opened;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ReadProtectedBook(path, "pass", *read, opened).value_or(FileError{}).reason, c.reason) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50)) << c.what;
        EXPECT_EQ(CheckSealedHeader(c.file).has_value(), c.headerRefused) << c.what;
    }
}

// x.txt and x.mrvl in one folder, saved in turns, keep a backup each.
TEST(BookBackupPath, APlainAndAProtectedBookNeverShareOne)
{
    EXPECT_EQ(BookBackupPath("/成績/3年1組.1学期.txt", false) + " " + BookBackupPath("/成績/3年1組.1学期.mrvl", true) + " " +
                  BookBackupPath("/成績/3年1組.txt", true) + " " + BookBackupPath("/成績/3年1組", true),
              "/成績/3年1組.1学期.bak /成績/3年1組.1学期.mrvl.bak /成績/3年1組.txt.bak /成績/3年1組.bak");
    TempDir dir;
    FileResult error;
    const auto key = BookKey::Create("pass", LowestKdfCost(), error);
    for (const std::string content : {"1", "2"})
        for (const std::string name : {"x.txt", "x.mrvl"}) {
            BookSave request;
            request.path = dir.file(name), request.book = name + content;
            ASSERT_FALSE(name == "x.mrvl" && SealBook(*key, name + content, "", request.book));
            ASSERT_EQ(SaveBook(request).step, SaveStep::Saved) << name;
        }
    std::string book, settings;
    ASSERT_FALSE(UnsealBookWithKey(readBytes(dir.file("x.mrvl.bak")), *key, book, settings));
    EXPECT_EQ(readBytes(dir.file("x.bak")) + " " + book, "x.txt1 x.mrvl1");
}

#ifndef _WIN32 // a clock set by TZ, a terminal of its own
// A sealed file older than the newest seen here is noticed.
TEST(RollbackNotice, OnlyAFileOlderThanTheNewestSeenIsNoticed)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const SealStamp seen{12, 1775525415};  // 2026/04/07 01:30:15 UTC
    const std::string older = "このファイルは、このパソコンで前に開いたものより古い版です（保存日時 ";
    const struct { SealStamp opened; std::string notice; } cases[] = {
        {{11, 1775439015}, older + "2026/04/06 01:30）。"}, {{12, 1775525415}, ""}, {{13, 1}, ""},
        {{1, 1775611815}, older + "2026/04/08 01:30）。"}, {{0, 0}, older + "不明）。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RollbackNotice(seen, c.opened), c.notice) << c.opened.counter;
}

// Ctrl+C or a kill while the prompt waits: the program ends as it would, with echo back on.
TEST(ReadPasswordFromTty, ASignalLeavesTheTerminalEchoing)
{
    auto echoes = [](int tty) {
        termios mode{};
        return ::tcgetattr(tty, &mode) == 0 && (mode.c_lflag & ECHO) != 0;
    };
    for (int signal : {SIGINT, SIGTERM}) {
        int keyboard, tty;
        ASSERT_EQ(::openpty(&keyboard, &tty, nullptr, nullptr, nullptr), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            std::string password;
            ReadPasswordFromTty(tty, "パスワード: ", password);
            ::_exit(0);
        }
        for (int wait = 0; wait < 400 && echoes(tty); ++wait)
            ::usleep(5000);
        EXPECT_FALSE(echoes(tty)) << signal;
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal && echoes(tty)) << signal;
        ::close(keyboard), ::close(tty);
    }
}
#endif

} // namespace
} // namespace miravel::test
