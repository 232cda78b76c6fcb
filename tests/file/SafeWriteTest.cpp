// The safe writer and reader against what a hostile user or a failing disk
// does: links, special files, read-only files, leftovers of killed saves.

#include "file/GradeBookFile.h"
#include "file/SafeWrite.h"
#include "file/SameFile.h"
#include "file/SystemCalls.h"
#include "FileTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace miravel;
using namespace miravel::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const TempDir& dir, const std::string& folder = "")
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(dir.file(folder))))
        names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
}

#ifndef _WIN32
mode_t modeOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

#endif

} // namespace

TEST(BackupPath, LeadingDotsOfAHiddenNameDoNotCount)
{
    EXPECT_EQ(BackupPath("/成績/.grades.txt"), "/成績/.grades.bak");
    EXPECT_EQ(BackupPath("/成績/.grades"), "/成績/.grades.bak");
    EXPECT_EQ(BackupPath("..x.y.z"), "..x.y.bak");
    EXPECT_EQ(BackupPath("/a.b/.c"), "/a.b/.c.bak");
}

#ifndef _WIN32
// Symbolic links, permission bits, owners and pipes as POSIX has them.
TEST(SafeWrite, SavingThroughALinkWritesTheTargetAndKeepsTheLink)
{
    TempDir dir;
    fs::create_directory(dir.file("real"));
    const std::string target = dir.file("real/3年1組.txt");
    writeBytes(target, "old");
    fs::create_symlink("real/3年1組.txt", dir.file("link.txt"));
    fs::create_symlink(dir.file("link.txt"), dir.file("link2.txt")); // a link to a link

    ASSERT_FALSE(WriteFileWithBackup(dir.file("link2.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link2.txt")));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(readBytes(dir.file("real/3年1組.bak")), "old"); // the backup beside the real file
    EXPECT_FALSE(fs::exists(dir.file("link2.bak")));
    EXPECT_EQ(namesIn(dir, "real"), (std::vector<std::string>{"3年1組.bak", "3年1組.txt"}));

    // A link whose target is not there yet creates the target.
    fs::create_symlink("real/new.txt", dir.file("dangling.txt"));
    ASSERT_FALSE(WriteFileWithBackup(dir.file("dangling.txt"), "first"));
    EXPECT_EQ(readBytes(dir.file("real/new.txt")), "first");
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.txt")));

    fs::create_symlink("loop.txt", dir.file("loop.txt"));
    EXPECT_TRUE(WriteFileWithBackup(dir.file("loop.txt"), "x"));
}

TEST(SafeWrite, KeepsPermissionBitsAndOwner)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    ASSERT_FALSE(WriteFileWithBackup(path, "new"));
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(modeOf(dir.file("class.bak")), 0640u);
    if (root) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
    // A new file gets the usual bits, not those of a private temporary.
    const mode_t mask = ::umask(022);
    ASSERT_FALSE(WriteFileWithBackup(dir.file("new.txt"), "x"));
    ::umask(mask);
    EXPECT_EQ(modeOf(dir.file("new.txt")), 0644u);
}

TEST(SafeWrite, RefusesReadOnlyFilesAndWhatIsNotARegularFile)
{
    TempDir dir;
    const std::string readOnly = dir.file("ro.txt");
    writeBytes(readOnly, "kept");
    ::chmod(readOnly.c_str(), 0444);
    fs::create_directory(dir.file("folder.txt"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0644), 0);

    struct {
        std::string path;
        const char* mentions;
    } cases[] = {
        {readOnly, "読み取り専用"},
        {dir.file("folder.txt"), "フォルダー"},
        {dir.file("pipe.txt"), "通常のファイルではない"},
    };
    for (const auto& c : cases) {
        const auto error = WriteFileWithBackup(c.path, "new");
        ASSERT_TRUE(error) << c.path;
        EXPECT_NE(error->reason.find(c.mentions), std::string::npos) << error->reason;
    }
    EXPECT_EQ(readBytes(readOnly), "kept");
    EXPECT_EQ(modeOf(readOnly), 0444u);
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"folder.txt", "pipe.txt", "ro.txt"}));
}

#endif

TEST(SafeWrite, TheNextSaveRemovesTheTemporariesOfKilledSaves)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    for (const char* name : {".class.txt.miravel-Ab12Cd", ".class.txt.miravel-zzzzzz", ".miravel-Q1w2E3",
                             // not leftovers of this file's saves: kept
                             ".class.txt.miravel-Ab12Cd.txt", ".other.txt.miravel-Ab12Cd", "class.txt.miravel-Ab12Cd",
                             ".class.txt.miravel-AB"})
        writeBytes(dir.file(name), "leftover");
    ASSERT_FALSE(WriteFileWithBackup(path, "new"));
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{".class.txt.miravel-AB", ".class.txt.miravel-Ab12Cd.txt",
                                                      ".other.txt.miravel-Ab12Cd", "class.txt",
                                                      "class.txt.miravel-Ab12Cd"}));
}

TEST(SafeWrite, WithoutHardLinksTheBackupIsACheckedCopy)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    writeBytes(path, "previous");
    SystemCalls noLinks = RealSystemCalls();
    noLinks.link = [](const char*, const char*) { return errno = EPERM, -1; };
    ScopedSystemCalls scoped(noLinks);
    SaveReport report;
    ASSERT_FALSE(WriteFileWithBackup(path, "new", report));
    EXPECT_TRUE(report.backupMade);
    EXPECT_EQ(readBytes(dir.file("class.bak")), "previous");
    EXPECT_EQ(readBytes(path), "new");
}

TEST(SafeWrite, AFolderInThePlaceOfTheBackupIsReportedNotFatal)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    writeBytes(path, "previous");
    fs::create_directory(dir.file("class.bak"));
    SaveReport report;
    ASSERT_FALSE(WriteFileWithBackup(path, "new", report));
    EXPECT_TRUE(report.BackupMissing());
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"class.bak", "class.txt"}));

    ASSERT_FALSE(WriteFileWithBackup(dir.file("first.txt"), "new", report)); // nothing to back up
    EXPECT_FALSE(report.BackupMissing());
}

#ifndef _WIN32
// Symbolic links, permission bits, owners and pipes as POSIX has them.
TEST(ReadWholeFile, RefusesWhatCannotBeAGradeBookWithoutReadingIt)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0644), 0);
    fs::create_directory(dir.file("folder.txt"));
    {
        std::ofstream big(dir.file("big.txt"));
    }
    fs::resize_file(dir.file("big.txt"), kMaxFileBytes + 1); // sparse: costs no disk
    struct {
        std::string path;
        const char* mentions;
    } cases[] = {
        {dir.file("pipe.txt"), "通常のファイルではありません"}, // would block for ever if opened to read
        {"/dev/zero", "通常のファイルではありません"},           // would never end
        {dir.file("folder.txt"), "フォルダー"},
        {dir.file("big.txt"), "大きすぎます"},
        {dir.file("missing.txt"), "見つかりません"},
    };
    for (const auto& c : cases) {
        std::string bytes = "untouched";
        const auto error = ReadWholeFile(c.path, bytes);
        ASSERT_TRUE(error) << c.path;
        EXPECT_NE(error->reason.find(c.mentions), std::string::npos) << error->reason;
        EXPECT_EQ(bytes, "untouched");
    }
}

#endif

TEST(SafeWrite, AJapanesePathIsSavedAndReadUnderItsOwnName)
{
    TempDir dir;
    fs::create_directory(fs::u8path(dir.file("成績")));
    const std::string path = dir.file("成績/3年1組.txt");
    auto book = populatedBook();
    ASSERT_FALSE(WriteGradeBook(path, *FreshBook()));
    ASSERT_FALSE(WriteGradeBook(path, *book)); // the first content becomes the backup
    auto read = FreshBook();
    ASSERT_FALSE(ReadGradeBook(path, *read));
    EXPECT_EQ(read->TeacherName, book->TeacherName);
    ASSERT_FALSE(ReadGradeBook(dir.file("成績/3年1組.bak"), *read));
    EXPECT_EQ(read->TeacherName, FreshBook()->TeacherName);
    // The names the system lists are the names given (UTF-16 on Windows).
    EXPECT_EQ(namesIn(dir, "成績"), (std::vector<std::string>{"3年1組.bak", "3年1組.txt"}));
    EXPECT_TRUE(SameFile(path, dir.file("成績/../成績/3年1組.txt")));
    EXPECT_TRUE(WouldOverwriteBook(dir.file("成績/3年1組.bak"), path));
}

TEST(ReadWholeFile, AnIOErrorIsReportedAsOneNotAsAShortFile)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    ASSERT_FALSE(WriteGradeBook(path, *populatedBook()));
    writeBytes(dir.file("class.bak"), "older backup");
    // The disk gives the first 64 KiB, then fails; no hard links either.
    SystemCalls failing = RealSystemCalls();
    failing.read = [](int fd, void* buffer, size_t size) -> ssize_t {
        if (::lseek(fd, 0, SEEK_CUR) >= 64 * 1024)
            return errno = EIO, -1;
        return ::read(fd, buffer, size);
    };
    failing.link = [](const char*, const char*) { return errno = EXDEV, -1; };
    ScopedSystemCalls scoped(failing);

    auto document = FreshBook();
    const auto error = ReadGradeBook(path, *document);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 0);
    EXPECT_NE(error->reason.find("入出力エラー"), std::string::npos) << error->reason;

    // The backup is never made from such a read: the older one stays, and
    // the save says that it went on without one.
    SaveReport report;
    ASSERT_FALSE(WriteFileWithBackup(path, "new", report));
    EXPECT_TRUE(report.BackupMissing());
    EXPECT_EQ(readBytes(dir.file("class.bak")), "older backup");
    EXPECT_EQ(readBytes(path), "new");
}

#ifndef _WIN32
// Symbolic links, permission bits, owners and pipes as POSIX has them.
TEST(SameFile, ComparesFilesNotSpellings)
{
    TempDir dir;
    const std::string book = dir.file("3年1組.txt");
    writeBytes(book, "book");
    writeBytes(dir.file("other.txt"), "other");
    fs::create_symlink("3年1組.txt", dir.file("link.txt"));
    fs::create_hard_link(book, dir.file("hard.txt"));
    fs::create_directory(dir.file("sub"));

    struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {book, book, true},
        {book, dir.file("./3年1組.txt"), true},
        {book, dir.file("sub/../3年1組.txt"), true},
        {book, dir.file("link.txt"), true},
        {book, dir.file("hard.txt"), true},
        {book, dir.file("other.txt"), false},
        {dir.file("new.csv"), dir.file("sub/../new.csv"), true}, // neither there yet
        {dir.file("new.csv"), dir.file("new2.csv"), false},
        {dir.file("new.csv"), book, false},
        {dir.file("no/such.csv"), dir.file("no/such.csv"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(SameFile, AnExportWouldOverwriteTheBookOrItsBackup)
{
    TempDir dir;
    const std::string book = dir.file("3年1組.txt");
    writeBytes(book, "book");
    fs::create_symlink("3年1組.txt", dir.file("link.txt"));
    struct {
        std::string output;
        bool overwrites;
    } cases[] = {
        {book, true},
        {dir.file("./3年1組.txt"), true},
        {dir.file("link.txt"), true},
        {dir.file("3年1組.bak"), true},       // the backup, not there yet
        {dir.file("3年1組.csv"), false},      // backed up as 3年1組.csv.bak: the book's backup stays
        {dir.file("other.csv"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WouldOverwriteBook(c.output, book), c.overwrites) << c.output;
    // A book named like an export's backup would be overwritten by it.
    writeBytes(dir.file("x.csv.bak"), "book");
    EXPECT_TRUE(WouldOverwriteBook(dir.file("x.csv"), dir.file("x.csv.bak")));
}
#endif
